#include "Aplikace.h"

#include "CsvCommands.h"
#include "DatabaseWindows.h"
#include "HelpWindows.h"
#include "RecordCommands.h"
#include "ReportWindows.h"
#include "SearchWindows.h"
#include "TNovyDialog.h"
#include "TObrazekDialog.h"
#include "TPrevDialog.h"
#include "TVymazatDialog.h"
#include "TVypujcniKarta.h"
#include "TZpravaDialog.h"

#include "ProgramSettings.h"
#include "TDataModule1.h"
#include "THlavniDialog.h"
#include "TIniDialog.h"
#include "TOProgramuDialog.h"
#include "TPomocnikDialog.h"
#include "TSpusteniDialog.h"
#include "TZvuky.h"

#include <QAction>

namespace {
// The splash bar before the first object is made.
constexpr int kStartProgress = 3;
constexpr int kDoneProgress = 100;
} // namespace

const QList<Aplikace::Step>& Aplikace::creationOrder()
{
    // The windows of the run as they follow one another; each moves the splash bar.
    static const QList<Step> steps{
        {"DataModule1", 6, &Aplikace::createDataModule},
        {"HlavniDialog", 24, &Aplikace::createHlavni},
        {"PomocnikDialog", 27, &Aplikace::createPomocnik},
        {"NovyDialog", 30, &Aplikace::createNovy},
        {"UvitaniDialog", 33, &Aplikace::createUvitani},
        {"NapovedaDialog", 36, &Aplikace::createNapoveda},
        {"EditaceDialog", 39, &Aplikace::createEditace},
        {"ZrusitVolitelnyDialog", 42, &Aplikace::createZrusitVolitelny},
        {"JmenoDialog", 45, &Aplikace::createJmeno},
        {"DotazJmenoDialog", 48, &Aplikace::createDotazJmeno},
        {"TipyDialog", 51, &Aplikace::createTipy},
        {"OtevreniDialog", 54, &Aplikace::createOtevreni},
        {"DotazOdstranitDialog", 60, &Aplikace::createDotazOdstranit},
        {"NajitDialog", 63, &Aplikace::createNajit},
        {"VymazatDialog", 66, &Aplikace::createVymazat},
        {"IniDialog", 69, &Aplikace::createIni},
        {"OProgramuDialog", 75, &Aplikace::createOProgramu},
        {"DotazKonecDialog", 81, &Aplikace::createDotazKonec},
    };
    return steps;
}

Aplikace::Aplikace(const ProgramFolder& folder, const QString& instanceEndpoint, QObject* parent)
    : QObject(parent), m_folder(folder), m_endpoint(instanceEndpoint),
      m_zvuky(new TZvuky(folder.programFolder(), this))
{
}

Aplikace::~Aplikace()
{
    m_oProgramu.reset();
    m_ini.reset();
    m_search.reset();
    m_recordCommands.reset();
    m_reports.reset();
    m_databases.reset();
    m_help.reset();
    m_pomocnik.reset();
    m_hlavni.reset();
    m_data.reset();
}

void Aplikace::create(TSpusteniDialog* splash)
{
    if (splash)
        splash->setProgress(kStartProgress);
    for (const Step& step : creationOrder()) {
        (this->*step.create)();
        emit created(step.name);
        if (splash && step.progress >= 0)
            splash->setProgress(step.progress);
    }
    if (splash)
        splash->setProgress(kDoneProgress);
}

void Aplikace::createDataModule()
{
    m_data = std::make_unique<TDataModule1>(m_folder.dataFolder());
}

void Aplikace::createHlavni()
{
    m_hlavni = std::make_unique<THlavniDialog>(m_folder, m_data.get(), m_zvuky);
    auto* csv = new CsvCommands(*m_hlavni, m_hlavni.get());
    csv->setObjectName(QStringLiteral("CsvCommands"));
    m_hlavni->route(QStringLiteral("MSExport"), csv, [csv] { csv->exportFront(); });
    m_hlavni->route(QStringLiteral("MSImport"), csv, [csv] { csv->importFront(); });
    if (!m_endpoint.isEmpty() && m_hlavni->claimInstance(m_endpoint))
        releaseOpenKeys();
}

// With the run's endpoint held no other copy can have a database open, so an
// open key still set was left by a run that was killed; kept, it would strike
// that database in the chooser.
void Aplikace::releaseOpenKeys()
{
    const ProgramSettings settings(m_folder.programIniPath());
    for (int slot = 1; slot <= 4 && m_releaseFailure; ++slot)
        m_releaseFailure = settings.setDatabaseOpen(slot, false);
}

void Aplikace::createPomocnik()
{
    m_pomocnik = std::make_unique<TPomocnikDialog>(m_folder.programFolder(), m_zvuky);
    m_hlavni->attachAssistant(m_pomocnik.get());
}

