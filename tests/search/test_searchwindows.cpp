#include "FakeSluzby.h"
#include "KindChoice.h"
#include "SearchData.h"
#include "SearchWindows.h"
#include "TInfoNajit1Dialog.h"
#include "TNajitDialog.h"
#include "TOfficeButton.h"
#include "TOfficeLabel.h"
#include "TPomocna1Dialog.h"
#include "TPreskrtnuti.h"
#include "TVyberSestavy.h"
#include "TVysledekDialog.h"
#include "TZpravaDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTreeView>

// The search windows against a fake main window, on a laid-out program
// folder whose standard database holds a few carriers.
class TestSearchWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void balloonAndBuilderStandWhereTheyShould_data();
    void balloonAndBuilderStandWhereTheyShould();
    void figureInTheCornerMovesFirst();
    void enterClosesTheSearch();
    void buildThenSearchThenShow();
    void copiesStayCurrentUntilAnotherBuild();
    void perCarrierBuildShowsEveryKind();
    void failedBuildGivesTheMainWindowBack();
    void reportCopyIsNoSearchCopy();
    void resultListEntries();
    void listOpensAtItsTop();
    void carrierGoneSinceTheCopy();
    void reportCopiesFollowTheKindChoice_data();
    void reportCopiesFollowTheKindChoice();
    void pickersHandTheirEntryOver();

private:
    TPomocnaDialog* choose(const QString& code);
    void build(TPomocnaDialog* builder);
    QString keys() const;
    TNajitDialog* najit() const { return m_search->najitDialog(); }
    TVysledekDialog* vysledek() const { return m_search->vysledekDialog(); }
    QModelIndex entry(const QStringList& path, const TVysledekOkno* list = nullptr) const;

    std::unique_ptr<DatabaseFolder> m_folder;
    std::unique_ptr<FakeSluzby> m_sluzby;
    std::unique_ptr<SearchWindows> m_search;
    int m_kindResets = 0;
};

void TestSearchWindows::init()
{
    m_folder = std::make_unique<DatabaseFolder>();
    QVERIFY(m_folder->isValid());
    addCarriers(*m_folder, QStringLiteral("AudioS.dbf"),
                {{"1", "Zima", "LP", "Olympic", {"Jasná zpráva", "Dej mi víc"}},
                 {"2", "Jaro", "MC", "Olympic", {"Jasná zpráva"}},
                 {"3", "Kámen", "LP", "Team", {}, "Novák"}});
    m_sluzby = std::make_unique<FakeSluzby>(m_folder->path());
    m_sluzby->slot = 1;
    QVERIFY(m_sluzby->dataModule()->slotTable(1)->open());
    m_search = std::make_unique<SearchWindows>(*m_sluzby);
    m_kindResets = 0;
    m_search->setKindReset([this] { ++m_kindResets; });
}

void TestSearchWindows::cleanup()
{
    m_search.reset();
    m_sluzby.reset();
    m_folder.reset();
}

QString TestSearchWindows::keys() const
{
    return m_folder->key("Kontrola", "Pomocna") + "/" + m_folder->key("Kontrola", "Pomocna1");
}

TPomocnaDialog* TestSearchWindows::choose(const QString& code)
{
    auto* label = najit()->findChild<TOfficeLabel*>("Kriterium" + code);
    if (!label || !label->isEnabled() || !najit()->isVisible())
        return nullptr;
    label->click();
    const QString name = code == "6" ? "Pomocna1Dialog" : "PomocnaDialog";
    auto* builder = code == "6" ? static_cast<TPomocnaDialog*>(m_search->pomocna1Dialog())
                                : m_search->pomocnaDialog();
    return builder->objectName() == name && builder->isVisible() ? builder : nullptr;
}

void TestSearchWindows::build(TPomocnaDialog* builder)
{
    CLICK(builder, TOfficeLabel, "Vytvorit");
}

void TestSearchWindows::balloonAndBuilderStandWhereTheyShould_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("searchLeft");
    QTest::addColumn<int>("builderLeft");
    QTest::addColumn<int>("builderTop"); // below the search dialog's top
    QTest::addColumn<QString>("close");
    QTest::newRow("number, Storno") << "1" << 600 << 400 << 30 << "Storno";
    QTest::newRow("title, Esc") << "2" << 600 << 400 << 69 << "Esc";
    QTest::newRow("performer, Enter") << "3" << 204 << 4 + 300 << 99 << "Enter";
    QTest::newRow("track, fourth line") << "6" << 205 << 5 << 130 << "Storno";
    QTest::newRow("kind") << "4" << 600 << 400 << 163 << "Esc";
    QTest::newRow("genre") << "5" << 600 << 400 << 195 << "Storno";
    QTest::newRow("loaned") << "7" << 100 << 200 << 227 << "Enter";
}

