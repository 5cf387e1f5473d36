#include "PdfText.h"
#include "ReportPainter.h"
#include "TTiskAbeceda1Dialog.h"
#include "TTiskAbecedaDialog.h"
#include "TTiskInterpretDialog.h"
#include "TableFixture.h"

#include <QTest>

#include <memory>

using report::LaidOutReport;
using Row = TableFixture::Row;

namespace {

Row carrier(int number, const QString& kind, const QString& title, const QString& performer = {},
            const QString& genre = {})
{
    return {{"CISLO", QString::number(number)},
            {"DRUH", kind},
            {"NAZEV", title},
            {"INTERPRET", performer},
            {"ZANR", genre},
            {"POZNAMKA", "Poznamka" + QString::number(number)},
            {"DATUM1", "01.02.2003"}};
}

Row withTracks(Row row)
{
    for (int i = 1; i <= 30; ++i) {
        row.insert(QStringLiteral("A%1").arg(i), QStringLiteral("Skladba%1").arg(i));
        row.insert(QStringLiteral("C%1").arg(i), QStringLiteral("%1").arg(i));
    }
    return row;
}

// The texts of every element of that name, page after page.
QStringList texts(const LaidOutReport& report, const QString& name)
{
    QStringList found;
    for (const report::Page& page : report.pages) {
        for (const report::PlacedElement* e : page.findAll(name))
            found.append(e->text);
    }
    return found;
}

int count(const LaidOutReport& report, const QString& name)
{
    return int(texts(report, name).size());
}

const QList<Row>& collection()
{
    static const QList<Row> rows{
        carrier(1, "LP", "Blue Train", "Coltrane", "Jazz"),
        carrier(2, "LP", "Let It Be", "Beatles", "Rock"),
        carrier(3, "MC", "Kind of Blue", "Davis", "Jazz"),
        carrier(4, "LP", "Ascension", "Coltrane", "Jazz"),
        carrier(5, "Audio MP3 CD", "Mix", "Various", "Rock"),
        carrier(6, "Datové CD", "Zaloha", "", ""),
        carrier(7, "MC", "Heartbreak", "Presley", "Rock and Roll"),
        carrier(8, "MC", "Quadrophenia", "Who", "Rock"),
    };
    return rows;
}

// The auxiliary copy as the performer list and the selected carrier get it.
const QList<Row>& copy()
{
    static const QList<Row> rows{
        carrier(1, "MC", "Help", "Beatles", "Pop"),
        carrier(2, "MC", "Abbey Road", "Beatles", "Rock"),
        carrier(3, "MC", "Revolver", "Beatles", "Rock"),
        carrier(4, "MC", "Waterloo", "Abba", "Pop"),
        carrier(5, "MC", "Let It Be", "Beatles", "Rock"),
        carrier(6, "MC", "Yellow Submarine", "Beatles", "Pop"),
        carrier(7, "MC", "Irish Songs", "O'Brien", "Folk"),
        carrier(8, "MC", "Short", "O", "Folk"),
        carrier(9, "MC", "Untitled Artist", "", "Pop"),
        carrier(10, "LP", "Arrival", "Abba", "Pop"),
        withTracks(carrier(11, "LP", "Same Title", "First", "Jazz")),
        withTracks(carrier(12, "Datové CD", "Same Title", "", "")),
        withTracks(carrier(13, "MC", "Rock'n'Roll", "Haley", "Rock and Roll")),
        withTracks(carrier(14, "MC", "Rock", "Haley", "Rock")),
    };
    return rows;
}

// Where an element stands on paper: bands start 10 mm in from the corner.
QRectF paper(qreal l, qreal t, qreal w, qreal h)
{
    return QRectF(l + 10, t + 10, w, h);
}

} // namespace

class TestLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void elementsStandWhereMeasured_data();
    void elementsStandWhereMeasured();
    void alphabeticalListFollowsKindAndGenre_data();
    void alphabeticalListFollowsKindAndGenre();
    void hundredCarriersShortAndFull_data();
    void hundredCarriersShortAndFull();
    void performerList_data();
    void performerList();
    void selectedCarrier_data();
    void selectedCarrier();
    void longCaptionsGrowAndStayWhole();
    void pdfWordsStandInTheirBoxes_data();
    void pdfWordsStandInTheirBoxes();

