// Reports laid out a page at a time, as the preview and the printing of a
// long list use them: every page as a full run lays it out, whatever the
// order pages are asked in.
#include "PdfText.h"
#include "ReportEngine.h"
#include "ReportPainter.h"

#include <QTemporaryDir>
#include <QTest>

using namespace report;

namespace {

// Rows of a group and a title; the group changes every `perGroup` rows.
class Groups final : public DataSet
{
public:
    Groups(int count, int perGroup) : m_count(count), m_perGroup(perGroup) {}
    int rowCount() const override { return m_count; }
    QString text(int row, const QString& field) const override
    {
        if (field == QLatin1String("GROUP"))
            return QStringLiteral("Skupina %1").arg(row / m_perGroup);
        if (field == QLatin1String("NOTE"))
            return row % 3 == 0 ? QStringLiteral("dlouhá poznámka ").repeated(row % 12) : QString();
        return QStringLiteral("Nosič %1").arg(row);
    }

private:
    int m_count;
    int m_perGroup;
};

Element element(const QString& name, ElementKind kind, const QString& text, QRectF box)
{
    Element e;
    e.name = name;
    e.kind = kind;
    e.text = text;
    e.box = box;
    e.font = {QStringLiteral("Arial"), 10, false, false};
    return e;
}

// 20 mm header, 15 mm footer: 242 mm for 12 mm group headers and 10 mm rows.
ReportLayout groupedList(bool growingNote)
{
    Element note = element("Note", ElementKind::Field, "NOTE", {60, 1, 40, 8});
    note.grows = growingNote;
    ReportLayout layout;
    layout.bands = {
        {BandKind::PageHeader,
         20,
         {element("Head", ElementKind::Text, "Seznam", {0, 0, 100, 8})},
         {}},
        {BandKind::GroupHeader,
         12,
         {element("Group", ElementKind::Field, "GROUP", {0, 2, 100, 8})},
         "GROUP"},
        {BandKind::Detail,
         10,
         {element("Row", ElementKind::Field, "NAZEV", {5, 1, 50, 8}), note},
         {}},
        {BandKind::PageFooter,
         15,
         {element("Page", ElementKind::PageNumber, {}, {0, 2, 20, 8}),
          element("Today", ElementKind::Date, {}, {150, 2, 40, 8})},
         {}},
    };
    return layout;
}

void compareElements(const Page& paged, const Page& laidOut)
{
    QCOMPARE(paged.number, laidOut.number);
    QCOMPARE(paged.elements.size(), laidOut.elements.size());
    for (qsizetype i = 0; i < paged.elements.size(); ++i) {
        const PlacedElement& a = paged.elements.at(i);
        const PlacedElement& b = laidOut.elements.at(i);
        QCOMPARE(a.name, b.name);
        QCOMPARE(a.text, b.text);
        QCOMPARE(a.box, b.box);
    }
}

} // namespace

class TestEnginePages : public QObject
{
    Q_OBJECT

private slots:
    void pagesAskedOneByOneMatchARun_data();
    void pagesAskedOneByOneMatchARun();
    void preparedReportKeepsItsLayout();
    void pagedReportPrintsAndStops();
};

void TestEnginePages::pagesAskedOneByOneMatchARun_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("perGroup");
    QTest::addColumn<bool>("growing");
    QTest::addColumn<int>("pages");

    QTest::newRow("nothing qualifies") << 0 << 1 << false << 1;
    QTest::newRow("one group fills a page") << 23 << 100 << false << 1;
    QTest::newRow("one more row spills") << 24 << 100 << false << 2;
    // Groups of two take 32 mm: the eighth header fits at the foot of the
    // first page, its first row does not and opens the second page.
    QTest::newRow("group header at the page foot") << 20 << 2 << false << 2;
    QTest::newRow("long list") << 2000 << 7 << false << -1;
    QTest::newRow("rows grow with their notes") << 300 << 5 << true << -1;
}

void TestEnginePages::pagesAskedOneByOneMatchARun()
{
    QFETCH(int, records);
    QFETCH(int, perGroup);
    QFETCH(bool, growing);
    QFETCH(int, pages);

    const Groups data(records, perGroup);
    ReportEngine engine(groupedList(growing));
    engine.setDataSet(&data);
    engine.setToday(QDate(2026, 12, 10));
    const auto laidOut = engine.run();
    const auto paged = engine.prepare();
    QVERIFY(laidOut && paged);
    if (pages > 0)
        QCOMPARE(laidOut->pages.size(), pages);
    QCOMPARE(paged->pageCount(), laidOut->pages.size());
    QCOMPARE(paged->pageSize(), laidOut->pageSize);

    // Backwards, so that no page leans on the one asked for before it.
    for (int i = paged->pageCount() - 1; i >= 0; --i)
        compareElements(paged->page(i), laidOut->pages.at(i));
    QVERIFY(paged->page(paged->pageCount()).elements.isEmpty());

    if (QTest::currentDataTag() == QByteArray("group header at the page foot")) {
        const Page first = paged->page(0);
        const Page second = paged->page(1);
        QCOMPARE(first.findAll("Group").size(), 8);
        QCOMPARE(first.findAll("Row").size(), 14);
        // The second page goes on with the group begun at the first's foot.
        QVERIFY(second.find("Group") == nullptr ||
                second.findAll("Row").first()->box.top() < second.find("Group")->box.top());
        QCOMPARE(second.findAll("Row").first()->text, QStringLiteral("Nosič 14"));
    }
}

void TestEnginePages::preparedReportKeepsItsLayout()
{
    const Groups data(30, 10);
    ReportEngine engine(groupedList(false));
    engine.setDataSet(&data);
    bool allow = false;
    engine.hooks().beforePrint = [&] {
        // The before-print step moves elements; the report takes them as moved.
        engine.layout().element("Group")->box.moveLeft(-1000);
        return allow;
    };
    QVERIFY(!engine.prepare());
    allow = true;
    const auto report = engine.prepare();
    QVERIFY(report);
    engine.layout().element("Row")->box.moveLeft(-1000);
    engine.setLayout(ReportLayout{});
    const Page page = report->page(0);
    QVERIFY(page.findAll("Group").isEmpty());
    // The group bands still take their room: 12 + 100 + 12 + 100, and the
    // third group's first row no longer fits under its header.
    QCOMPARE(page.findAll("Row").size(), 20);
}

// Printing lays out a page at a time and stops when told to.
void TestEnginePages::pagedReportPrintsAndStops()
{
    const Groups data(100, 100);
    ReportEngine engine(groupedList(false));
    engine.setDataSet(&data);
    const auto report = engine.prepare();
    QVERIFY(report);
    QCOMPARE(report->pageCount(), 5);
    QTemporaryDir dir;
    QList<int> told;
    const auto stopAtThird = [&told](int page) {
        told.append(page);
        return page < 3;
    };
    QVERIFY(!ReportPainter::writePdf(*report, dir.filePath("stopped.pdf"), {}, stopAtThird));
    QCOMPARE(told, QList<int>({1, 2, 3}));

    const QString pdf = dir.filePath("list.pdf");
    QVERIFY(ReportPainter::writePdf(*report, pdf));
    if (!PdfText::available())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const PdfText text = PdfText::read(pdf);
    QList<int> pageOf99;
    for (const PdfText::Word& word : text.words) {
        if (word.text == QLatin1String("99"))
            pageOf99.append(word.page);
    }
    // The last row stands on the last page: 23 rows on the first (under the
    // group header), 24 on each next.
    QCOMPARE(pageOf99, QList<int>({5}));
}

QTEST_MAIN(TestEnginePages)
#include "test_enginepages.moc"
