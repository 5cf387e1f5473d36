#include "PdfText.h"
#include "ReportPainter.h"
#include "TPopiskaReport.h"
#include "TableFixture.h"

#include "IniFile.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using report::LaidOutReport;

namespace {

// A carrier with all 30 tracks, each title and length telling its number.
TableFixture::Row carrier(const QString& prefix, int number)
{
    TableFixture::Row row{{"CISLO", QString::number(number)},
                          {"DRUH", "Audio CD"},
                          {"NAZEV", prefix + "Nazev"},
                          {"INTERPRET", prefix + "Interpret"}};
    for (int i = 1; i <= 30; ++i) {
        row.insert(QStringLiteral("A%1").arg(i), QStringLiteral("%1Skladba%2").arg(prefix).arg(i));
        row.insert(QStringLiteral("C%1").arg(i), QStringLiteral("%1,5").arg(i));
    }
    return row;
}

std::unique_ptr<TPopiskaReport> makeLabel(const QString& name, const QString& ini)
{
    if (name == QLatin1String("TiskMCDialog"))
        return std::make_unique<TTiskMCDialog>(ini);
    if (name == QLatin1String("TiskCD1Dialog"))
        return std::make_unique<TTiskCD1Dialog>(ini);
    return std::make_unique<TTiskCD2Dialog>(ini);
}

// Where a word of a rotated element must stand: reading upwards from the
// bottom edge of its box, inside its box across.
bool standsRotated(const QRectF& word, const QRectF& box)
{
    return qAbs(word.bottom() - box.bottom()) < 0.5 && word.left() > box.left() - 0.5 &&
           word.right() < box.right() + 0.5;
}

bool standsCentred(const QRectF& word, const QRectF& box)
{
    return qAbs(word.center().x() - box.center().x()) < 0.5 && qAbs(word.top() - box.top()) < 0.5;
}

bool standsLeft(const QRectF& word, const QRectF& box)
{
    return qAbs(word.left() - box.left()) < 0.5 && qAbs(word.top() - box.top()) < 0.5;
}

// The measured box of a label element on paper: the band starts at (10, 10).
// Little-endian words of a metafile.
class Words
{
public:
    Words& u16(int v) { return put(v, 2); }
    Words& u32(qint64 v) { return put(v, 4); }
    const QByteArray& bytes() const { return m_bytes; }

private:
    Words& put(qint64 v, int width)
    {
        for (int i = 0; i < width; ++i)
            m_bytes.append(char((v >> (8 * i)) & 0xff));
        return *this;
    }
    QByteArray m_bytes;
};

// A 300 × 200 picture filled red by one rectangle with a thin black outline,
// as a placeable WMF and as an EMF.
QByteArray redWmf()
{
    Words records;
    records.u32(5).u16(0x020B).u16(0).u16(0);           // window origin
    records.u32(5).u16(0x020C).u16(200).u16(300);       // window extent
    records.u32(7).u16(0x02FC).u16(0).u32(0xFF).u16(0); // solid red brush
    records.u32(4).u16(0x012D).u16(0);                  // select it
    records.u32(7).u16(0x041B).u16(210).u16(310).u16(-10).u16(-10);
    records.u32(3).u16(0); // end
    const int words = 9 + int(records.bytes().size()) / 2;
    Words header;
    header.u16(1).u16(9).u16(0x0300).u32(words).u16(1).u32(7).u16(0);
    Words placeable;
    placeable.u32(0x9AC6CDD7).u16(0).u16(0).u16(0).u16(300).u16(200).u16(96).u32(0);
    quint16 sum = 0;
    for (int i = 0; i < 20; i += 2)
        sum ^= quint16(quint8(placeable.bytes()[i]) | quint8(placeable.bytes()[i + 1]) << 8);
    placeable.u16(sum);
    return placeable.bytes() + header.bytes() + records.bytes();
}

QByteArray redEmf()
{
    Words records;
    records.u32(39).u32(24).u32(1).u32(0).u32(0xFF).u32(0); // brush 1, solid red
    records.u32(37).u32(12).u32(1);                         // select it
    records.u32(43).u32(24).u32(-10).u32(-10).u32(310).u32(210);
    records.u32(14).u32(20).u32(0).u32(16).u32(20); // end
    const int size = 88 + int(records.bytes().size());
    Words header;
    header.u32(1).u32(88).u32(0).u32(0).u32(299).u32(199).u32(0).u32(0).u32(7937).u32(5291);
    header.u32(0x464D4520).u32(0x10000).u32(size).u32(5).u16(2).u16(0);
    header.u32(0).u32(0).u32(0).u32(1920).u32(1080).u32(508).u32(286);
    return header.bytes() + records.bytes();
}

QRectF paper(qreal l, qreal t, qreal w, qreal h)
{
    return QRectF(l + 10, t + 10, w, h);
}

} // namespace

