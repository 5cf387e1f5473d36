#include "ReportOutput.h"

#include "HlavniSluzby.h"
#include "ProgramFolder.h"
#include "TDataModule1.h"
#include "TNahledSestavy.h"
#include "TPopiskaReport.h"

#include <QPrinter>

ReportOutput::ReportOutput(HlavniSluzby& sluzby, QWidget* window, PrinterSource printer,
                           QObject* parent)
    : QObject(parent), m_sluzby(sluzby), m_window(window), m_printer(std::move(printer))
{
}

void ReportOutput::runLabel(TPopiskaReport& label, int slot, QChar mode)
{
    label.bind(QStringLiteral("Table%1").arg(slot), m_sluzby.dataModule()->slotTable(slot));
    auto report = label.prepare();
    if (!report) {
        showError(label.lastError().message());
        return;
    }
    show(report::PagedReport(std::move(*report)), label.engine(), mode,
         QStringLiteral("Popisku se nepodařilo vytisknout."));
}

void ReportOutput::runReport(report::ReportEngine& engine, QChar mode, const QString& failure)
{
    // Only where pages begin is found now; each page is laid out when it is
    // shown or printed, so a long list opens at once.
    auto report = engine.prepare();
    if (!report)
        return;
    show(std::move(*report), engine, mode, failure);
}

void ReportOutput::show(report::PagedReport report, report::ReportEngine& engine, QChar mode,
                        const QString& failure)
{
    QPrinter* printer = m_printer ? m_printer() : nullptr;
    const QString ini = m_sluzby.programFolder().programIniPath();
    if (mode == QLatin1Char('T')) {
        if (!printer || printReport(report, *printer, ini, m_window) == PrintResult::Failed) {
            showError(failure);
            return;
        }
        // Stopped by the user or not, the run is over.
        engine.printed();
        return;
    }
    auto* preview = new TNahledSestavy(std::move(report), printer, ini, m_window);
    report::ReportEngine* run = &engine;
    connect(preview, &TNahledSestavy::printed, this, [run] { run->printed(); });
    connect(preview, &QDialog::finished, this, [run] { run->previewed(); });
    m_preview = preview;
    preview->show();
    emit previewOpened(preview);
}

// Like every refused command: in the program's message balloon.
void ReportOutput::showError(const QString& message)
{
    emit failed(message);
    m_sluzby.reportError(Status::error(message));
}
