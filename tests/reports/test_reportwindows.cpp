#include "DatabaseFolder.h"
#include "FakeSluzby.h"
#include "FileChooser.h"
#include "PdfText.h"
#include "PrinterOffset.h"
#include "ReportOutput.h"
#include "TNahledDialog.h"
#include "TNahledSestavy.h"
#include "TObrazekDialog.h"
#include "TOfficeButton.h"
#include "TOfficeLabel.h"
#include "TPopiskyDialog.h"
#include "TPrevDialog.h"
#include "TVolba.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPrinter>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

void click(TVolba* item)
{
    QVERIFY(item);
    QVERIFY(item->isEnabled());
    QTest::mouseClick(item->label(), Qt::LeftButton, {}, item->label()->rect().center());
}

// The program folder with one carrier in the standard database and the
// report windows over it, as the main window makes them.
struct Reports
{
    DatabaseFolder folder;
    FakeSluzby sluzby{folder.path()};
    QPrinter printer{QPrinter::HighResolution};
    std::unique_ptr<ReportOutput> output;
    std::unique_ptr<TNahledDialog> nahled;
    std::unique_ptr<TPopiskyDialog> popisky;
    QString filter;
    QList<SestavaRequest> requests;

    Reports()
    {
        output = std::make_unique<ReportOutput>(sluzby, nullptr, [this] { return &printer; });
        nahled = std::make_unique<TNahledDialog>(sluzby);
        popisky = std::make_unique<TPopiskyDialog>(sluzby, *output);
        nahled->setKindChoice([this] { return filter; });
        for (const char* item : {"OfficeLabel1", "OfficeLabel4", "OfficeLabel2"})
            nahled->setSecondLevel(
                item, [this](const SestavaRequest& r, const QPoint&) { requests.append(r); });
        TPopiskyDialog* labels = popisky.get();
        nahled->setSecondLevel(
            "OfficeLabel3",
            [labels](const SestavaRequest& r, const QPoint& at) { labels->open(r, at); }, labels);
        QObject::connect(labels, &TPopiskyDialog::reportStarted, nahled.get(),
                         &TNahledDialog::hide);
    }

    void addCarrier(int slot, const QString& kind, const QString& title)
    {
        TTable* table = sluzby.dataModule()->slotTable(slot);
        QVERIFY(table->open());
        QVERIFY(table->insert());
        QVERIFY(table->setFieldText("CISLO", QString::number(slot)));
        QVERIFY(table->setFieldText("DRUH", kind));
        QVERIFY(table->setFieldText("NAZEV", title));
        QVERIFY(table->setFieldText("A1", title + "Skladba"));
        QVERIFY(table->post());
    }
};

} // namespace

class TestReportWindows : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void chooserOffersWhatTheRecordAllows_data();
    void chooserOffersWhatTheRecordAllows();
    void chooserHandsSlotKindAndMode_data();
    void chooserHandsSlotKindAndMode();
    void secondLevelStandsBesideTheChooser_data();
    void secondLevelStandsBesideTheChooser();
    void figureParkedTopLeftMovesFirst();
    void labelsDialogStrikesTheBackLabelOfACassette();
    void frontLabelOpensItsPreview_data();
    void frontLabelOpensItsPreview();
    void printingGoesToThePrinterMovedByItsOffset();
    void missingPictureStopsTheLabel();
    void previewPagesZoomAndPdf();
    void pictureDialogKeepsOrWritesTheChoice();
    void pictureViewFitsThePicture();
};

void TestReportWindows::cleanup()
{
    FileChooser::setNextAnswer(std::nullopt);
}

void TestReportWindows::chooserOffersWhatTheRecordAllows_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("labels");
    QTest::addColumn<bool>("performers");

    QTest::newRow("audio CD") << "Audio CD"
                              << "N0" << true << true;
    QTest::newRow("cassette") << "MC"
                              << "" << true << true;
    QTest::newRow("LP has no labels") << "LP"
                                      << "N0" << false << true;
    QTest::newRow("no kind, no labels") << ""
                                        << "N0" << false << true;
    QTest::newRow("data CD filter") << "Datové CD"
                                    << "NO2" << true << false;
    QTest::newRow("MP3 CD filter") << "Audio MP3 CD"
                                   << "NO5" << true << false;
    QTest::newRow("LP filter") << "LP"
                               << "NO4" << false << true;
}

