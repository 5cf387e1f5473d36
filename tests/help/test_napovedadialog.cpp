#include "FakeSluzby.h"
#include "HelpFolder.h"
#include "TBalloonDialog.h"
#include "TNapovedaDialog.h"
#include "TOdkazLabel.h"
#include "TOfficeLabel.h"

#include <QLabel>
#include <QTest>

#include <memory>

class TestNapovedaDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void balloon();
    void helpForTheCurrentOperation_data();
    void helpForTheCurrentOperation();
    void topicsFromTheList_data();
    void topicsFromTheList();
    void listLabelReturnsToTheList();
    void closingRestoresTheDatabaseIndicator_data();
    void closingRestoresTheDatabaseIndicator();

private:
    template <typename T> T* child(const QString& name) const;
    QString text(const QString& label) const;
    void clickOffice(const QString& name) const;

    std::unique_ptr<HelpFolder> m_folder;
    std::unique_ptr<FakeSluzby> m_sluzby;
    std::unique_ptr<TNapovedaDialog> m_dialog;
};

void TestNapovedaDialog::init()
{
    m_folder = std::make_unique<HelpFolder>();
    m_sluzby = std::make_unique<FakeSluzby>(m_folder->path());
    m_dialog = std::make_unique<TNapovedaDialog>(*m_sluzby);
}

void TestNapovedaDialog::cleanup()
{
    m_dialog.reset();
    m_sluzby.reset();
    m_folder.reset();
}

template <typename T> T* TestNapovedaDialog::child(const QString& name) const
{
    return m_dialog->findChild<T*>(name);
}

QString TestNapovedaDialog::text(const QString& label) const
{
    const auto* found = child<QLabel>(label);
    return found ? found->text() : QStringLiteral("<no %1>").arg(label);
}

void TestNapovedaDialog::clickOffice(const QString& name) const
{
    auto* label = child<TOfficeLabel>(name);
    QVERIFY2(label, qPrintable(name));
    QVERIFY2(label->isEnabled(), qPrintable(name));
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(8, 8));
}

void TestNapovedaDialog::balloon()
{
    QCOMPARE(m_dialog->objectName(), QStringLiteral("NapovedaDialog"));
    QCOMPARE(m_dialog->size(), QSize(250, 343));
    QCOMPARE(m_dialog->toolTip(), QStringLiteral("Nápověda programu Fonarium 2000"));
    QVERIFY(m_dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // Cut to the balloon: rounded corners and the tail at the bottom right.
    const QRegion shape = m_dialog->mask();
    QVERIFY(shape.contains(QPoint(125, 150)));
    QVERIFY(!shape.contains(QPoint(0, 0)));
    QVERIFY(!shape.contains(QPoint(5, 340)));
    QVERIFY(shape.contains(QPoint(250 - 18, 340)));
    // Light yellow, the classic colour value 14745599.
    const QImage picture = m_dialog->grab().toImage();
    QCOMPARE(picture.pixelColor(4, 150), QColor(0xff, 0xff, 0xe0));
    QCOMPARE(child<TOfficeLabel>(QStringLiteral("OfficeLabel1"))->toolTip(),
             QStringLiteral("Zobrazí úplný seznam témat nápovědy"));
    QCOMPARE(child<TOfficeLabel>(QStringLiteral("OfficeLabel2"))->caption(),
             QStringLiteral("Opustit nápovědu"));
}

void TestNapovedaDialog::helpForTheCurrentOperation_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<bool>("listShown");

    QTest::newRow("no database window: the list") << 0 << "Seznam témat nápovědy" << true;
    QTest::newRow("standard database active: working with it") << 1 << "Práce s databází" << false;
    QTest::newRow("optional database active: working with it") << 4 << "Práce s databází" << false;
}

void TestNapovedaDialog::helpForTheCurrentOperation()
{
    QFETCH(int, slot);
    QFETCH(QString, heading);
    QFETCH(bool, listShown);
    m_sluzby->slot = slot;
    m_sluzby->indicators.insert(QStringLiteral("SBO10"));

    m_dialog->showForCurrentOperation();
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(text(QStringLiteral("Label1")), heading);
    QCOMPARE(child<QWidget>(QStringLiteral("Panel1"))->isVisible(), listShown);
    QCOMPARE(m_dialog->isListMode(), listShown);
    // Placed as the help balloon beside the figure.
    QCOMPARE(m_sluzby->rules.size(), 1);
    QVERIFY(FakeSluzby::sameRule(m_sluzby->rules.first(), BalloonRule::help()));
    QCOMPARE(m_dialog->pos(),
             QPoint(m_sluzby->figure.x() + 104 - 250 - 40, m_sluzby->figure.y() - 343 + 30));
    QVERIFY(m_sluzby->isIndicatorVisible(QStringLiteral("SBO8")));
    QVERIFY(!m_sluzby->isIndicatorVisible(QStringLiteral("SBO10")));
    QVERIFY(!m_sluzby->mainEnabled);
    QVERIFY(!m_sluzby->assistantEnabled);
}

