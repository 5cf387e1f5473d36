#include "PdfText.h"
#include "ReportEngine.h"
#include "ReportPainter.h"

#include <QTemporaryDir>
#include <QTest>

using namespace report;

namespace {

class Rows final : public DataSet
{
public:
    explicit Rows(QList<QStringList> rows) : m_rows(std::move(rows)) {}
    int rowCount() const override { return int(m_rows.size()); }
    QString text(int row, const QString& field) const override
    {
        return m_rows.at(row).value(field == QLatin1String("GROUP") ? 0 : 1);
    }

private:
    QList<QStringList> m_rows;
};

Element textElement(const QString& name, const QString& text, QRectF box,
                    ElementKind kind = ElementKind::Text)
{
    Element e;
    e.name = name;
    e.kind = kind;
    e.text = text;
    e.box = box;
    e.font = {QStringLiteral("Arial"), 10, false, false};
    return e;
}

// A list: 20 mm header, 15 mm footer, 10 mm detail rows, 12 mm group headers.
ReportLayout listLayout()
{
    ReportLayout layout;
    layout.bands = {
        {BandKind::PageHeader, 20, {textElement("Head", "Seznam", {0, 0, 100, 8})}, {}},
        {BandKind::GroupHeader,
         12,
         {textElement("Group", "GROUP", {0, 2, 100, 8}, ElementKind::Field)},
         "GROUP"},
        {BandKind::Detail,
         10,
         {textElement("Row", "NAZEV", {5, 1, 100, 8}, ElementKind::Field)},
         {}},
        {BandKind::PageFooter,
         15,
         {textElement("Page", {}, {0, 2, 20, 8}, ElementKind::PageNumber),
          textElement("Today", {}, {150, 2, 40, 8}, ElementKind::Date)},
         {}},
    };
    return layout;
}

QList<QStringList> rows(int count, int perGroup)
{
    QList<QStringList> list;
    for (int i = 0; i < count; ++i)
        list.append({QStringLiteral("G%1").arg(i / perGroup), QStringLiteral("Row %1").arg(i)});
    return list;
}

} // namespace

class TestReportEngine : public QObject
{
    Q_OBJECT

private slots:
    void pagesOfAList_data();
    void pagesOfAList();
    void pageFooterStandsAtThePageFoot();
    void elementOffItsBandDoesNotPrint();
    void fixedBoxesCutGrowingBoxesGrow();
    void hooksRunAroundARun();
    void labelWithoutDataSetPrintsOnce();
    void pdfTextStandsInItsBox();
};

void TestReportEngine::pagesOfAList_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("perGroup");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("groups");

    // Usable height 297 - 20 margins - 20 header - 15 footer = 242 mm.
    QTest::newRow("no records") << 0 << 1 << 1 << 0;
    QTest::newRow("one record") << 1 << 1 << 1 << 1;
    // One group header (12) and 23 rows fill it exactly.
    QTest::newRow("one group fills a page") << 23 << 100 << 1 << 1;
    QTest::newRow("one more row spills") << 24 << 100 << 2 << 1;
    QTest::newRow("groups of ten") << 40 << 10 << 2 << 4;
}

void TestReportEngine::pagesOfAList()
{
    QFETCH(int, records);
    QFETCH(int, perGroup);
    QFETCH(int, pages);
    QFETCH(int, groups);

    const Rows data(rows(records, perGroup));
    ReportEngine engine(listLayout());
    engine.setDataSet(&data);
    engine.setToday(QDate(2026, 12, 10));
    const auto report = engine.run();
    QVERIFY(report);
    QCOMPARE(report->pages.size(), pages);

    int rowsPlaced = 0;
    int groupsPlaced = 0;
    for (const Page& page : report->pages) {
        QCOMPARE(page.findAll("Head").size(), 1);
        QCOMPARE(page.findAll("Page").size(), 1);
        QCOMPARE(page.find("Page")->text, QString::number(page.number));
        QCOMPARE(page.find("Today")->text,
                 QLocale().toString(QDate(2026, 12, 10), QLocale::ShortFormat));
        for (const PlacedElement* row : page.findAll("Row")) {
            QCOMPARE(row->text, QStringLiteral("Row %1").arg(rowsPlaced++));
            // Nothing runs into the footer.
            QVERIFY(row->box.bottom() <= 297 - 10 - 15 + 1e-6);
        }
        groupsPlaced += int(page.findAll("Group").size());
    }
    QCOMPARE(rowsPlaced, records);
    QCOMPARE(groupsPlaced, groups);
}

void TestReportEngine::pageFooterStandsAtThePageFoot()
{
    ReportLayout layout = listLayout();
    layout.orientation = QPageLayout::Landscape;
    layout.margins = QMarginsF(12, 8, 12, 5);
    const Rows data(rows(3, 1));
    ReportEngine engine(layout);
    engine.setDataSet(&data);
    const auto report = engine.run();
    QVERIFY(report);
    const Page& page = report->pages.first();
    QCOMPARE(page.find("Head")->box, QRectF(12, 8, 100, 8));
    // 210 - 5 margin - 15 footer = 190; the element is 2 mm into the band.
    QCOMPARE(page.find("Page")->box, QRectF(12, 192, 20, 8));
    // Rows follow the header and the group headers: 8 + 20 + 12 + 1.
    QCOMPARE(page.findAll("Row").first()->box.top(), 41.0);
}

