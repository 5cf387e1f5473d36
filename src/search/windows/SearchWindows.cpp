#include "SearchWindows.h"

#include "AuxiliaryBuild.h"
#include "HlavniSluzby.h"
#include "KindChoice.h"
#include "ProgramFolder.h"
#include "ProgramSettings.h"
#include "SearchCurrency.h"
#include "TDataModule1.h"
#include "TInfoNajit1Dialog.h"
#include "TNajitDialog.h"
#include "TPomocna1Dialog.h"
#include "TTable.h"
#include "TVyberSestavy.h"
#include "TVysledekDialog.h"
#include "TZpravaDialog.h"

namespace {
constexpr int kAuxiliaryTable = 5;
}

SearchWindows::SearchWindows(HlavniSluzby& sluzby, QObject* parent)
    : QObject(parent), m_sluzby(sluzby), m_najit(std::make_unique<TNajitDialog>(sluzby)),
      m_pomocna(std::make_unique<TPomocnaDialog>(sluzby, m_najit.get())),
      m_pomocna1(std::make_unique<TPomocna1Dialog>(sluzby, m_najit.get())),
      m_vysledek(std::make_unique<TVysledekDialog>(sluzby)),
      m_vysledek1(std::make_unique<TVysledek1Dialog>(sluzby)),
      m_vysledek2(std::make_unique<TVysledek2Dialog>(sluzby))
{
    connect(m_najit.get(), &TNajitDialog::criterionChosen, this, &SearchWindows::choose);
    for (TPomocnaDialog* builder :
         {m_pomocna.get(), static_cast<TPomocnaDialog*>(m_pomocna1.get())}) {
        connect(builder, &TPomocnaDialog::buildRequested, this,
                [this, builder] { build(builder); });
        connect(builder, &TPomocnaDialog::startRequested, this,
                [this, builder] { start(builder); });
    }
    for (TVysledekOkno* list : std::initializer_list<TVysledekOkno*>{
             m_vysledek.get(), m_vysledek1.get(), m_vysledek2.get()})
        connect(list, &TVysledekOkno::failed, this, &SearchWindows::showFailure);
    connect(&sluzby.kindChoice(), &KindChoice::changed, this, &SearchWindows::kindChoiceChanged);
    for (int slot = 1; slot <= 4; ++slot) {
        if (TTable* table = sluzby.dataModule()->slotTable(slot))
            connect(table, &TTable::recordWritten, this, [this, slot] { carriersChanged(slot); });
    }
}

SearchWindows::~SearchWindows() = default;

void SearchWindows::open()
{
    open(m_sluzby.activeDatabaseSlot());
}

void SearchWindows::open(int slot)
{
    if (slot >= 1 && slot <= 4)
        m_najit->setSlot(slot);
    m_najit->ask();
}

void SearchWindows::kindChoiceChanged()
{
    (void)search::SearchCurrency(m_sluzby.programFolder().programIniPath()).kindChoiceChanged();
}

// A copy made before a carrier was stored or deleted would list it as it was.
void SearchWindows::carriersChanged(int slot)
{
    if (Status s =
            ProgramSettings(m_sluzby.programFolder().programIniPath()).forgetSearchCopies(slot);
        !s)
        showFailure(s);
}

TPomocnaDialog* SearchWindows::builderFor(search::Shape shape) const
{
    return shape == search::Shape::PerCarrier ? m_pomocna.get() : m_pomocna1.get();
}

void SearchWindows::choose(const search::Criterion& criterion)
{
    TPomocnaDialog* builder = builderFor(criterion.shape);
    builder->setSlot(m_najit->slot());
    builder->move(TPomocnaDialog::placement(m_najit->pos(), criterion.topOffset));
    builder->setCriterion(criterion.code, criterion.heading);
    builder->show();
}

void SearchWindows::build(TPomocnaDialog* builder)
{
    const search::SearchCurrency currency(m_sluzby.programFolder().programIniPath());
    // The table is about to be overwritten: no copy is current until it is whole.
    (void)currency.beginBuild();
    TTable* auxiliary = m_sluzby.dataModule()->table(kAuxiliaryTable);
    auxiliary->setDatabaseName(m_sluzby.programFolder().dataFolder());
    const TInfoNajitDialog::Request request{builder->y(), builder->heading(), builder->slot(),
                                            QStringLiteral("Ne")};
    builder->hide();
    m_najit->hide();
    TInfoNajitDialog* progress = builder->shape() == search::Shape::PerCarrier
                                     ? new TInfoNajitDialog(m_sluzby)
                                     : new TInfoNajit1Dialog(m_sluzby);
    progress->setRequest(request);
    connect(progress, &TInfoNajitDialog::searchResumes, this,
            [this, shape = builder->shape()](const TInfoNajitDialog::Request& done) {
                resume(shape, done);
            });
    progress->start();
    emit buildStarted(progress);
    auxiliary->close();
    const Status s = runBuild(builder, *progress);
    progress->finish(s.isOk());
    if (!s)
        showFailure(Status::error(
            QStringLiteral("Pomocnou databázi pro vyhledávání se nepodařilo vytvořit. %1")
                .arg(s.message()),
            s.detail()));
}

