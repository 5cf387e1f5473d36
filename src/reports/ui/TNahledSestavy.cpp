#include "TNahledSestavy.h"

#include "FileChooser.h"
#include "PrinterOffset.h"
#include "ReportPainter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPageSize>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kZooms[] = {50, 75, 100, 150, 200};
constexpr int kDefaultZoom = 75;
constexpr qreal kScreenDpi = 96;

void prepare(QPrinter& printer, const report::PagedReport& report)
{
    // Never scaled: the paper's corner is the origin and a millimetre stays one.
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(report.orientation());
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

// A stopped print to a file would leave its first pages there as if it were
// the whole report.
void discardStoppedPrint(QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        QFile::remove(printer.outputFileName());
}
} // namespace

PrintResult printReport(const report::PagedReport& report, QPrinter& printer,
                        const QString& programIni, QWidget* parent)
{
    prepare(printer, report);
    const QPointF offset = PrinterOffset::read(programIni, printer.printerName());
    if (report.pageCount() <= 1)
        return report::ReportPainter::paint(printer, report, offset) ? PrintResult::Printed
                                                                     : PrintResult::Failed;
    QProgressDialog progress(QStringLiteral("Tisk sestavy..."), QStringLiteral("Storno"), 0,
                             report.pageCount(), parent);
    progress.setObjectName(QStringLiteral("TiskPrubeh"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    bool stopped = false;
    const bool printed = report::ReportPainter::paint(printer, report, offset, 0, 0, [&](int page) {
        progress.setValue(page);
        if (progress.wasCanceled() && !stopped) {
            stopped = true;
            // A printer that can still drop the job does not print its first pages.
            printer.abort();
        }
        return !stopped;
    });
    if (stopped) {
        discardStoppedPrint(printer);
        return PrintResult::Stopped;
    }
    return printed ? PrintResult::Printed : PrintResult::Failed;
}

PrintResult printReport(const report::LaidOutReport& report, QPrinter& printer,
                        const QString& programIni, QWidget* parent)
{
    return printReport(report::PagedReport(report), printer, programIni, parent);
}

TNahledSestavy::TNahledSestavy(report::LaidOutReport report, QPrinter* printer, QString programIni,
                               QWidget* parent)
    : TNahledSestavy(report::PagedReport(std::move(report)), printer, std::move(programIni), parent)
{
}

TNahledSestavy::TNahledSestavy(report::PagedReport report, QPrinter* printer, QString programIni,
                               QWidget* parent)
    : QDialog(parent), m_report(std::move(report)), m_printer(printer),
      m_programIni(std::move(programIni))
{
    setObjectName(QStringLiteral("NahledSestavy"));
    setWindowTitle(QStringLiteral("Náhled"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    createToolBar();
    m_area = new QScrollArea(this);
    m_area->setObjectName(QStringLiteral("Stranka"));
    m_area->setAlignment(Qt::AlignCenter);
    m_area->setBackgroundRole(QPalette::Dark);
    m_picture = new QLabel(m_area);
    m_area->setWidget(m_picture);
    layout->addWidget(m_area);
    resize(900, 700);
    showPage(0);
}

QToolButton* TNahledSestavy::addButton(const QString& name, const QString& text,
                                       const QString& hint)
{
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    m_buttons.insert(name, button);
    return button;
}

void TNahledSestavy::createToolBar()
{
    auto* bar = new QToolBar(this);
    static_cast<QVBoxLayout*>(this->layout())->addWidget(bar);
    const auto step = [this](const QString& name, const QString& text, const QString& hint,
                             auto target) {
        QToolButton* button = addButton(name, text, hint);
        connect(button, &QToolButton::clicked, this, [this, target] { showPage(target(m_page)); });
        return button;
    };
    bar->addWidget(step("PrvniStrana", "|<", "První stránka", [](int) { return 0; }));
    bar->addWidget(step("PredchoziStrana", "<", "Předchozí stránka", [](int p) { return p - 1; }));
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("CisloStrany"));
    bar->addWidget(m_pageLabel);
    bar->addWidget(step("DalsiStrana", ">", "Další stránka", [](int p) { return p + 1; }));
    bar->addWidget(
        step("PosledniStrana", ">|", "Poslední stránka", [this](int) { return pageCount() - 1; }));
    bar->addSeparator();
    m_zoom = new QComboBox(this);
    m_zoom->setObjectName(QStringLiteral("Zvetseni"));
    for (int zoom : kZooms)
        m_zoom->addItem(QStringLiteral("%1 %").arg(zoom), zoom);
    m_zoom->setCurrentIndex(m_zoom->findData(kDefaultZoom));
    connect(m_zoom, &QComboBox::currentIndexChanged, this, [this] { render(); });
    bar->addWidget(m_zoom);
    bar->addSeparator();
    QToolButton* print = addButton("Tisk", "Tisk", "Vytiskne sestavu na vybrané tiskárně");
    connect(print, &QToolButton::clicked, this, [this] { this->print(); });
    bar->addWidget(print);
    QToolButton* pdf = addButton("UlozitPdf", "Uložit jako PDF", "Uloží sestavu do souboru PDF");
    connect(pdf, &QToolButton::clicked, this, [this] { saveAsPdf(); });
    bar->addWidget(pdf);
    QToolButton* offset = addButton("PosunTiskarny", "Posun tiskárny...",
                                    "Posune tisk na této tiskárně o zadaný počet milimetrů");
    connect(offset, &QToolButton::clicked, this, &TNahledSestavy::editOffset);
    bar->addWidget(offset);
    bar->addSeparator();
    QToolButton* close = addButton("Zavrit", "Zavřít", "Zavře náhled");
    connect(close, &QToolButton::clicked, this, &QDialog::accept);
    bar->addWidget(close);
}

int TNahledSestavy::zoomPercent() const
{
    return m_zoom->currentData().toInt();
}

void TNahledSestavy::setZoomPercent(int percent)
{
    if (const int index = m_zoom->findData(percent); index >= 0)
        m_zoom->setCurrentIndex(index);
}

void TNahledSestavy::showPage(int index)
{
    m_page = std::clamp(index, 0, std::max(0, pageCount() - 1));
    render();
}

void TNahledSestavy::render()
{
    const qreal dpi = kScreenDpi * zoomPercent() / 100.0 * devicePixelRatioF();
    m_shown = report::ReportPainter::renderPage(m_report, m_page, dpi);
    QPixmap pixmap = QPixmap::fromImage(m_shown);
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    m_picture->setPixmap(pixmap);
    m_picture->resize(pixmap.deviceIndependentSize().toSize());
    updateNavigation();
}

void TNahledSestavy::updateNavigation()
{
    m_pageLabel->setText(QStringLiteral(" Strana %1 z %2 ").arg(m_page + 1).arg(pageCount()));
    m_buttons.value("PrvniStrana")->setEnabled(m_page > 0);
    m_buttons.value("PredchoziStrana")->setEnabled(m_page > 0);
    m_buttons.value("DalsiStrana")->setEnabled(m_page + 1 < pageCount());
    m_buttons.value("PosledniStrana")->setEnabled(m_page + 1 < pageCount());
    m_buttons.value("Tisk")->setEnabled(m_printer != nullptr);
}

bool TNahledSestavy::print()
{
    if (!m_printer)
        return false;
    const PrintResult result = printReport(m_report, *m_printer, m_programIni, this);
    if (result == PrintResult::Stopped)
        return false;
    if (result == PrintResult::Failed) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Sestavu se nepodařilo vytisknout na tiskárně „%1“.")
                                 .arg(m_printer->printerName()));
        return false;
    }
    emit printed();
    return true;
}

bool TNahledSestavy::saveAsPdf()
{
    QString path = FileChooser::save(this, QStringLiteral("Uložit jako PDF"),
                                     QStringLiteral("Dokument PDF (*.pdf)"), QString());
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    // A long list takes seconds to write; it shows how far it got and can be
    // stopped, leaving no half-written file behind.
    QProgressDialog progress(QStringLiteral("Ukládání sestavy..."), QStringLiteral("Storno"), 0,
                             pageCount(), this);
    progress.setObjectName(QStringLiteral("UlozeniPrubeh"));
    progress.setWindowModality(Qt::WindowModal);
    bool stopped = false;
    const bool written =
        report::ReportPainter::writePdf(m_report, path, {}, [&progress, &stopped](int page) {
            progress.setValue(page);
            stopped = progress.wasCanceled();
            return !stopped;
        });
    if (stopped) {
        QFile::remove(path);
        return false;
    }
    if (!written) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Soubor „%1“ se nepodařilo uložit.").arg(path));
        return false;
    }
    return true;
}