void TestSearchWindows::balloonAndBuilderStandWhereTheyShould()
{
    QFETCH(QString, code);
    QFETCH(int, searchLeft);
    QFETCH(int, builderLeft);
    QFETCH(int, builderTop);
    QFETCH(QString, close);
    m_search->open();
    QVERIFY(najit()->isVisible());
    QCOMPARE(najit()->size(), QSize(202, 311));
    QCOMPARE(najit()->slot(), 1);
    QCOMPARE(m_sluzby->sounds, QStringList{"Dialog.wav"});
    QVERIFY(!m_sluzby->mainEnabled && !m_sluzby->assistantEnabled);
    // The lines, 33 pixels apart, in their listed order, which is not the codes' order.
    int previous = -1;
    for (const char* listed : {"1", "2", "3", "6", "4", "5", "7"}) {
        const int top = najit()->criterionLabel(listed)->y();
        QVERIFY(previous < 0 || top - previous == 33);
        previous = top;
    }
    najit()->move(searchLeft, 500);
    TPomocnaDialog* builder = choose(code);
    QVERIFY(builder);
    QCOMPARE(builder->size(), QSize(278, 88));
    QCOMPARE(builder->pos(), QPoint(builderLeft, 500 + builderTop));
    QCOMPARE(builder->code(), code);
    QCOMPARE(builder->heading(), search::criterion(code)->heading);
    QCOMPARE(builder->slot(), 1);
    QVERIFY(!najit()->isEnabled());
    // Nothing was built in this run: only the build is offered.
    QVERIFY(builder->findChild<TPreskrtnuti*>("C1")->isVisible());
    QVERIFY(!builder->findChild<TOfficeLabel*>("Zacit")->isEnabled());
    if (close == "Storno")
        CLICK(builder, TOfficeButton, "Storno");
    else
        QTest::keyClick(builder, close == "Esc" ? Qt::Key_Escape : Qt::Key_Return);
    QVERIFY(!builder->isVisible());
    QVERIFY(najit()->isVisible() && najit()->isEnabled());
    QVERIFY(m_sluzby->indicators.contains("SBO2"));
}

void TestSearchWindows::figureInTheCornerMovesFirst()
{
    m_sluzby->figure = QPoint(0, 0);
    m_search->open();
    const QPoint home(1280 - 104 - 12, 1024 - 104 - 30);
    QCOMPARE(m_sluzby->figure, home);
    QCOMPARE(najit()->pos(), QPoint(home.x() + 104 - 202 - 38, home.y() - 311 + 30));
}

void TestSearchWindows::enterClosesTheSearch()
{
    m_search->open();
    QTest::keyClick(najit(), Qt::Key_Return);
    QVERIFY(!najit()->isVisible());
    QVERIFY(m_sluzby->mainEnabled && m_sluzby->assistantEnabled);
    QVERIFY(m_sluzby->indicators.contains("SBO10"));
    QVERIFY(!m_sluzby->indicators.contains("SBO2"));
    QVERIFY(!vysledek()->isVisible() && !m_search->pomocnaDialog()->isVisible());
}