// The database dialogs come one by one between the help windows; the main
// window's commands reach them as soon as each exists.
void Aplikace::createNovy()
{
    m_databases = std::make_unique<DatabaseWindows>(*m_hlavni);
    // Failures that no dialog of their own reports come up in the message balloon.
    connect(m_hlavni.get(), &THlavniDialog::errorReported, m_databases.get(),
            [databases = m_databases.get()](const Status& status) {
                databases->zpravaDialog()->ukazat(status);
            });
    // Told once there is a balloon to tell it in.
    if (!m_releaseFailure)
        m_hlavni->reportError(m_releaseFailure);
    m_databases->createNovy();
    TNovyDialog* novy = m_databases->novyDialog();
    m_hlavni->route(QStringLiteral("MS1"), novy, [novy] { novy->ask(); });
}

void Aplikace::createEditace()
{
    m_databases->createEditace();
}

void Aplikace::createZrusitVolitelny()
{
    m_databases->createZrusitVolitelny();
}

void Aplikace::createJmeno()
{
    m_databases->createJmeno();
}

void Aplikace::createDotazJmeno()
{
    m_databases->createDotazJmeno();
}

void Aplikace::createOtevreni()
{
    m_databases->createOtevreni();
    TOtevreniDialog* otevreni = m_databases->otevreniDialog();
    m_hlavni->route(QStringLiteral("MS2"), otevreni, [otevreni] { otevreni->ask(); });
}

// The search: "Najít..." of the main window and of each record menu. The
// per-carrier build puts the kind menu back at every kind.
void Aplikace::createNajit()
{
    m_search = std::make_unique<SearchWindows>(*m_hlavni);
    SearchWindows* search = m_search.get();
    // The printed lists print from the search's copies.
    if (m_reports)
        m_reports->setReportCopies(search);
    m_hlavni->route(QStringLiteral("MU7"), search, [search] { search->open(); });
    if (DatabaseWindows* databases = m_databases.get())
        search->setZprava([databases] { return databases->zpravaDialog(); });
    if (m_recordCommands)
        m_recordCommands->setSearch([search](int slot) { search->open(slot); });
    THlavniDialog* hlavni = m_hlavni.get();
    search->setKindReset([hlavni] {
        if (QAction* all = hlavni->action(QStringLiteral("N0")))
            all->setChecked(true);
    });
}

void Aplikace::createVymazat()
{
    m_databases->createVymazat();
    TVymazatDialog* vymazat = m_databases->vymazatDialog();
    m_hlavni->route(QStringLiteral("MN1"), vymazat, [vymazat] { vymazat->ask(); });
}

void Aplikace::createDotazKonec()
{
    m_databases->createDotazKonec();
}

void Aplikace::createUvitani()
{
    m_help = std::make_unique<HelpWindows>(*m_hlavni);
    m_help->createUvitani();
}

void Aplikace::createNapoveda()
{
    m_help->createNapoveda();
}

// The tips window completes the help windows; only now can the main window
// hand its commands and its tip line over to them.
void Aplikace::createTipy()
{
    m_help->createTipy();
    m_hlavni->attachHelp(m_help.get());
}

// The delete question comes with the record commands, which give every
// database window its record editor.
void Aplikace::createDotazOdstranit()
{
    m_recordCommands = std::make_unique<RecordCommands>(*m_hlavni);
    createSestavy();
    if (m_databases) {
        m_databases->setWindowSetup([commands = m_recordCommands.get(), hlavni = m_hlavni.get(),
                                     databases = m_databases.get(),
                                     reports = m_reports.get()](TDatabazeDialog* window) {
            commands->equip(window);
            reports->equip(window);
            auto* card = TVypujcniKarta::equip(window, *hlavni, databases->dotazVypujckaDialog());
            if (card)
                connect(card, &TVypujcniKarta::failed, databases,
                        [databases](const Status& s) { databases->zpravaDialog()->ukazat(s); });
        });
    }
}

// The report chooser, the labels and the picture dialogs; the pop-up menu of
// each database window reaches them through its window setup.
void Aplikace::createSestavy()
{
    THlavniDialog* hlavni = m_hlavni.get();
    m_reports = std::make_unique<ReportWindows>(*hlavni, hlavni);
    ReportWindows* reports = m_reports.get();
    m_hlavni->route(QStringLiteral("MS4"), reports,
                    [reports] { reports->openChooser(TNahledDialog::Mode::Preview); });
    m_hlavni->route(QStringLiteral("MS5"), reports,
                    [reports] { reports->openChooser(TNahledDialog::Mode::Print); });
    TObrazekDialog* obrazek = reports->obrazek();
    m_hlavni->route(QStringLiteral("PP1"), obrazek, [obrazek] { obrazek->ask(); });
    TPrevDialog* prev = reports->prev();
    m_hlavni->route(QStringLiteral("PP3"), prev, [prev] { prev->showChosen(); });
}

void Aplikace::createIni()
{
    m_ini = std::make_unique<TIniDialog>(*m_hlavni);
    TIniDialog* dialog = m_ini.get();
    m_hlavni->route(QStringLiteral("MN5"), dialog, [dialog] { dialog->ask(); });
    connect(dialog, &TIniDialog::restored, m_hlavni.get(), &THlavniDialog::restoreStandardView);
}

void Aplikace::createOProgramu()
{
    m_oProgramu = std::make_unique<TOProgramuDialog>(m_folder.programFolder());
    TOProgramuDialog* dialog = m_oProgramu.get();
    m_hlavni->route(QStringLiteral("Oprogramu"), dialog, [dialog] { dialog->ukazat(); });
}
