#pragma once

#include "ReportEngine.h"

#include <QDialog>
#include <QPointer>

#include <functional>

class QComboBox;
class QLabel;
class QPrinter;
class QScrollArea;
class QToolButton;

// The preview of a report: one page at a time at the chosen zoom, with page
// navigation, printing at 100 % to the chosen printer and saving as PDF.
// A page is laid out and painted only when it is shown, so a long report
// opens at once.
// The window is modal and goes when closed.
class TNahledSestavy final : public QDialog
{
    Q_OBJECT

public:
    // `printer` is the one chosen in the printer set-up (or the system's
    // default); `programIni` keeps the printer's offset.
    TNahledSestavy(report::PagedReport report, QPrinter* printer, QString programIni,
                   QWidget* parent = nullptr);
    TNahledSestavy(report::LaidOutReport report, QPrinter* printer, QString programIni,
                   QWidget* parent = nullptr);

    int pageIndex() const { return m_page; }
    int pageCount() const { return m_report.pageCount(); }
    int zoomPercent() const;
    const QImage& shownPage() const { return m_shown; }

    void showPage(int index);
    void setZoomPercent(int percent);

    // Prints every page; false when the printer refused or the user stopped it.
    bool print();
    // Asks for a file name and saves the report there; false when it was not
    // written or the user stopped it.
    bool saveAsPdf();
    // The small dialog that sets this printer's offset.
    void editOffset();

signals:
    void printed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createToolBar();
    QToolButton* addButton(const QString& name, const QString& text, const QString& hint);
    void render();
    void updateNavigation();

    report::PagedReport m_report;
    QPrinter* m_printer = nullptr; // the main window's, which outlives the preview
    QString m_programIni;
    int m_page = 0;
    QImage m_shown;
    QScrollArea* m_area = nullptr;
    QLabel* m_picture = nullptr;
    QLabel* m_pageLabel = nullptr;
    QComboBox* m_zoom = nullptr;
    QHash<QString, QToolButton*> m_buttons;
};

enum class PrintResult
{
    Printed,
    Stopped, // by the user, who needs no message about it
    Failed,
};

// Prints a laid-out report at 100 % on `printer`, moved by the printer's
// offset; a report of several pages shows its progress and can be stopped
// there, which leaves no half-printed PDF file behind.
PrintResult printReport(const report::PagedReport& report, QPrinter& printer,
                        const QString& programIni, QWidget* parent);
PrintResult printReport(const report::LaidOutReport& report, QPrinter& printer,
                        const QString& programIni, QWidget* parent);
