#pragma once

#include "TNahledSestavy.h"

#include <QObject>
#include <QPointer>

#include <functional>

class HlavniSluzby;
class QPrinter;
class QWidget;

class TPopiskaReport;

// Runs a label the way the user asked for it: bound to the carrier table of
// the slot, then previewed ('N') or printed straight away ('T') on the
// printer chosen in the printer set-up. A label that cannot be produced
// (its picture is missing or unreadable) is told in a message naming the file.
class ReportOutput final : public QObject
{
    Q_OBJECT

public:
    using PrinterSource = std::function<QPrinter*()>;

    ReportOutput(HlavniSluzby& sluzby, QWidget* window, PrinterSource printer,
                 QObject* parent = nullptr);

    void runLabel(TPopiskaReport& label, int slot, QChar mode);

    // Previews ('N') or prints ('T') what `engine` lays out with its data as
    // bound; its after-preview or after-print hook runs when that is done.
    // `failure` is told when the printer refuses.
    void runReport(report::ReportEngine& engine, QChar mode, const QString& failure);

    // The preview on the screen, or null.
    TNahledSestavy* preview() const { return m_preview; }

signals:
    void previewOpened(TNahledSestavy* preview);
    void failed(const QString& message);

private:
    void show(report::PagedReport report, report::ReportEngine& engine, QChar mode,
              const QString& failure);
    void showError(const QString& message);

    HlavniSluzby& m_sluzby;
    QPointer<QWidget> m_window;
    PrinterSource m_printer;
    QPointer<TNahledSestavy> m_preview;
};