private:
    LaidOutReport alphabetical(const ListChoice& choice, bool full);
    LaidOutReport performers(const ListChoice& choice, const std::optional<QString>& performer);
    LaidOutReport selected(const ListChoice& choice, const QString& title, bool full);
    LaidOutReport form(const QString& name);

    std::unique_ptr<TableFixture> m_carriers;
    std::unique_ptr<TableFixture> m_copy;
    QTemporaryDir m_out;
};

void TestLists::initTestCase()
{
    m_carriers = std::make_unique<TableFixture>("AudioS");
    m_carriers->fill(collection());
    m_copy = std::make_unique<TableFixture>("AudioI");
    m_copy->fill(copy());
}

LaidOutReport laidOut(ListReport& list, const Status& loaded)
{
    if (!loaded)
        qWarning() << loaded.toString();
    const auto report = list.prepare();
    return report ? *report : LaidOutReport{};
}

LaidOutReport TestLists::alphabetical(const ListChoice& choice, bool full)
{
    TTiskAbecedaDialog list;
    using V = TTiskAbecedaDialog::Variant;
    return laidOut(list, list.load(m_carriers->dbfPath(), choice, full ? V::Full : V::Short));
}

LaidOutReport TestLists::performers(const ListChoice& choice,
                                    const std::optional<QString>& performer)
{
    TTiskInterpretDialog list;
    return laidOut(list, list.load(m_copy->dbfPath(), choice, performer));
}

LaidOutReport TestLists::selected(const ListChoice& choice, const QString& title, bool full)
{
    TTiskAbeceda1Dialog list;
    using V = TTiskAbeceda1Dialog::Variant;
    return laidOut(list, list.load(m_copy->dbfPath(), choice, title, full ? V::Full : V::Short));
}

LaidOutReport TestLists::form(const QString& name)
{
    if (name == QLatin1String("TiskAbecedaDialog"))
        return alphabetical({}, true);
    if (name == QLatin1String("TiskInterpretDialog"))
        return performers({}, std::nullopt);
    return selected({}, QStringLiteral("Rock"), true);
}

void TestLists::elementsStandWhereMeasured_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("nth");
    QTest::addColumn<QRectF>("box");

    const qreal footer = 297 - 20 - 6.3;
    const QString abc = "TiskAbecedaDialog";
    QTest::newRow("list heading") << abc << "QRLabel5" << 0 << paper(57.7, 0.3, 74.9, 8.5);
    QTest::newRow("list number") << abc << "NO1" << 0 << paper(176.7, 15.6, 11.1, 5.0);
    QTest::newRow("list note") << abc << "P1" << 0 << paper(21.2, 15.6 + 12.2, 166.4, 11.4);
    QTest::newRow("list 2nd title") << abc << "N1" << 1 << paper(4.2, 15.6 + 24.34, 77.3, 5);
    QTest::newRow("list brand") << abc << "QRLabel4" << 0 << paper(166.7, footer + 0.8, 23.3, 4.5);
    const QString per = "TiskInterpretDialog";
    QTest::newRow("group performer") << per << "I1" << 0 << paper(6.3, 19.8, 131.5, 6.1);
    QTest::newRow("performer genre") << per << "D1" << 0 << paper(105.8, 27.7, 50.5, 5.0);
    QTest::newRow("performer 2nd line") << per << "N1" << 1 << paper(6.3, 33.5, 77.3, 5.0);
    const QString sel = "TiskAbeceda1Dialog";
    QTest::newRow("track line") << sel << "QRShape1" << 0 << paper(0.8, 15.6 + 26.6, 187.8, 0);
    QTest::newRow("right length heading")
        << sel << "QRLabel19" << 0 << paper(173.6, 15.6 + 28.0, 9.8, 5.0);
    QTest::newRow("length 30") << sel << "TC30" << 0
                               << paper(173.6, 15.6 + 34.4 + 6.35 * 14, 13.2, 5.0);
}

void TestLists::elementsStandWhereMeasured()
{
    QFETCH(QString, form);
    QFETCH(QString, element);
    QFETCH(int, nth);
    QFETCH(QRectF, box);

    const LaidOutReport report = this->form(form);
    QVERIFY(!report.pages.isEmpty());
    const auto placed = report.pages.first().findAll(element);
    QVERIFY2(placed.size() > nth, qPrintable(element));
    const QRectF at = placed.at(nth)->box;
    // A caption may be wider than measured: it prints whole on its line.
    const qreal wider = placed.at(nth)->kind == report::ElementKind::Text
                            ? std::max(0.0, at.width() - box.width())
                            : 0.0;
    for (qreal d : {at.left() - box.left(), at.top() - box.top(), at.width() - wider - box.width(),
                    at.height() - box.height()})
        QVERIFY2(qAbs(d) < 0.5, qPrintable(QStringLiteral("%1 at %2,%3 %4x%5")
                                               .arg(element)
                                               .arg(at.left())
                                               .arg(at.top())
                                               .arg(at.width())
                                               .arg(at.height())));
}