Status SearchWindows::runBuild(TPomocnaDialog* builder, TInfoNajitDialog& progress)
{
    TTable* source = m_sluzby.dataModule()->slotTable(builder->slot());
    if (!source)
        return Status::error(QStringLiteral("Není vybrána žádná databáze."));
    if (builder->shape() == search::Shape::PerCarrier) {
        // Every carrier goes into this copy, so the window shows them all too.
        (void)source->setFiltered(false);
        if (m_kindReset)
            m_kindReset();
    }
    return search::buildAuxiliaryTable(builder->shape(), m_sluzby.programFolder(),
                                       search::BuildSource::of(*source, builder->shape()),
                                       progress);
}

// After a build the search comes back as it was left, the builder now
// offering to start.
void SearchWindows::resume(search::Shape shape, const TInfoNajitDialog::Request& request)
{
    m_najit->setSlot(request.slot);
    m_najit->ask();
    TPomocnaDialog* builder = builderFor(shape);
    builder->move(builder->x(), request.builderTop);
    builder->setCriterion(builder->code(), request.heading);
    builder->setSlot(request.slot);
    builder->show();
    TTable* auxiliary = m_sluzby.dataModule()->table(kAuxiliaryTable);
    if (Status s = auxiliary->open(); !s)
        showFailure(s);
}

void SearchWindows::start(TPomocnaDialog* builder)
{
    TTable* auxiliary = m_sluzby.dataModule()->table(kAuxiliaryTable);
    auxiliary->close();
    auxiliary->setDatabaseName(m_sluzby.programFolder().dataFolder());
    if (Status s = auxiliary->open(); !s) {
        showFailure(s);
        return;
    }
    const QString code = builder->code();
    const int slot = builder->slot();
    const QString heading = builder->heading();
    builder->hide();
    m_najit->hide();
    m_vysledek->setRequest(code, slot, heading);
    m_vysledek->ukazat();
}

// A report's copy: the carriers of the ticked kind with the key field it
// needs, made under a progress window in print mode, so that the search
// trusts neither of its copies afterwards.
bool SearchWindows::rebuildForReport(int slot, Copy copy)
{
    const search::SearchCurrency currency(m_sluzby.programFolder().programIniPath());
    (void)currency.beginBuild();
    TTable* source = m_sluzby.dataModule()->slotTable(slot);
    TTable* auxiliary = m_sluzby.dataModule()->table(kAuxiliaryTable);
    if (!source) {
        showFailure(Status::error(QStringLiteral("Databáze není otevřená.")));
        return false;
    }
    auto* progress = new TInfoNajitDialog(m_sluzby);
    progress->setRequest({0, QString(), slot, QStringLiteral("Tisk")});
    progress->start();
    emit buildStarted(progress);
    auxiliary->close();
    auxiliary->setDatabaseName(m_sluzby.programFolder().dataFolder());
    search::BuildSource from = search::BuildSource::of(*source, search::Shape::PerCarrier);
    from.filter = m_sluzby.kindChoice().filter();
    from.keyField =
        copy == Copy::Performers ? QStringLiteral("INTERPRET") : QStringLiteral("NAZEV");
    from.withTracks = copy == Copy::Full;
    Status s = search::buildAuxiliaryTable(search::Shape::PerCarrier, m_sluzby.programFolder(),
                                           from, *progress);
    if (s) {
        s = auxiliary->open();
        if (s)
            (void)auxiliary->setFiltered(false);
    }
    progress->finish(s.isOk());
    if (!s)
        showFailure(Status::error(
            QStringLiteral("Pomocnou databázi pro tiskovou sestavu se nepodařilo vytvořit. %1")
                .arg(s.message()),
            s.detail()));
    return s.isOk();
}

void SearchWindows::pickPerformer(QChar mode, Run run)
{
    m_vysledek1->setRequest(mode, std::move(run));
    m_vysledek1->ukazat();
}

void SearchWindows::pickTitle(QChar mode, QChar variant, Run run)
{
    m_vysledek2->setVariant(variant);
    m_vysledek2->setRequest(mode, std::move(run));
    m_vysledek2->ukazat();
}

TZpravaDialog* SearchWindows::zpravaDialog()
{
    if (m_shared)
        return m_shared();
    if (!m_zprava)
        m_zprava = std::make_unique<TZpravaDialog>(m_sluzby);
    return m_zprava.get();
}

void SearchWindows::showFailure(const Status& status)
{
    zpravaDialog()->ukazat(status);
}