class TestLabels : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void printedWordsStandInTheirBoxes_data();
    void printedWordsStandInTheirBoxes();
    void linesAndFramesStandWhereMeasured_data();
    void linesAndFramesStandWhereMeasured();
    void trackCounts_data();
    void trackCounts();
    void frontPicture_data();
    void frontPicture();
    void labelFollowsTheSlotItWasAskedFor();

private:
    LaidOutReport prepared(const QString& name, const TTable& table);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TableFixture> m_slot1;
    std::unique_ptr<TableFixture> m_slot3;
    std::unique_ptr<TTable> m_table1;
    std::unique_ptr<TTable> m_table3;
    QString m_ini;
};

void TestLabels::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_ini = m_dir->filePath("Fonarium2000.ini");
    m_slot1 = std::make_unique<TableFixture>("AudioS");
    m_slot3 = std::make_unique<TableFixture>("Audio2");
    m_table1 = std::make_unique<TTable>();
    m_table3 = std::make_unique<TTable>();
    QVERIFY(m_slot1->openFilled(*m_table1, {carrier("Prvni", 7)}));
    QVERIFY(m_slot3->openFilled(*m_table3, {carrier("Treti", 12)}));
}

LaidOutReport TestLabels::prepared(const QString& name, const TTable& table)
{
    auto label = makeLabel(name, m_ini);
    label->bind(QStringLiteral("Table1"), &table);
    const auto report = label->prepare();
    return report ? *report : LaidOutReport{};
}

void TestLabels::printedWordsStandInTheirBoxes_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QRectF>("box");
    QTest::addColumn<QString>("how");

    const QSizeF portrait(210, 297);
    const QSizeF landscape(297, 210);
    QTest::newRow("MC front performer") << "TiskMCDialog" << portrait << "PrvniInterpret"
                                        << paper(44.2, 13.8, 63.8, 6.1) << "centred";
    QTest::newRow("MC number on the spine")
        << "TiskMCDialog" << portrait << "7" << paper(31.5, 105.8, 10.1, 4.5) << "centred";
    QTest::newRow("MC side A, track 1") << "TiskMCDialog" << portrait << "PrvniSkladba1"
                                        << paper(119.1, 73.0, 3.2, 36.2) << "rotated";
    QTest::newRow("MC side A, length 15") << "TiskMCDialog" << portrait << "15,50"
                                          << paper(119.1 + 3.44 * 14, 64.6, 3.2, 6.6) << "rotated";
    QTest::newRow("MC side B, track 30") << "TiskMCDialog" << portrait << "PrvniSkladba30"
                                         << paper(119.1 + 3.44 * 14, 22.2, 3.2, 36.2) << "rotated";
    QTest::newRow("booklet title") << "TiskCD1Dialog" << landscape << "PrvniNazev"
                                   << paper(141.3, 23.3, 118.8, 8.5) << "centred";
    QTest::newRow("booklet track 26") << "TiskCD1Dialog" << landscape << "PrvniSkladba26"
                                      << paper(29.6, 15.1 + 4.23 * 25, 94.2, 4.5) << "left";
    QTest::newRow("booklet length 26") << "TiskCD1Dialog" << landscape << "26,50"
                                       << paper(127.0, 15.1 + 4.23 * 25, 9.5, 4.5) << "left";
    QTest::newRow("inlay performer") << "TiskCD2Dialog" << portrait << "PrvniInterpret"
                                     << paper(27.5, 14.8, 133.6, 7.1) << "centred";
    QTest::newRow("inlay track 15") << "TiskCD2Dialog" << portrait << "PrvniSkladba15"
                                    << paper(27.5, 34.1 + 6.35 * 14, 64.0, 4.5) << "left";
    QTest::newRow("inlay track 16") << "TiskCD2Dialog" << portrait << "PrvniSkladba16"
                                    << paper(97.4, 34.1, 64.0, 4.5) << "left";
    // A caption prints on one line, even where its box is a little narrow.
    QTest::newRow("booklet brand")
        << "TiskCD1Dialog" << landscape << "&apos;99" << paper(245.0, 127.0, 15.1, 2.9) << "line";
    QTest::newRow("cassette spine brand")
        << "TiskMCDialog" << portrait << "&apos;99" << paper(31.5, 11.6, 10.1, 2.4) << "line";
    QTest::newRow("inlay right spine number")
        << "TiskCD2Dialog" << portrait << "7" << paper(164.8, 121.4, 3.2, 6.1) << "rotated";
}