void TestReportEngine::elementOffItsBandDoesNotPrint()
{
    ReportLayout layout = listLayout();
    layout.element("Row")->box.moveLeft(-1000);
    ReportEngine engine(layout);
    const Rows data(rows(2, 1));
    engine.setDataSet(&data);
    const auto report = engine.run();
    QVERIFY(report);
    QVERIFY(report->pages.first().findAll("Row").isEmpty());
    QCOMPARE(report->pages.first().findAll("Group").size(), 2);
}

void TestReportEngine::fixedBoxesCutGrowingBoxesGrow()
{
    const QString longText = QString("Velmi dlouhý text ").repeated(12);
    ReportLayout layout;
    Element fixed = textElement("Fixed", longText, {0, 0, 30, 5});
    Element growing = textElement("Growing", longText, {40, 0, 30, 5});
    growing.grows = true;
    Element after = textElement("After", "x", {0, 0, 10, 5});
    // One and a half lines high: the second line does not print at all.
    Element field = textElement("Field", "NAZEV", {80, 0, 30, 12}, ElementKind::Field);
    field.source = QStringLiteral("Table1");
    field.font.pointSize = 20;
    layout.bands = {{BandKind::Detail, 13, {fixed, growing, field}, {}},
                    {BandKind::PageFooter, 6, {after}, {}}};
    ReportEngine engine(layout);
    engine.bind(QStringLiteral("Table1"), [&longText](const QString&) { return longText; });
    const auto report = engine.run();
    QVERIFY(report);
    const Page& page = report->pages.first();
    QCOMPARE(page.find("Fixed")->box.size(), QSizeF(30, 5));
    const qreal needed = ReportEngine::textHeight(fixed.font, 30, longText);
    QVERIFY2(needed > 20, qPrintable(QString::number(needed)));
    QCOMPARE(page.find("Growing")->box.height(), needed);

    // Painted, the cut text leaves the paper below its box white.
    const QImage image = ReportPainter::renderPage(*report, 0, 150);
    const qreal dotsPerMm = 150 / 25.4;
    auto inked = [&](QRectF mm) {
        const QRect area(QRectF(mm.topLeft() * dotsPerMm, mm.size() * dotsPerMm).toRect());
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    return true;
        return false;
    };
    QVERIFY(inked({10, 10, 30, 5}));
    QVERIFY(!inked({10, 15.5, 30, 10}));
    QVERIFY(inked({50, 15.5, 30, 10}));
    QVERIFY(inked({90, 10, 30, 8}));
    QVERIFY(!inked({90, 18.3, 30, 3.5}));
}

void TestReportEngine::hooksRunAroundARun()
{
    QStringList calls;
    bool allow = false;
    ReportEngine engine(listLayout());
    engine.hooks().beforePrint = [&] {
        calls << "before";
        return allow;
    };
    engine.hooks().afterPrint = [&] { calls << "printed"; };
    engine.hooks().afterPreview = [&] { calls << "previewed"; };
    QVERIFY(!engine.run());
    allow = true;
    QVERIFY(engine.run());
    engine.printed();
    engine.previewed();
    QCOMPARE(calls, QStringList({"before", "before", "printed", "previewed"}));
}

void TestReportEngine::labelWithoutDataSetPrintsOnce()
{
    ReportLayout layout;
    layout.bands = {{BandKind::Detail,
                     50,
                     {textElement("Bound", "NAZEV", {0, 0, 50, 5}, ElementKind::Field),
                      textElement("Unbound", "NAZEV", {0, 10, 50, 5}, ElementKind::Field)},
                     {}}};
    layout.bands[0].elements[0].source = "Table3";
    ReportEngine engine(layout);
    engine.bind("Table3", [](const QString& field) { return field + " of slot 3"; });
    const auto report = engine.run();
    QVERIFY(report);
    QCOMPARE(report->pages.size(), 1);
    QCOMPARE(report->pages.first().find("Bound")->text, QStringLiteral("NAZEV of slot 3"));
    QCOMPARE(report->pages.first().find("Unbound")->text, QString());
}

// The painting puts text where the layout says, measured from the PDF.
void TestReportEngine::pdfTextStandsInItsBox()
{
    if (!PdfText::available())
        QSKIP("pdftotext (poppler-utils) is not installed");
    ReportLayout layout;
    layout.orientation = QPageLayout::Landscape;
    Element word = textElement("Word", "Kazeta", {30, 40, 60, 10});
    word.font = {QStringLiteral("Times New Roman"), 20, true, false};
    layout.bands = {{BandKind::Detail, 100, {word}, {}}};
    ReportEngine engine(layout);
    const auto report = engine.run();
    QVERIFY(report);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    QVERIFY(ReportPainter::writePdf(*report, pdf, QPointF(2, 1)));

    const PdfText text = PdfText::read(pdf);
    QVERIFY(qAbs(text.pageSize.width() - 297) < 0.5);
    const QRectF found = text.box("Kazeta");
    QVERIFY(!found.isNull());
    // Offset (2, 1) plus the margins (10, 10) plus the box.
    QVERIFY2(qAbs(found.left() - 42) < 0.5, qPrintable(QString::number(found.left())));
    QVERIFY2(qAbs(found.top() - 51) < 0.5, qPrintable(QString::number(found.top())));
}

QTEST_MAIN(TestReportEngine)
#include "test_reportengine.moc"