void TestNapovedaDialog::topicsFromTheList_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("listLabel");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("textStart");
    QTest::addColumn<QString>("additional");

    QTest::newRow("1 without additional text")
        << 1 << "Elektronický manuál"
        << "Elektronický manuál"
        << "Každý modul skupiny programů Korvex" << QString();
    QTest::newRow("2 export") << 2 << "Export dat do jiných programů"
                              << "Export dat do jiných programů"
                              << "Pokud budete chtít exportovat data z Fonarium 2000"
                              << "Soubory DBF mají názvy : AudioS (Standardní databáze) a "
                                 "Audio1 - 3 (podle čísla volitelné databáze)";
    QTest::newRow("3 quoted list label")
        << 3 << "Nabídka \"Zobrazit\""
        << "Nabídka zobrazit"
        << "Pomocí této nabídky máte možnost"
        << "Pokud používáte pouze jednu z možností ovládání programu (menu, nástrojové lišty "
           "nebo panel outlook), můžete schovat ostatní ovládací prvky.";
    QTest::newRow("5 as it stands")
        << 5 << "Otevření databáze"
        << "Otevření databáze"
        << "Program umožňuje otevřít čtyři nezávislé databáze."
        << "Pokud je název databáze přeškrtnut a tato databáze existuje a není ještě otevřena, "
           "použijte nabídku menu Nástroje > Obnovit nastavení v *.IŃI souboru.";
    QTest::newRow("13 heading as it stands")
        << 13 << "Výpůjční karta"
        << "Výpůjční kata"
        << "Pomocí výpůjčních karet"
        << "Je-li nápis červený, znamená to, že kniha byla zapůjčena.";
    QTest::newRow("14 last") << 14 << "Zrušení Standardní databáze"
                             << "Zrušení Standardní databáze"
                             << "Program umožňuje vymazat veškerá data" << QString();
}

void TestNapovedaDialog::topicsFromTheList()
{
    QFETCH(int, number);
    QFETCH(QString, listLabel);
    QFETCH(QString, heading);
    QFETCH(QString, textStart);
    QFETCH(QString, additional);
    // A topic with an additional text first, so that clearing it shows.
    m_dialog->setTopic(6);
    m_dialog->showForCurrentOperation();

    auto* line = child<TOdkazLabel>(QStringLiteral("Tema%1").arg(number));
    QVERIFY(line);
    QVERIFY(line->isVisible());
    QCOMPARE(line->text(), listLabel);
    QCOMPARE(line->y(), 4 + (number - 1) * 16);
    QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(4, 4));

    QCOMPARE(m_dialog->topic(), number);
    QVERIFY(!child<QWidget>(QStringLiteral("Panel1"))->isVisible());
    QCOMPARE(text(QStringLiteral("Label1")), heading);
    QVERIFY2(text(QStringLiteral("Label2")).startsWith(textStart),
             qPrintable(text(QStringLiteral("Label2"))));
    QCOMPARE(text(QStringLiteral("Label3")), additional);
    QCOMPARE(m_dialog->size(), QSize(250, 343));
}

void TestNapovedaDialog::listLabelReturnsToTheList()
{
    m_sluzby->slot = 2;
    m_dialog->showForCurrentOperation();
    QCOMPARE(m_dialog->topic(), TNapovedaDialog::kDatabaseTopic);
    clickOffice(QStringLiteral("OfficeLabel1"));
    QVERIFY(m_dialog->isListMode());
    QVERIFY(child<QWidget>(QStringLiteral("Panel1"))->isVisible());
    QCOMPARE(text(QStringLiteral("Label1")), QStringLiteral("Seznam témat nápovědy"));
    QVERIFY(m_dialog->isVisible());
}

void TestNapovedaDialog::closingRestoresTheDatabaseIndicator_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("byEscape");
    QTest::addColumn<bool>("databaseIndicator");

    QTest::newRow("database open, Opustit nápovědu") << 3 << false << true;
    QTest::newRow("database open, Esc") << 1 << true << true;
    QTest::newRow("no database, Opustit nápovědu") << 0 << false << false;
    QTest::newRow("no database, Esc") << 0 << true << false;
}

void TestNapovedaDialog::closingRestoresTheDatabaseIndicator()
{
    QFETCH(int, slot);
    QFETCH(bool, byEscape);
    QFETCH(bool, databaseIndicator);
    m_sluzby->slot = slot;
    if (slot != 0)
        m_sluzby->indicators.insert(QStringLiteral("SBO10"));
    m_dialog->showForCurrentOperation();

    if (byEscape) {
        m_dialog->setFocus();
        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    } else {
        clickOffice(QStringLiteral("OfficeLabel2"));
    }
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_sluzby->isIndicatorVisible(QStringLiteral("SBO10")), databaseIndicator);
    QVERIFY(!m_sluzby->isIndicatorVisible(QStringLiteral("SBO8")));
    QVERIFY(m_sluzby->mainEnabled);
    QVERIFY(m_sluzby->assistantEnabled);
}

QTEST_MAIN(TestNapovedaDialog)
#include "test_napovedadialog.moc"