void TestReportWindows::chooserOffersWhatTheRecordAllows()
{
    QFETCH(QString, kind);
    QFETCH(QString, filter);
    QFETCH(bool, labels);
    QFETCH(bool, performers);

    Reports r;
    r.filter = filter;
    r.nahled->open(TNahledDialog::Mode::Preview, 1, kind);
    QVERIFY(r.nahled->isVisible());
    QCOMPARE(r.nahled->item("OfficeLabel3")->isStruck(), !labels);
    QCOMPARE(r.nahled->item("OfficeLabel3")->label()->isEnabled(), labels);
    QCOMPARE(r.nahled->item("OfficeLabel2")->isStruck(), !performers);
    // The alphabetical items stay whatever the kind.
    QVERIFY(!r.nahled->item("OfficeLabel1")->isStruck());
    QVERIFY(!r.nahled->item("OfficeLabel4")->isStruck());
    QCOMPARE(r.sluzby.sounds, QStringList{"Dialog.wav"});
    QVERIFY(!r.sluzby.mainEnabled);
    QVERIFY(r.sluzby.isIndicatorVisible("SBO1"));
    r.nahled->hide();
    QVERIFY(r.sluzby.mainEnabled);
    QVERIFY(!r.sluzby.isIndicatorVisible("SBO1"));
}

void TestReportWindows::chooserHandsSlotKindAndMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QChar>("expectedMode");

    const int preview = int(TNahledDialog::Mode::Preview);
    const int print = int(TNahledDialog::Mode::Print);
    QTest::newRow("list, preview") << preview << "OfficeLabel1"
                                   << "Abecední seznam nosičů" << QChar('N');
    QTest::newRow("selected, print") << print << "OfficeLabel4"
                                     << "Vybraný nosič" << QChar('T');
    QTest::newRow("performers, print") << print << "OfficeLabel2"
                                       << "Abecední seznam interpretů" << QChar('T');
}

void TestReportWindows::chooserHandsSlotKindAndMode()
{
    QFETCH(int, mode);
    QFETCH(QString, item);
    QFETCH(QString, heading);
    QFETCH(QChar, expectedMode);

    Reports r;
    r.nahled->open(TNahledDialog::Mode(mode), 3, "Audio CD");
    // Another window in front that is no database window changes nothing.
    r.nahled->open(TNahledDialog::Mode(mode), 0, "LP");
    click(r.nahled->item(item));
    QCOMPARE(r.requests.size(), 1);
    QCOMPARE(r.requests.first().slot, QStringLiteral("3"));
    QCOMPARE(r.requests.first().kind, QStringLiteral("Audio CD"));
    QCOMPARE(r.requests.first().mode, expectedMode);
    QCOMPARE(r.requests.first().heading, heading);
    QVERIFY(!r.nahled->isEnabled());
}

void TestReportWindows::secondLevelStandsBesideTheChooser_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QPoint>("chooser");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("list") << "OfficeLabel1" << QPoint(900, 500) << QPoint(800, 530);
    QTest::newRow("selected") << "OfficeLabel4" << QPoint(900, 500) << QPoint(800, 564);
    QTest::newRow("performers") << "OfficeLabel2" << QPoint(900, 500) << QPoint(800, 560);
    QTest::newRow("labels") << "OfficeLabel3" << QPoint(900, 500) << QPoint(800, 560);
    QTest::newRow("left 105 still to the left")
        << "OfficeLabel3" << QPoint(105, 40) << QPoint(5, 100);
    QTest::newRow("left 104 goes to the right")
        << "OfficeLabel3" << QPoint(104, 40) << QPoint(204, 100);
}

void TestReportWindows::secondLevelStandsBesideTheChooser()
{
    QFETCH(QString, item);
    QFETCH(QPoint, chooser);
    QFETCH(QPoint, expected);
    QCOMPARE(TNahledDialog::secondLevelPosition(item, chooser), expected);
}

void TestReportWindows::figureParkedTopLeftMovesFirst()
{
    Reports r;
    r.sluzby.figure = QPoint(0, 0);
    r.nahled->open(TNahledDialog::Mode::Print, 1, "MC");
    const QPoint home =
        BalloonPlacement::initialFigurePosition(r.sluzby.screen, FakeSluzby::kFigure);
    QCOMPARE(r.sluzby.figure, home);
    QVERIFY(FakeSluzby::sameRule(r.sluzby.rules.last(), BalloonRule::reportChooser()));
    // The balloon stands above the figure with its tail towards it.
    QCOMPARE(r.nahled->pos(),
             QPoint(home.x() + 104 - r.nahled->width() - 38, home.y() - r.nahled->height() + 30));
}