void TestLists::alphabeticalListFollowsKindAndGenre_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("genre");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("genreCaption");
    QTest::addColumn<QString>("kindCaption");
    QTest::addColumn<bool>("performer");

    QTest::newRow("LP and Jazz") << "NO3"
                                 << "DR17" << QStringList{"Ascension", "Blue Train"} << "Jazz"
                                 << "LP nosič" << true;
    QTest::newRow("MP3 CD ignores the genre") << "NO5"
                                              << "DR17" << QStringList{"Mix"} << "Bez omezení"
                                              << "Audio MP3 CD" << false;
    QTest::newRow("data CD without performer and genre")
        << "NO2"
        << "D0" << QStringList{"Zaloha"} << "Bez omezení"
        << "Datové CD" << false;
    QTest::newRow("MC and Rock, not Rock and Roll")
        << "NO4"
        << "DR26" << QStringList{"Quadrophenia"} << "Rock"
        << "MC nosič" << true;
    QTest::newRow("every kind, every genre")
        << "N0"
        << "D0" << QStringList{"Ascension", "Blue Train", "Heartbreak",   "Kind of Blue",
                               "Let It Be", "Mix",        "Quadrophenia", "Zaloha"}
        << "Všechny druhy"
        << "Všechny nosiče" << true;
    QTest::newRow("nothing qualifies: header and footer only") << "NO1"
                                                               << "DR17" << QStringList{} << "Jazz"
                                                               << "Audio CD" << true;
}

void TestLists::alphabeticalListFollowsKindAndGenre()
{
    QFETCH(QString, kind);
    QFETCH(QString, genre);
    QFETCH(QStringList, titles);
    QFETCH(QString, genreCaption);
    QFETCH(QString, kindCaption);
    QFETCH(bool, performer);

    const LaidOutReport report = alphabetical({kind, genre}, true);
    QCOMPARE(report.pages.size(), 1);
    QCOMPARE(texts(report, "N1"), titles);
    QCOMPARE(texts(report, "QRLabel9"), QStringList{genreCaption});
    QCOMPARE(texts(report, "QRLabel12"), QStringList{kindCaption});
    QCOMPARE(texts(report, "QRLabel4"), QStringList{"Kavona Design '99"});
    QCOMPARE(texts(report, "QRLabel8"), QStringList{"Aktuální satav ze dne :"});
    for (const char* name : {"QRLabel2", "I1", "QRLabel10", "Z1"})
        QCOMPARE(count(report, name), performer ? titles.size() : 0);
    QCOMPARE(count(report, "D2"), titles.size());
}

void TestLists::hundredCarriersShortAndFull_data()
{
    QTest::addColumn<bool>("full");
    QTest::addColumn<int>("pages");
    // 255.1 mm between header and footer: 40 short bands or 10 full ones a page.
    QTest::newRow("short") << false << 3;
    QTest::newRow("full") << true << 10;
}

void TestLists::hundredCarriersShortAndFull()
{
    QFETCH(bool, full);
    QFETCH(int, pages);

    TableFixture hundred("Audio1");
    QList<Row> rows;
    QStringList titles;
    for (int i = 1; i <= 100; ++i) {
        titles.append(QStringLiteral("Titul%1").arg(i, 3, 10, QChar('0')));
        rows.append(carrier(i, "Audio CD", titles.last(), "Interpret", "Pop"));
    }
    hundred.fill(rows);
    TTiskAbecedaDialog list;
    QVERIFY(
        list.load(hundred.dbfPath(), {},
                  full ? TTiskAbecedaDialog::Variant::Full : TTiskAbecedaDialog::Variant::Short));
    const auto report = list.prepare();
    QVERIFY(report);
    QCOMPARE(report->pages.size(), pages);
    QCOMPARE(texts(*report, "N1"), titles);
    for (const char* name : {"D2", "Z1", "D1", "P1", "QRLabel6", "QRLabel13", "QRLabel11"})
        QCOMPARE(count(*report, name), full ? 100 : 0);
    QCOMPARE(count(*report, "QRLabel5"), pages);
    QCOMPARE(texts(*report, "QRSysData1").last(), QString::number(pages));
}

