#include "TAbecedaDialog.h"

#include "CarrierTables.h"
#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "KindChoice.h"
#include "ProgramFolder.h"
#include "ReportCopies.h"
#include "ReportOutput.h"
#include "TDataModule1.h"
#include "TTable.h"
#include "TTiskAbeceda1Dialog.h"
#include "TTiskAbecedaDialog.h"

#include <QLabel>
#include <QPointer>

const QString TAbecedaDialog::kList = QStringLiteral("Abecední seznam nosičů");
const QString TAbecedaDialog::kSelected = QStringLiteral("Vybraný nosič");

namespace {
const QString kFailure = QStringLiteral("Sestavu se nepodařilo vytisknout.");

ListChoice choiceOf(const KindChoice& kinds)
{
    return {kinds.item(), kinds.genreItem()};
}
} // namespace

TAbecedaDialog::TAbecedaDialog(HlavniSluzby& sluzby, ReportOutput& output, QWidget* parent)
    : TSestavyBublina(
          sluzby, QStringLiteral("SBO1"), {kList},
          {{"OfficeLabel1", "Zkrácený seznam",
            "Použije sestavu pro zkrácený abecední seznam nosičů"},
           {"OfficeLabel3", "Úplný seznam", "Použije sestavu pro úplný abecední seznam nosičů"}},
          parent),
      m_output(output), m_list(std::make_unique<TTiskAbecedaDialog>()),
      m_selected(std::make_unique<TTiskAbeceda1Dialog>())
{
    setObjectName(QStringLiteral("AbecedaDialog"));
    setWindowTitle(kList);
    setHint(this, QStringLiteral("Výběr tiskové sestavy"));
    // Whichever way a report ends, the database windows show their carriers
    // by number again; the list also puts back the ticked kind's filter, as the
    // selected carrier read nothing but its copy.
    for (auto [engine, filter] :
         {std::pair{&m_list->engine(), true}, std::pair{&m_selected->engine(), false}}) {
        engine->hooks().afterPrint = [this, filter] { restoreTables(filter); };
        engine->hooks().afterPreview = [this, filter] { restoreTables(filter); };
    }
}

TAbecedaDialog::~TAbecedaDialog() = default;

QString TAbecedaDialog::heading() const
{
    return headingLine(0)->text();
}

void TAbecedaDialog::open(const SestavaRequest& request, const QPoint& at)
{
    m_request = request;
    headingLine(0)->setText(request.heading == kSelected ? kSelected : kList);
    setWindowTitle(heading());
    showAt(at);
    setFocus();
}

void TAbecedaDialog::choose(const QString& name)
{
    const bool full = name == QLatin1String("OfficeLabel3");
    hide();
    emit reportStarted();
    if (heading() == kSelected)
        pickTitle(full);
    else
        runList(full);
}

void TAbecedaDialog::runList(bool full)
{
    TTable* table = sluzby().dataModule()->slotTable(m_request.slot.toInt());
    if (!table)
        return;
    const Status loaded =
        m_list->load(table->filePath(), choiceOf(sluzby().kindChoice()),
                     full ? TTiskAbecedaDialog::Variant::Full : TTiskAbecedaDialog::Variant::Short,
                     table->locale());
    if (!loaded) {
        sluzby().reportError(loaded);
        return;
    }
    m_output.runReport(m_list->engine(), m_request.mode, kFailure);
}

void TAbecedaDialog::pickTitle(bool full)
{
    if (!m_copies || !m_copies->rebuildForReport(m_request.slot.toInt(), ReportCopies::Copy::Full))
        return;
    const QChar mode = m_request.mode;
    QPointer<TAbecedaDialog> self(this);
    m_copies->pickTitle(mode, full ? QLatin1Char('2') : QLatin1Char('1'),
                        [self, full, mode](const QString& title) {
                            if (self)
                                self->runSelected(title, full, mode);
                        });
}

void TAbecedaDialog::runSelected(const QString& title, bool full, QChar mode)
{
    const ProgramFolder& folder = sluzby().programFolder();
    const QString copy = ProgramFolder::findFile(folder.dataFolder(), QStringLiteral("AudioI.dbf"));
    TTable* table = sluzby().dataModule()->slotTable(m_request.slot.toInt());
    const Status loaded = m_selected->load(copy, choiceOf(sluzby().kindChoice()), title,
                                           full ? TTiskAbeceda1Dialog::Variant::Full
                                                : TTiskAbeceda1Dialog::Variant::Short,
                                           table ? table->locale() : QLocale());
    if (!loaded) {
        sluzby().reportError(loaded);
        return;
    }
    m_output.runReport(m_selected->engine(), mode, kFailure);
}

void TAbecedaDialog::restoreTables(bool kindFilter)
{
    if (Status s = lists::restoreCarrierTables(*sluzby().dataModule(), sluzby().kindChoice().item(),
                                               kindFilter);
        !s)
        sluzby().reportError(s);
}