void TestReportWindows::labelsDialogStrikesTheBackLabelOfACassette()
{
    Reports r;
    r.nahled->open(TNahledDialog::Mode::Preview, 1, "MC");
    click(r.nahled->item("OfficeLabel3"));
    QVERIFY(r.popisky->isVisible());
    QVERIFY(r.popisky->item("OfficeLabel2")->isStruck());
    QVERIFY(!r.popisky->item("OfficeLabel1")->isStruck());
    QCOMPARE(r.popisky->request().kind, QStringLiteral("MC"));
    QVERIFY(!r.nahled->isEnabled());
    // Storno gives the chooser back.
    QTest::keyClick(r.popisky.get(), Qt::Key_Escape);
    QVERIFY(!r.popisky->isVisible());
    QVERIFY(r.nahled->isEnabled());
    QVERIFY(r.nahled->isVisible());
    r.nahled->open(TNahledDialog::Mode::Preview, 1, "Audio CD");
    click(r.nahled->item("OfficeLabel3"));
    QVERIFY(!r.popisky->item("OfficeLabel2")->isStruck());
}

void TestReportWindows::frontLabelOpensItsPreview_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QSizeF>("paper");

    QTest::newRow("cassette card") << "MC"
                                   << "OfficeLabel1"
                                   << "QRShape7" << QSizeF(210, 297);
    QTest::newRow("booklet") << "Datové CD"
                             << "OfficeLabel1"
                             << "QRShape3" << QSizeF(297, 210);
    QTest::newRow("inlay") << "Audio CD"
                           << "OfficeLabel2"
                           << "QRShape6" << QSizeF(210, 297);
}

void TestReportWindows::frontLabelOpensItsPreview()
{
    QFETCH(QString, kind);
    QFETCH(QString, item);
    QFETCH(QString, frame);
    QFETCH(QSizeF, paper);

    Reports r;
    r.addCarrier(1, kind, "Prvni");
    r.nahled->open(TNahledDialog::Mode::Preview, 1, kind);
    click(r.nahled->item("OfficeLabel3"));
    click(r.popisky->item(item));
    QVERIFY(!r.popisky->isVisible());
    QVERIFY(!r.nahled->isVisible());
    QVERIFY(r.sluzby.mainEnabled);
    TNahledSestavy* preview = r.output->preview();
    QVERIFY(preview);
    QVERIFY(preview->isVisible());
    QCOMPARE(preview->pageCount(), 1);
    const qreal dotsPerMm = preview->shownPage().width() / paper.width();
    QVERIFY(qAbs(preview->shownPage().height() / dotsPerMm - paper.height()) < 1);
    preview->close();
}

void TestReportWindows::printingGoesToThePrinterMovedByItsOffset()
{
    if (!PdfText::available())
        QSKIP("pdftotext (poppler-utils) is not installed");
    Reports r;
    r.addCarrier(1, "Audio CD", "Prvni");
    QTemporaryDir dir;
    auto printOnce = [&](const QString& file) -> QRectF {
        r.printer.setOutputFormat(QPrinter::PdfFormat);
        r.printer.setOutputFileName(dir.filePath(file));
        r.nahled->open(TNahledDialog::Mode::Print, 1, "Audio CD");
        click(r.nahled->item("OfficeLabel3"));
        click(r.popisky->item("OfficeLabel2"));
        if (r.output->preview())
            return {}; // printing never opens the preview
        return PdfText::read(dir.filePath(file)).box("PrvniSkladba");
    };
    const QRectF plain = printOnce("plain.pdf");
    QVERIFY(!plain.isNull());
    // The inlay's first title at 27.5, 34.1 in the band: printed at 100 %.
    QVERIFY(qAbs(plain.left() - 37.5) < 0.5);
    QVERIFY(qAbs(plain.top() - 44.1) < 0.5);
    QVERIFY(PrinterOffset::write(r.sluzby.programFolder().programIniPath(), r.printer.printerName(),
                                 QPointF(3, -2)));
    const QRectF moved = printOnce("moved.pdf");
    QVERIFY(qAbs(moved.left() - plain.left() - 3) < 0.1);
    QVERIFY(qAbs(moved.top() - plain.top() + 2) < 0.1);
}

void TestReportWindows::missingPictureStopsTheLabel()
{
    Reports r;
    r.addCarrier(1, "Audio CD", "Prvni");
    r.folder.setKey("Obrazek", "Obrazek", r.folder.path() + "/zmizely.bmp");
    QSignalSpy failed(r.output.get(), &ReportOutput::failed);
    r.nahled->open(TNahledDialog::Mode::Preview, 1, "Audio CD");
    click(r.nahled->item("OfficeLabel3"));
    click(r.popisky->item("OfficeLabel1"));
    QCOMPARE(failed.size(), 1);
    QVERIFY(failed.first().first().toString().contains("zmizely.bmp"));
    QVERIFY(!r.output->preview());
}