void TestLists::performerList_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("all");
    QTest::addColumn<QString>("performer");
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("kindCaption");

    const QStringList beatles{"Abbey Road", "Help", "Let It Be", "Revolver", "Yellow Submarine"};
    QTest::newRow("all performers, once each, none without")
        << "N0" << true << QString()
        << QStringList{"Abba", "Beatles", "Haley", "First", "O", "O'Brien"}
        << QStringList{"Arrival", "Waterloo"} + beatles +
               QStringList{"Rock", "Rock'n'Roll", "Same Title", "Short", "Irish Songs"}
        << "všichni interpreti"
        << "všechny nosiče";
    QTest::newRow("all performers of cassettes")
        << "NO4" << true << QString() << QStringList{"Abba", "Beatles", "Haley", "O", "O'Brien"}
        << QStringList{"Waterloo"} + beatles +
               QStringList{"Rock", "Rock'n'Roll", "Short", "Irish Songs"}
        << "všichni interpreti"
        << "MC nosič";
    QTest::newRow("five carriers under one heading")
        << "N0" << false << "Beatles" << QStringList{"Beatles"} << beatles << "Beatles"
        << "všechny nosiče";
    QTest::newRow("a performer with an apostrophe")
        << "N0" << false << "O'Brien" << QStringList{"O'Brien"} << QStringList{"Irish Songs"}
        << "O'Brien"
        << "všechny nosiče";
    QTest::newRow("a name that starts another")
        << "N0" << false << "O" << QStringList{"O"} << QStringList{"Short"} << "O"
        << "všechny nosiče";
    QTest::newRow("no performer chosen")
        << "N0" << false << "" << QStringList{} << QStringList{} << ""
        << "všechny nosiče";
}

void TestLists::performerList()
{
    QFETCH(QString, kind);
    QFETCH(bool, all);
    QFETCH(QString, performer);
    QFETCH(QStringList, groups);
    QFETCH(QStringList, titles);
    QFETCH(QString, heading);
    QFETCH(QString, kindCaption);

    const LaidOutReport report =
        performers({kind, "D0"}, all ? std::nullopt : std::optional(performer));
    QVERIFY(!report.pages.isEmpty());
    QStringList shownGroups = texts(report, "I1");
    QStringList shownTitles = texts(report, "N1");
    // Within one performer the order is the index's; compare as sets there.
    QCOMPARE(QSet<QString>(shownGroups.begin(), shownGroups.end()).size(), shownGroups.size());
    QCOMPARE(shownGroups.size(), groups.size());
    shownTitles.sort();
    titles.sort();
    QCOMPARE(shownTitles, titles);
    QVERIFY(!shownTitles.contains("Untitled Artist"));
    QCOMPARE(texts(report, "QRLabel9"), QStringList{heading});
    QCOMPARE(texts(report, "QRLabel10"), QStringList{kindCaption});
    QCOMPARE(texts(report, "QRLabel4"), QStringList{"Kavona Design '99"});
    if (groups.size() > 1)
        QCOMPARE(shownGroups.first(), QStringLiteral("Abba"));
}

void TestLists::selectedCarrier_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("full");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<bool>("performer");

    QTest::newRow("same title twice, full")
        << "N0"
        << "Same Title" << true << QStringList{"11", "12"} << true;
    QTest::newRow("same title twice, short")
        << "N0"
        << "Same Title" << false << QStringList{"11", "12"} << true;
    QTest::newRow("a title with an apostrophe")
        << "N0"
        << "Rock'n'Roll" << true << QStringList{"13"} << true;
    QTest::newRow("a title that starts another") << "N0"
                                                 << "Rock" << false << QStringList{"14"} << true;
    QTest::newRow("data CD without performer and genre")
        << "NO2"
        << "Same Title" << true << QStringList{"12"} << false;
    QTest::newRow("no title chosen") << "N0"
                                     << "" << true << QStringList{} << true;
}