void TestLabels::printedWordsStandInTheirBoxes()
{
    if (!PdfText::available())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QFETCH(QString, label);
    QFETCH(QSizeF, page);
    QFETCH(QString, word);
    QFETCH(QRectF, box);
    QFETCH(QString, how);

    const LaidOutReport report = prepared(label, *m_table1);
    QCOMPARE(report.pages.size(), 1);
    const QString pdf = m_dir->filePath(label + ".pdf");
    QVERIFY(report::ReportPainter::writePdf(report, pdf));
    const PdfText text = PdfText::read(pdf);
    QVERIFY(qAbs(text.pageSize.width() - page.width()) < 0.5);
    QVERIFY(qAbs(text.pageSize.height() - page.height()) < 0.5);
    // A word may print more than once (spine and front); one must stand there.
    const QList<QRectF> found = text.boxes(word);
    QVERIFY2(!found.isEmpty(), qPrintable(word));
    QString where;
    bool stands = false;
    for (const QRectF& at : found) {
        where += QStringLiteral(" %1,%2 %3x%4")
                     .arg(at.left())
                     .arg(at.top())
                     .arg(at.width())
                     .arg(at.height());
        if (how == QLatin1String("rotated"))
            stands = stands || standsRotated(at, box);
        else if (how == QLatin1String("line"))
            stands = stands || (qAbs(at.top() - box.top()) < 0.5 && box.contains(at.center()));
        else if (how == QLatin1String("centred"))
            stands = stands || standsCentred(at, box);
        else
            stands = stands || standsLeft(at, box);
    }
    QVERIFY2(stands, qPrintable(word + where));
}

void TestLabels::linesAndFramesStandWhereMeasured_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QRectF>("box");

    QTest::newRow("MC outline") << "TiskMCDialog"
                                << "QRShape2" << paper(15.1, 10.8, 161.1, 101.1);
    QTest::newRow("MC last fold") << "TiskMCDialog"
                                  << "QRShape5" << paper(109.3, 10.8, 0, 101.1);
    QTest::newRow("MC cut line") << "TiskMCDialog"
                                 << "QRShape1" << paper(0.8, 115.8, 187.1, 0);
    QTest::newRow("MC number frame") << "TiskMCDialog"
                                     << "QRShape7" << paper(31.2, 105.6, 10.8, 5);
    QTest::newRow("MC side line") << "TiskMCDialog"
                                  << "QRShape6" << paper(112.2, 61.8, 61.6, 0);
    QTest::newRow("booklet outline") << "TiskCD1Dialog"
                                     << "QRShape2" << paper(19.1, 10.6, 242.0, 120.1);
    QTest::newRow("booklet fold") << "TiskCD1Dialog"
                                  << "QRShape3" << paper(140.2, 10.6, 0, 120);
    QTest::newRow("inlay right fold") << "TiskCD2Dialog"
                                      << "QRShape3" << paper(163.1, 12.7, 0, 116.9);
    QTest::newRow("inlay right number frame") << "TiskCD2Dialog"
                                              << "QRShape5" << paper(164.3, 120.1, 4.5, 8.7);
    QTest::newRow("inlay divider") << "TiskCD2Dialog"
                                   << "QRShape6" << paper(94.2, 31.8, 0, 95.7);
}

void TestLabels::linesAndFramesStandWhereMeasured()
{
    QFETCH(QString, label);
    QFETCH(QString, element);
    QFETCH(QRectF, box);

    const LaidOutReport report = prepared(label, *m_table1);
    QCOMPARE(report.pages.size(), 1);
    const report::PlacedElement* placed = report.pages.first().find(element);
    QVERIFY(placed);
    for (qreal d : {placed->box.left() - box.left(), placed->box.top() - box.top(),
                    placed->box.width() - box.width(), placed->box.height() - box.height()})
        QVERIFY2(qAbs(d) < 0.05, qPrintable(element));

    // And the painting draws them: a frame's left edge is ink on the paper.
    const QImage page = report::ReportPainter::renderPage(report, 0, 200);
    const QPointF dot = QPointF(box.left(), box.center().y()) * (200 / 25.4);
    QVERIFY(qGray(page.pixel(dot.toPoint())) < 200);
}

void TestLabels::trackCounts_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("titles");
    QTest::addColumn<int>("lengths");

    QTest::newRow("cassette card, both sides") << "TiskMCDialog" << 30 << 30;
    QTest::newRow("booklet, 26 with lengths") << "TiskCD1Dialog" << 26 << 26;
    QTest::newRow("inlay, all titles") << "TiskCD2Dialog" << 30 << 0;
}

void TestLabels::trackCounts()
{
    QFETCH(QString, label);
    QFETCH(int, titles);
    QFETCH(int, lengths);

    const LaidOutReport report = prepared(label, *m_table1);
    int shownTitles = 0;
    int shownLengths = 0;
    for (const report::PlacedElement& e : report.pages.first().elements) {
        shownTitles += e.text.startsWith("PrvniSkladba");
        shownLengths += e.text.endsWith(",50");
    }
    QCOMPARE(shownTitles, titles);
    QCOMPARE(shownLengths, lengths);
    QCOMPARE(report.pages.first().find(QStringLiteral("N%1").arg(titles))->text,
             QStringLiteral("PrvniSkladba%1").arg(titles));
}

