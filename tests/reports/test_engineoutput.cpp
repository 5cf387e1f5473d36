// A long list in its preview: pages are laid out as they are shown.
#include "ReportEngine.h"
#include "TNahledSestavy.h"

#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace report;

namespace {

// A list that counts how often a row's title is read.
class CountedRows final : public DataSet
{
public:
    explicit CountedRows(int count) : m_count(count) {}
    int rowCount() const override { return m_count; }
    QString text(int row, const QString&) const override
    {
        ++reads;
        return QStringLiteral("Nosič %1").arg(row);
    }
    mutable int reads = 0;

private:
    int m_count;
};

// 40 rows of 6 mm on a page under a 20 mm header and over a 15 mm footer.
ReportLayout rowsOnly()
{
    Element row;
    row.name = QStringLiteral("Row");
    row.kind = ElementKind::Field;
    row.text = QStringLiteral("NAZEV");
    row.box = QRectF(5, 0, 100, 5);
    row.font = {QStringLiteral("Arial"), 10, false, false};
    ReportLayout layout;
    layout.bands = {{BandKind::PageHeader, 20, {}, {}},
                    {BandKind::Detail, 6, {row}, {}},
                    {BandKind::PageFooter, 15, {}, {}}};
    return layout;
}

constexpr int kRows = 20000;
constexpr int kRowsPerPage = 40;

} // namespace

class TestEngineOutput : public QObject
{
    Q_OBJECT

private slots:
    void previewLaysOutOnlyThePagesShown();
    void printStoppedMidwayLeavesNoFile();
};

void TestEngineOutput::previewLaysOutOnlyThePagesShown()
{
    CountedRows data(kRows);
    ReportEngine engine(rowsOnly());
    engine.setDataSet(&data);
    auto report = engine.prepare();
    QVERIFY(report);
    QCOMPARE(data.reads, 0);
    QTemporaryDir dir;
    auto* preview =
        new TNahledSestavy(std::move(*report), nullptr, dir.filePath("Fonarium2000.ini"));
    preview->show();
    QCOMPARE(preview->pageCount(), kRows / kRowsPerPage);
    QCOMPARE(preview->findChild<QLabel*>("CisloStrany")->text().simplified(),
             QStringLiteral("Strana 1 z 500"));
    QCOMPARE(data.reads, kRowsPerPage);

    preview->findChild<QToolButton*>("PosledniStrana")->click();
    QCOMPARE(preview->pageIndex(), 499);
    QCOMPARE(data.reads, 2 * kRowsPerPage);
    QVERIFY(!preview->findChild<QToolButton*>("DalsiStrana")->isEnabled());
    preview->close();
}

// The user stops a long print in its progress window: no half-written file
// is left to be taken for the whole list, and no failure is claimed.
void TestEngineOutput::printStoppedMidwayLeavesNoFile()
{
    CountedRows data(kRows);
    ReportEngine engine(rowsOnly());
    engine.setDataSet(&data);
    const auto report = engine.prepare();
    QVERIFY(report);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("seznam.pdf");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QWidget window;
    QTimer::singleShot(0, &window, [&window] {
        if (auto* progress = window.findChild<QProgressDialog*>("TiskPrubeh"))
            progress->cancel();
    });
    QCOMPARE(printReport(*report, printer, dir.filePath("Fonarium2000.ini"), &window),
             PrintResult::Stopped);
    QVERIFY(data.reads < kRows);
    QVERIFY(!QFile::exists(pdf));
}

QTEST_MAIN(TestEngineOutput)
#include "test_engineoutput.moc"
