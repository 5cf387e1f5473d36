#include "TInterpretDialog.h"

#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "KindChoice.h"
#include "ProgramFolder.h"
#include "ReportCopies.h"
#include "ReportOutput.h"
#include "TDataModule1.h"
#include "TTable.h"
#include "TTiskInterpretDialog.h"

#include <QPointer>

TInterpretDialog::TInterpretDialog(HlavniSluzby& sluzby, ReportOutput& output, QWidget* parent)
    : TSestavyBublina(
          sluzby, QStringLiteral("SBO1"), {QStringLiteral("Abecední seznam interpretů")},
          {{"OfficeLabel1", "Všichni interpreti", "Použije sestavu pro seznam všech interpretů"},
           {"OfficeLabel3", "Vybraný interpret",
            "Použije sestavu pro seznam vybraného interpreta"}},
          parent),
      m_output(output), m_report(std::make_unique<TTiskInterpretDialog>())
{
    setObjectName(QStringLiteral("InterpretDialog"));
    setWindowTitle(QStringLiteral("Abecední seznam interpretů"));
    setHint(this, QStringLiteral("Výběr tiskové sestavy"));
}

TInterpretDialog::~TInterpretDialog() = default;

void TInterpretDialog::open(const SestavaRequest& request, const QPoint& at)
{
    m_request = request;
    showAt(at);
    setFocus();
}

void TInterpretDialog::choose(const QString& name)
{
    const bool all = name == QLatin1String("OfficeLabel1");
    hide();
    emit reportStarted();
    const QChar mode = m_request.mode;
    const auto copy = all ? ReportCopies::Copy::Titles : ReportCopies::Copy::Performers;
    if (!m_copies || !m_copies->rebuildForReport(m_request.slot.toInt(), copy))
        return;
    if (all) {
        run(std::nullopt, mode);
        return;
    }
    QPointer<TInterpretDialog> self(this);
    m_copies->pickPerformer(mode, [self, mode](const QString& performer) {
        if (self)
            self->run(performer, mode);
    });
}

void TInterpretDialog::run(const std::optional<QString>& performer, QChar mode)
{
    const ProgramFolder& folder = sluzby().programFolder();
    const QString copy = ProgramFolder::findFile(folder.dataFolder(), QStringLiteral("AudioI.dbf"));
    TTable* table = sluzby().dataModule()->slotTable(m_request.slot.toInt());
    const ListChoice choice{sluzby().kindChoice().item(), sluzby().kindChoice().genreItem()};
    const Status loaded =
        m_report->load(copy, choice, performer, table ? table->locale() : QLocale());
    if (!loaded) {
        sluzby().reportError(loaded);
        return;
    }
    m_output.runReport(m_report->engine(), mode,
                       QStringLiteral("Sestavu se nepodařilo vytisknout."));
}