void TestLabels::frontPicture_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QRectF>("box");
    QTest::addColumn<QString>("message");

    const QRectF mc = paper(45.0, 36.0, 61.6, 72.0);
    const QRectF booklet = paper(144.5, 33.1, 112.4, 93.4);
    QTest::newRow("MC, none chosen") << "TiskMCDialog"
                                     << "" << QRectF() << "";
    QTest::newRow("booklet, none chosen") << "TiskCD1Dialog"
                                          << "" << QRectF() << "";
    QTest::newRow("MC, a bitmap") << "TiskMCDialog"
                                  << "obrazek.bmp" << mc << "";
    QTest::newRow("booklet, a bitmap") << "TiskCD1Dialog"
                                       << "obrazek.bmp" << booklet << "";
    QTest::newRow("booklet, an icon") << "TiskCD1Dialog"
                                      << "ikona.ico" << booklet << "";
    QTest::newRow("missing file") << "TiskCD1Dialog"
                                  << "chybi.bmp" << QRectF() << "chybi.bmp";
    QTest::newRow("not a picture") << "TiskMCDialog"
                                   << "rozbity.bmp" << QRectF() << "rozbity.bmp";
    QTest::newRow("junk named a metafile") << "TiskCD1Dialog"
                                           << "kresba.wmf" << QRectF() << "kresba.wmf";
    QTest::newRow("booklet, a WMF") << "TiskCD1Dialog"
                                    << "cervena.wmf" << booklet << "";
    QTest::newRow("MC, an EMF") << "TiskMCDialog"
                                << "cervena.emf" << mc << "";
}

void TestLabels::frontPicture()
{
    QFETCH(QString, label);
    QFETCH(QString, file);
    QFETCH(QRectF, box);
    QFETCH(QString, message);

    QImage red(30, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(m_dir->filePath("obrazek.bmp")));
    QVERIFY(red.save(m_dir->filePath("ikona.ico")));
    QFile broken(m_dir->filePath("rozbity.bmp"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("BM this is no bitmap");
    broken.close();
    QFile metafile(m_dir->filePath("kresba.wmf"));
    QVERIFY(metafile.open(QIODevice::WriteOnly));
    metafile.write(QByteArray(64, '\1'));
    metafile.close();
    for (const auto& [name, bytes] :
         {std::pair{"cervena.wmf", redWmf()}, {"cervena.emf", redEmf()}}) {
        QFile drawn(m_dir->filePath(name));
        QVERIFY(drawn.open(QIODevice::WriteOnly));
        drawn.write(bytes);
    }
    QVERIFY(IniFile(m_ini).writeString("Obrazek", "Obrazek",
                                       file.isEmpty() ? "" : m_dir->filePath(file)));

    auto form = makeLabel(label, m_ini);
    form->bind("Table1", m_table1.get());
    const auto report = form->prepare();
    if (!message.isEmpty()) {
        QVERIFY(!report);
        QVERIFY2(form->lastError().message().contains(message),
                 qPrintable(form->lastError().message()));
        return;
    }
    QVERIFY(report);
    const report::PlacedElement* image = report->pages.first().find("QRImage1");
    if (box.isNull()) {
        QVERIFY(!image);
        return;
    }
    QVERIFY(image);
    QCOMPARE(image->box, box);
    // Stretched over the whole box: red near both far corners (a metafile is
    // drawn with its outline).
    const QImage page = report::ReportPainter::renderPage(*report, 0, 100);
    const qreal dots = 100 / 25.4;
    for (QPointF corner : {box.topLeft() + QPointF(2, 2), box.bottomRight() - QPointF(2, 2)})
        QCOMPARE(page.pixelColor((corner * dots).toPoint()), QColor(Qt::red));
}

// The form is made once; each run binds it to the slot it was asked for.
void TestLabels::labelFollowsTheSlotItWasAskedFor()
{
    TTiskCD2Dialog form(m_ini);
    form.bind("Table1", m_table1.get());
    auto first = form.prepare();
    QVERIFY(first);
    QCOMPARE(first->pages.first().find("I3")->text, QStringLiteral("PrvniInterpret"));
    form.bind("Table3", m_table3.get());
    auto second = form.prepare();
    QVERIFY(second);
    for (const char* name : {"I1", "I2", "I3"})
        QCOMPARE(second->pages.first().find(name)->text, QStringLiteral("TretiInterpret"));
    QCOMPARE(second->pages.first().find("C2")->text, QStringLiteral("12"));
    QCOMPARE(second->pages.first().find("N30")->text, QStringLiteral("TretiSkladba30"));
}

QTEST_MAIN(TestLabels)
#include "test_labels.moc"