void TestReportWindows::previewPagesZoomAndPdf()
{
    report::LaidOutReport report;
    report.pageSize = QSizeF(210, 297);
    for (int i = 1; i <= 3; ++i) {
        report::Page page;
        page.number = i;
        page.elements.append({"Cislo",
                              report::ElementKind::PageNumber,
                              QRectF(20, 20, 30, 10),
                              QStringLiteral("Strana%1").arg(i),
                              {"Arial", 12},
                              Qt::AlignLeft,
                              0,
                              {}});
        report.pages.append(page);
    }
    QTemporaryDir dir;
    auto* preview = new TNahledSestavy(report, nullptr, dir.filePath("Fonarium2000.ini"));
    preview->show();
    auto button = [&](const char* name) { return preview->findChild<QToolButton*>(name); };
    QCOMPARE(preview->pageIndex(), 0);
    QVERIFY(!button("PredchoziStrana")->isEnabled());
    button("DalsiStrana")->click();
    button("DalsiStrana")->click();
    QCOMPARE(preview->pageIndex(), 2);
    QVERIFY(!button("DalsiStrana")->isEnabled());
    button("PrvniStrana")->click();
    QCOMPARE(preview->pageIndex(), 0);
    // Without a printer there is nothing to print on.
    QVERIFY(!button("Tisk")->isEnabled());

    const int width = preview->shownPage().width();
    preview->setZoomPercent(150);
    QVERIFY(qAbs(preview->shownPage().width() - width * 2) <= 2);

    FileChooser::setNextAnswer(dir.filePath("sestava"));
    button("UlozitPdf")->click();
    if (PdfText::available()) {
        const PdfText text = PdfText::read(dir.filePath("sestava.pdf"));
        QVERIFY(text.contains("Strana1") && text.contains("Strana3"));
    } else {
        QVERIFY(QFile::exists(dir.filePath("sestava.pdf")));
    }
    preview->close();
}

void TestReportWindows::pictureDialogKeepsOrWritesTheChoice()
{
    Reports r;
    TObrazekDialog dialog(r.sluzby);
    auto* edit = dialog.findChild<QLineEdit*>("Edit1");
    auto* ok = dialog.findChild<TOfficeButton*>("OfficeButton1");
    auto* back = dialog.findChild<TOfficeButton*>("OfficeButton2");
    const QString chosen = r.folder.path() + "/obal.bmp";

    dialog.ask();
    QVERIFY(r.sluzby.isIndicatorVisible("SBO7"));
    QVERIFY(!ok->isEnabled());
    FileChooser::setNextAnswer(chosen);
    dialog.choosePicture();
    QCOMPARE(edit->text(), chosen);
    QVERIFY(ok->isEnabled());
    // A cancelled file dialog leaves the name as it was.
    FileChooser::setNextAnswer(QString());
    dialog.choosePicture();
    QCOMPARE(edit->text(), chosen);
    ok->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(r.folder.key("Obrazek", "Obrazek"), chosen);

    // "Zpět" after choosing another file keeps the choice in force.
    dialog.ask();
    QVERIFY(edit->text().isEmpty());
    FileChooser::setNextAnswer(r.folder.path() + "/jiny.bmp");
    dialog.choosePicture();
    back->click();
    QCOMPARE(r.folder.key("Obrazek", "Obrazek"), chosen);

    // Enter writes even an empty name, which clears the choice.
    dialog.ask();
    QTest::keyClick(&dialog, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(r.folder.key("Obrazek", "Obrazek"), QString());
    QVERIFY(r.sluzby.mainEnabled);
    QVERIFY(!r.sluzby.isIndicatorVisible("SBO7"));
}

void TestReportWindows::pictureViewFitsThePicture()
{
    Reports r;
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const QString path = r.folder.path() + "/obal.bmp";
    QVERIFY(picture.save(path));
    r.folder.setKey("Obrazek", "Obrazek", path);
    TPrevDialog view(r.sluzby);
    QVERIFY(view.showChosen());
    QCOMPARE(view.size(), QSize(308, 225));
    const QPoint off =
        view.geometry().center() - QGuiApplication::primaryScreen()->geometry().center();
    QVERIFY(off.manhattanLength() <= 3);
    QVERIFY(!r.sluzby.mainEnabled);
    QTest::keyClick(&view, Qt::Key_Escape);
    QVERIFY(!view.isVisible());
    QVERIFY(r.sluzby.mainEnabled);

    r.folder.setKey("Obrazek", "Obrazek", r.folder.path() + "/kresba.emf");
    QSignalSpy failed(&view, &TPrevDialog::failed);
    QVERIFY(!view.showChosen());
    QVERIFY(!view.isVisible());
    QVERIFY(failed.first().first().toString().contains("kresba.emf"));
}

QTEST_MAIN(TestReportWindows)
#include "test_reportwindows.moc"