void TNahledSestavy::editOffset()
{
    const QString printer = m_printer ? m_printer->printerName() : QString();
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("PosunDialog"));
    dialog.setWindowTitle(QStringLiteral("Posun tisku"));
    auto* form = new QFormLayout(&dialog);
    const QPointF now = PrinterOffset::read(m_programIni, printer);
    auto spin = [&](const QString& name, qreal value) {
        auto* box = new QDoubleSpinBox(&dialog);
        box->setObjectName(name);
        box->setRange(-30, 30);
        box->setDecimals(1);
        box->setSingleStep(0.5);
        box->setSuffix(QStringLiteral(" mm"));
        box->setValue(value);
        return box;
    };
    QDoubleSpinBox* x = spin(QStringLiteral("PosunX"), now.x());
    QDoubleSpinBox* y = spin(QStringLiteral("PosunY"), now.y());
    form->addRow(QStringLiteral("Tiskárna:"),
                 new QLabel(printer.isEmpty() ? QStringLiteral("výchozí") : printer, &dialog));
    form->addRow(QStringLiteral("Doprava:"), x);
    form->addRow(QStringLiteral("Dolů:"), y);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Storno"));
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (Status s = PrinterOffset::write(m_programIni, printer, QPointF(x->value(), y->value())); !s)
        QMessageBox::warning(this, windowTitle(), s.message());
}

void TNahledSestavy::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(m_page + 1);
        return;
    case Qt::Key_PageUp:
        showPage(m_page - 1);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