void TestSearchWindows::buildThenSearchThenShow()
{
    m_search->open();
    TPomocnaDialog* builder = choose("3");
    QVERIFY(builder);
    const QPoint place = builder->pos();
    QStringList fields;
    connect(m_search.get(), &SearchWindows::buildStarted, this, [&](TInfoNajitDialog* progress) {
        QCOMPARE(progress->size(), QSize(347, 60));
        for (const char* name : {"Kontrola", "Kontrola1", "Kontrola2", "Kontrola3", "Kontrola4"}) {
            auto* field = progress->findChild<QLineEdit*>(name);
            fields << (field ? field->text() : "-");
        }
        QVERIFY(!m_sluzby->mainEnabled);
    });
    build(builder);
    QCOMPARE(fields, (QStringList{QString::number(place.y()), "-",
                                  "Vyhledávání podle jména interpreta", "1", "Ne"}));
    QCOMPARE(keys(), QStringLiteral("1/0"));
    QVERIFY(m_sluzby->sounds.contains("Info.wav"));
    // Back where the search was left, now offering to start.
    QVERIFY(najit()->isVisible() && builder->isVisible());
    QCOMPARE(builder->pos(), place);
    QCOMPARE(builder->heading(), QStringLiteral("Vyhledávání podle jména interpreta"));
    QVERIFY(!builder->findChild<TPreskrtnuti*>("C1")->isVisible());
    CLICK(builder, TOfficeLabel, "Zacit");
    QVERIFY(!builder->isVisible() && !najit()->isVisible());
    QVERIFY(vysledek()->isVisible());
    QCOMPARE(vysledek()->size(), QSize(252, 284));
    QCOMPARE(vysledek()->findChild<QLabel*>("Label1")->text(), builder->heading());
    QVERIFY(m_sluzby->dataModule()->table(5)->isActive());
    // The performer leads nowhere; its title does.
    auto* zobrazit = vysledek()->findChild<TOfficeButton*>("Zobrazit");
    vysledek()->treeView()->setCurrentIndex(entry({"Olympic"}));
    QVERIFY(!zobrazit->isEnabled());
    vysledek()->treeView()->setCurrentIndex(entry({"Olympic", "Jaro"}));
    QVERIFY(zobrazit->isEnabled());
    QCOMPARE(vysledek()->findChild<QLineEdit*>("DBEdit1")->text(), QStringLiteral("Jaro"));
    QTest::keyClick(vysledek()->treeView(), Qt::Key_Return);
    QVERIFY(!vysledek()->isVisible());
    QCOMPARE(m_sluzby->dataModule()->slotTable(1)->fieldText("CISLO"), QStringLiteral("2"));
    QCOMPARE(vysledek()->findChild<QLineEdit*>("Kontrola")->text(), QStringLiteral("0"));
    QCOMPARE(vysledek()->findChild<QLineEdit*>("K1")->text(), QStringLiteral("0"));
    QVERIFY(m_sluzby->mainEnabled && m_sluzby->indicators.contains("SBO10"));
}

QModelIndex TestSearchWindows::entry(const QStringList& path, const TVysledekOkno* list) const
{
    QAbstractItemModel* model = (list ? list : vysledek())->treeView()->model();
    QModelIndex at;
    for (const QString& text : path) {
        const QModelIndexList found =
            model->match(model->index(0, 0, at), Qt::DisplayRole, text, 1, Qt::MatchExactly);
        if (found.isEmpty())
            return {};
        at = found.first();
    }
    return at;
}

void TestSearchWindows::copiesStayCurrentUntilAnotherBuild()
{
    const auto offersStart = [this](const QString& code) {
        m_search->pomocnaDialog()->hide();
        m_search->pomocna1Dialog()->hide();
        TPomocnaDialog* builder = choose(code);
        const bool current = builder && builder->isCurrent();
        if (builder)
            builder->hide();
        return current;
    };
    m_search->open();
    build(choose("2"));
    QVERIFY(offersStart("2"));
    QVERIFY(offersStart("5"));
    QVERIFY(!offersStart("6"));
    m_search->pomocnaDialog()->hide();
    build(choose("6"));
    QCOMPARE(keys(), QStringLiteral("0/1"));
    QVERIFY(offersStart("6"));
    QVERIFY(!offersStart("2"));
    // A carrier stored since the copy was made: the copy would list it as it was.
    TTable* table = m_sluzby->dataModule()->slotTable(1);
    QVERIFY(table->edit() && table->setFieldText("NAZEV", "Léto") && table->post());
    QVERIFY(!offersStart("6"));
    build(choose("6"));
    // Another kind choice: the per-track copy no longer fits.
    m_sluzby->kindChoice().setItem("NO3");
    QVERIFY(!offersStart("6"));
    // A copy of database 1, then a search from the window of database 3.
    m_search->pomocna1Dialog()->hide();
    build(choose("2"));
    najit()->hide();
    m_sluzby->slot = 3;
    m_search->open();
    QCOMPARE(najit()->slot(), 3);
    QVERIFY(!offersStart("2"));
    // With no window in front the dialog keeps the last slot.
    najit()->hide();
    m_sluzby->slot = 0;
    m_search->open();
    QCOMPARE(najit()->slot(), 3);
}

void TestSearchWindows::perCarrierBuildShowsEveryKind()
{
    TTable* table = m_sluzby->dataModule()->slotTable(1);
    QVERIFY(table->setFilter("DRUH = 'LP'"));
    QVERIFY(table->setFiltered(true));
    m_search->open();
    build(choose("6"));
    QVERIFY(table->filtered());
    QCOMPARE(m_kindResets, 0);
    QCOMPARE(rowsOf(*m_folder, "AudioI.dbf", {"A1"}), (QStringList{"Jasná zpráva", "Dej mi víc"}));
    m_search->pomocna1Dialog()->hide();
    build(choose("1"));
    QVERIFY(!table->filtered());
    QCOMPARE(m_kindResets, 1);
    QCOMPARE(m_folder->records("AudioI.dbf"), 3);
}