void TestLists::selectedCarrier()
{
    QFETCH(QString, kind);
    QFETCH(QString, title);
    QFETCH(bool, full);
    QFETCH(QStringList, numbers);
    QFETCH(bool, performer);

    const LaidOutReport report = selected({kind, "D0"}, title, full);
    // Two full carriers do not share a page; two short ones do.
    QCOMPARE(report.pages.size(), full && numbers.size() > 1 ? 2 : 1);
    QStringList shown = texts(report, "NO1");
    shown.sort();
    QCOMPARE(shown, numbers);
    const int rows = int(numbers.size());
    QCOMPARE(count(report, "N1"), rows);
    for (const char* name : {"D2", "D1", "P1"})
        QCOMPARE(count(report, name), rows);
    for (const char* name : {"QRLabel2", "I1", "QRLabel10", "Z1"})
        QCOMPARE(count(report, name), performer ? rows : 0);
    const int tracks = full ? rows : 0;
    for (const char* name : {"QRShape1", "QRLabel16", "QRLabel17", "QRLabel18", "QRLabel19"})
        QCOMPARE(count(report, name), tracks);
    for (int i = 1; i <= 30; ++i) {
        QCOMPARE(count(report, QStringLiteral("TA%1").arg(i)), tracks);
        QCOMPARE(count(report, QStringLiteral("TC%1").arg(i)), tracks);
    }
    if (full && rows > 0) {
        QCOMPARE(texts(report, "TA30").first(), QStringLiteral("Skladba30"));
        // A length keeps both digits of the seconds; a size is as stored.
        const bool timed = numbers.first() != QLatin1String("12");
        QCOMPARE(texts(report, "TC16").first(),
                 timed ? "16" + QLocale().decimalPoint() + "00" : QStringLiteral("16"));
    }
}

// Captions print whole on one line: a long genre widens about its centre, a
// performer too long for the band wraps and the header grows; the next run
// starts again from the boxes as measured.
void TestLists::longCaptionsGrowAndStayWhole()
{
    QList<LaidOutReport> shown{alphabetical({"N0", "DR11"}, false), form("TiskInterpretDialog"),
                               form("TiskAbeceda1Dialog"),
                               performers({}, QString("Wolfgang Amadeus ").repeated(8))};
    const report::PlacedElement* genre = shown.first().pages.first().find("QRLabel9");
    QCOMPARE(genre->text, QStringLiteral("Elektronická muzika"));
    QVERIFY(qAbs(genre->box.center().x() - (10 + 137.1 + 24.1 / 2)) < 0.05);
    const report::PlacedElement* heading = shown.last().pages.first().find("QRLabel9");
    QVERIFY(heading->box.left() >= 10 - 0.01 && heading->box.right() <= 200 + 0.01);
    QVERIFY(heading->box.height() > 6.6);
    shown.removeLast();
    for (const LaidOutReport& report : shown) {
        for (const report::PlacedElement& e : report.pages.first().elements) {
            if (e.kind != report::ElementKind::Text || e.text.isEmpty())
                continue;
            const qreal oneLine = report::ReportEngine::textHeight(e.font, 1000, e.text);
            QVERIFY2(report::ReportEngine::textHeight(e.font, e.box.width(), e.text) <
                         oneLine + 0.01,
                     qPrintable(e.name));
        }
    }
    const LaidOutReport again = alphabetical({"N0", "DR26"}, false);
    QCOMPARE(again.pages.first().find("QRLabel9")->box, paper(137.1, 8.5, 24.1, 4.5));
}

void TestLists::pdfWordsStandInTheirBoxes_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QRectF>("box");

    QTest::newRow("list title") << "TiskAbecedaDialog"
                                << "Ascension" << paper(4.2, 15.6, 77.3, 5.0);
    QTest::newRow("group performer") << "TiskInterpretDialog"
                                     << "Abba" << paper(6.3, 19.8, 131.5, 6.1);
    QTest::newRow("track 16 of the selected carrier")
        << "TiskAbeceda1Dialog"
        << "Skladba16" << paper(100.5, 15.6 + 34.4, 71.4, 5.0);
}

void TestLists::pdfWordsStandInTheirBoxes()
{
    if (!PdfText::available())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QFETCH(QString, form);
    QFETCH(QString, word);
    QFETCH(QRectF, box);

    const QString pdf = m_out.filePath(form + ".pdf");
    QVERIFY(report::ReportPainter::writePdf(this->form(form), pdf));
    const PdfText text = PdfText::read(pdf);
    const QRectF at = text.box(word);
    QVERIFY2(!at.isNull(), qPrintable(word));
    QVERIFY2(qAbs(at.left() - box.left()) < 0.5 && at.top() >= box.top() - 0.5 &&
                 at.bottom() <= box.bottom() + 0.5,
             qPrintable(QStringLiteral("%1 at %2,%3").arg(word).arg(at.left()).arg(at.top())));
    QVERIFY(text.contains("Kavona"));
}

QTEST_MAIN(TestLists)
#include "test_lists.moc"