void TestSearchWindows::failedBuildGivesTheMainWindowBack()
{
    QVERIFY(QFile::remove(m_folder->data("Zaloha/AudioI.dbf")));
    m_folder->setKey("Kontrola", "Pomocna", "1");
    m_search->open();
    TPomocnaDialog* builder = choose("6");
    QVERIFY(builder);
    QPointer<TInfoNajitDialog> progress;
    connect(m_search.get(), &SearchWindows::buildStarted, this,
            [&](TInfoNajitDialog* started) { progress = started; });
    build(builder);
    QCOMPARE(keys(), QStringLiteral("0/0"));
    QVERIFY(!builder->isVisible() && !najit()->isVisible());
    QVERIFY(m_search->zpravaDialog()->isVisible());
    QVERIFY2(m_search->zpravaDialog()->message().contains("AudioI.dbf"),
             qPrintable(m_search->zpravaDialog()->message()));
    QTRY_VERIFY(!progress);
    CLICK(m_search->zpravaDialog(), TOfficeButton, "Ok");
    QVERIFY(m_sluzby->mainEnabled);
}

// A report that borrows the progress window fills the table its own way.
void TestSearchWindows::reportCopyIsNoSearchCopy()
{
    m_folder->setKey("Kontrola", "Pomocna", "1");
    m_folder->setKey("Kontrola", "Pomocna1", "2");
    auto* progress = new TInfoNajit1Dialog(*m_sluzby);
    QPointer<TInfoNajitDialog> alive(progress);
    QSignalSpy resumes(progress, &TInfoNajitDialog::searchResumes);
    progress->setRequest({0, {}, 1, "Tisk"});
    progress->start();
    QVERIFY(!m_sluzby->mainEnabled);
    progress->finish(true);
    QCOMPARE(keys(), QStringLiteral("0/0"));
    QVERIFY(m_sluzby->mainEnabled);
    QCOMPARE(resumes.count(), 0);
    QTRY_VERIFY(!alive);
}

void TestSearchWindows::resultListEntries()
{
    m_search->open();
    build(choose("6"));
    CLICK(m_search->pomocna1Dialog(), TOfficeLabel, "Zacit");
    QTreeView* tree = vysledek()->treeView();
    QCOMPARE(tree->model()->rowCount(), 2);
    QVERIFY(entry({"Jasná zpráva", "Jaro"}).isValid());
    QVERIFY(entry({"Jasná zpráva", "Zima"}).isValid());
    // A double click shows the carrier of the track.
    const QModelIndex zima = entry({"Dej mi víc", "Zima"});
    tree->expand(zima.parent());
    const QPoint at = tree->visualRect(zima).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(!vysledek()->isVisible());
    QCOMPARE(m_sluzby->dataModule()->slotTable(1)->fieldText("NAZEV"), QStringLiteral("Zima"));
}

void TestSearchWindows::listOpensAtItsTop()
{
    QList<Carrier> many;
    for (int n = 10; n < 60; ++n)
        many.append({QString::number(n), QStringLiteral("Deska %1").arg(n)});
    addCarriers(*m_folder, QStringLiteral("AudioS.dbf"), many);
    m_search->open();
    build(choose("1"));
    CLICK(m_search->pomocnaDialog(), TOfficeLabel, "Zacit");
    vysledek()->treeView()->scrollToBottom();
    CLICK(vysledek(), TOfficeButton, "Konec");
    m_search->open();
    CLICK(choose("1"), TOfficeLabel, "Zacit");
    QCOMPARE(vysledek()->treeView()->verticalScrollBar()->value(), 0);
}

void TestSearchWindows::carrierGoneSinceTheCopy()
{
    m_search->open();
    build(choose("2"));
    TTable* table = m_sluzby->dataModule()->slotTable(1);
    QVERIFY(table->first());
    QVERIFY(table->edit());
    QVERIFY(table->setFieldText("NAZEV", "Zima 2"));
    QVERIFY(table->post());
    QVERIFY(table->last());
    const QString before = table->fieldText("CISLO");
    CLICK(m_search->pomocnaDialog(), TOfficeLabel, "Zacit");
    vysledek()->treeView()->setCurrentIndex(entry({"Zima"}));
    CLICK(vysledek(), TOfficeButton, "Zobrazit");
    QCOMPARE(table->fieldText("CISLO"), before);
    QVERIFY(m_search->zpravaDialog()->isVisible());
    QVERIFY(m_search->zpravaDialog()->message().contains("Zima"));
}

void TestSearchWindows::reportCopiesFollowTheKindChoice_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("copy");
    QTest::addColumn<QStringList>("rows");
    const int titles = int(ReportCopies::Copy::Titles);
    const int performers = int(ReportCopies::Copy::Performers);
    const int full = int(ReportCopies::Copy::Full);
    QTest::newRow("titles of every kind")
        << "N0" << titles
        << QStringList{"1|Zima|Olympic|", "2|Jaro|Olympic|", "3|Kámen|Team|", "4|Bez autora||",
                       "5|Ó'Hara|O'Brien|"};
    QTest::newRow("performers of LPs")
        << "NO3" << performers
        << QStringList{"1|Zima|Olympic|", "3|Kámen|Team|", "5|Ó'Hara|O'Brien|", "6||Team|"};
    QTest::newRow("the whole carrier")
        << "NO4" << full << QStringList{"2|Jaro|Olympic|Jasná zpráva", "4|Bez autora||"};
}

// A report's copy takes the ticked kind whatever the window shows, and the
// search trusts neither of its copies afterwards.
void TestSearchWindows::reportCopiesFollowTheKindChoice()
{
    QFETCH(QString, kind);
    QFETCH(int, copy);
    QFETCH(QStringList, rows);
    addCarriers(
        *m_folder, "AudioS.dbf",
        {{"4", "Bez autora", "MC"}, {"5", "Ó'Hara", "LP", "O'Brien"}, {"6", "", "LP", "Team"}});
    m_sluzby->kindChoice().setItem(kind);
    m_folder->setKey("Kontrola", "Pomocna", "1");
    m_folder->setKey("Kontrola", "Pomocna1", "1");
    QSignalSpy builds(m_search.get(), &SearchWindows::buildStarted);
    QVERIFY(m_search->rebuildForReport(1, ReportCopies::Copy(copy)));
    QCOMPARE(builds.count(), 1);
    QCOMPARE(rowsOf(*m_folder, "AudioI.dbf", {"CISLO", "NAZEV", "INTERPRET", "A1"}), rows);
    QTRY_COMPARE(keys(), QStringLiteral("0/0"));
    QVERIFY(m_sluzby->mainEnabled);
}

void TestSearchWindows::pickersHandTheirEntryOver()
{
    addCarriers(*m_folder, "AudioS.dbf", {{"5", "Ó'Hara", "LP", "O'Brien"}});
    QVERIFY(m_search->rebuildForReport(1, ReportCopies::Copy::Performers));
    QStringList ran;
    const auto run = [&ran](const QString& key) { ran << key; };
    m_search->pickPerformer('T', run);
    TVysledek1Dialog* picker = m_search->vysledek1Dialog();
    QVERIFY(picker->isVisible());
    QVERIFY(!m_sluzby->mainEnabled);
    QCOMPARE(picker->confirmCaption(), QStringLiteral("Tisk"));
    const QStringList performers = {"O'Brien", "Olympic", "Team"};
    QCOMPARE(picker->treeView()->model()->rowCount(), performers.size());
    // The apostrophe goes over as it stands.
    picker->treeView()->setCurrentIndex(entry({"O'Brien"}, picker));
    QCOMPARE(picker->findChild<QLineEdit*>("K4")->text(), QStringLiteral("O'Brien"));
    CLICK(picker, TOfficeButton, "OfficeButton1");
    QCOMPARE(ran, QStringList{"O'Brien"});
    QVERIFY(!picker->isVisible());
    QCOMPARE(picker->findChild<QLineEdit*>("K1")->text(), QStringLiteral("0"));
    QVERIFY(m_sluzby->mainEnabled);

    // Enter runs the report even with no entry chosen.
    QVERIFY(m_search->rebuildForReport(1, ReportCopies::Copy::Full));
    m_search->pickTitle('N', '2', run);
    TVysledek2Dialog* titles = m_search->vysledek2Dialog();
    QCOMPARE(titles->confirmCaption(), QStringLiteral("Náhled"));
    QCOMPARE(titles->variant(), QChar('2'));
    QVERIFY(!titles->canShow());
    QTest::keyClick(titles, Qt::Key_Return);
    QCOMPARE(ran, (QStringList{"O'Brien", ""}));
    QVERIFY(!titles->isVisible());
}

QTEST_MAIN(TestSearchWindows)
#include "test_searchwindows.moc"
