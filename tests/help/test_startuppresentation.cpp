#include "HelpFolder.h"
#include "StartupPresentation.h"

#include <QTest>

using Steps = StartupPresentation::Steps;
Q_DECLARE_METATYPE(StartupPresentation::Steps)

namespace {
const QString kZobrazit = QStringLiteral("Zobrazit");
const QString kKontrola = QStringLiteral("Kontrola");
const QString kTipy = QStringLiteral("Tipy");
// A key given as this is removed from the settings file.
const QString kMissing = QStringLiteral("<missing>");

Steps steps(bool tips, bool welcome, bool assistant)
{
    return Steps{tips, welcome, assistant};
}

// Sets a key, or removes it from its section when `value` is kMissing.
void setKey(const QString& path, const QString& section, const QString& key, const QString& value)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    file.close();
    QStringList kept;
    QString current;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('[')))
            current = line.mid(1, line.indexOf(QLatin1Char(']')) - 1);
        const bool theKey = current.compare(section, Qt::CaseInsensitive) == 0 &&
                            line.startsWith(key + QLatin1Char('='), Qt::CaseInsensitive);
        if (!theKey)
            kept.append(line);
    }
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(kept.join(QLatin1Char('\n')).toUtf8());
    file.close();
    if (value != kMissing)
        QVERIFY(IniFile(path).writeString(section, key, value));
}
} // namespace

class TestStartupPresentation : public QObject
{
    Q_OBJECT

private slots:
    void startUp_data();
    void startUp();
    void firstClosingOfTheTips_data();
    void firstClosingOfTheTips();
    void laterClosingsOnlyStoreTheCheckBox_data();
    void laterClosingsOnlyStoreTheCheckBox();
    void crashedRunDoesNotSilenceTheNextOne();
};

void TestStartupPresentation::startUp_data()
{
    QTest::addColumn<QString>("tipy");
    QTest::addColumn<QString>("pomocnik");
    QTest::addColumn<QString>("uvitani");
    QTest::addColumn<Steps>("expected");

    QTest::newRow("tips on: only the tips window") << "1"
                                                   << "1"
                                                   << "1" << steps(true, false, false);
    QTest::newRow("tips on, figure closed last time") << "1"
                                                      << "0"
                                                      << "0" << steps(true, false, false);
    QTest::newRow("tips off: welcome and figure") << "0"
                                                  << "1"
                                                  << "1" << steps(false, true, true);
    QTest::newRow("tips off, welcome off: only the figure") << "0"
                                                            << "1"
                                                            << "0" << steps(false, false, true);
    QTest::newRow("tips off, figure closed: nothing") << "0"
                                                      << "0"
                                                      << "1" << steps(false, false, false);
    QTest::newRow("tips off, suite keys missing: nothing")
        << "0" << kMissing << kMissing << steps(false, false, false);
    QTest::newRow("tips key missing counts as on") << kMissing << "1"
                                                   << "1" << steps(true, false, false);
    QTest::newRow("tips key not a number counts as on") << "ano"
                                                        << "0"
                                                        << "0" << steps(true, false, false);
    QTest::newRow("any other number means off") << "2"
                                                << "1"
                                                << "0" << steps(false, false, true);
}

void TestStartupPresentation::startUp()
{
    QFETCH(QString, tipy);
    QFETCH(QString, pomocnik);
    QFETCH(QString, uvitani);
    QFETCH(Steps, expected);
    HelpFolder folder;
    setKey(folder.folder().programIniPath(), kZobrazit, kTipy, tipy);
    setKey(folder.folder().suiteIniPath(), QStringLiteral("Nastaveni"), QStringLiteral("Pomocnik"),
           pomocnik);
    setKey(folder.folder().suiteIniPath(), QStringLiteral("Nastaveni"), QStringLiteral("Uvitani"),
           uvitani);
    if (tipy == kMissing)
        QVERIFY(folder.readProgram(kZobrazit, kTipy).isEmpty());

    const Steps decided = StartupPresentation(folder.folder()).start();
    QCOMPARE(decided.tips, expected.tips);
    QCOMPARE(decided.welcome, expected.welcome);
    QCOMPARE(decided.assistant, expected.assistant);
}

void TestStartupPresentation::firstClosingOfTheTips_data()
{
    QTest::addColumn<QString>("pomocnik");
    QTest::addColumn<QString>("uvitani");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<Steps>("expected");

    QTest::newRow("figure and welcome") << "1"
                                        << "1" << true << steps(false, true, true);
    QTest::newRow("figure closed last time: the figure anyway")
        << "0"
        << "1" << true << steps(false, false, true);
    QTest::newRow("welcome switched off") << "1"
                                          << "0" << false << steps(false, false, true);
    QTest::newRow("neither") << "0"
                             << "0" << false << steps(false, false, true);
}

void TestStartupPresentation::firstClosingOfTheTips()
{
    QFETCH(QString, pomocnik);
    QFETCH(QString, uvitani);
    QFETCH(bool, checked);
    QFETCH(Steps, expected);
    HelpFolder folder;
    folder.writeSuite(QStringLiteral("Pomocnik"), pomocnik);
    folder.writeSuite(QStringLiteral("Uvitani"), uvitani);
    const StartupPresentation presentation(folder.folder());
    presentation.start();

    const Steps decided = presentation.tipsClosed(checked);
    QCOMPARE(decided.welcome, expected.welcome);
    QCOMPARE(decided.assistant, expected.assistant);
    QVERIFY(!decided.tips);
    QCOMPARE(folder.readProgram(kZobrazit, kTipy),
             checked ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(folder.readProgram(kKontrola, kTipy), QStringLiteral("1"));
    QCOMPARE(presentation.tipsAtStart(), checked);
}

void TestStartupPresentation::laterClosingsOnlyStoreTheCheckBox_data()
{
    QTest::addColumn<bool>("checked");
    QTest::newRow("box checked") << true;
    QTest::newRow("box cleared") << false;
}

void TestStartupPresentation::laterClosingsOnlyStoreTheCheckBox()
{
    QFETCH(bool, checked);
    HelpFolder folder;
    folder.writeSuite(QStringLiteral("Pomocnik"), QStringLiteral("1"));
    folder.writeSuite(QStringLiteral("Uvitani"), QStringLiteral("1"));
    const StartupPresentation presentation(folder.folder());
    presentation.start();
    presentation.tipsClosed(!checked);

    const Steps decided = presentation.tipsClosed(checked);
    QCOMPARE(decided, steps(false, false, false));
    QCOMPARE(presentation.tipsAtStart(), checked);
}

void TestStartupPresentation::crashedRunDoesNotSilenceTheNextOne()
{
    HelpFolder folder;
    folder.writeSuite(QStringLiteral("Pomocnik"), QStringLiteral("1"));
    folder.writeSuite(QStringLiteral("Uvitani"), QStringLiteral("1"));
    // The last run closed its tips window and never reached its exit.
    folder.writeProgram(kKontrola, kTipy, QStringLiteral("1"));

    const StartupPresentation presentation(folder.folder());
    QVERIFY(presentation.start().tips);
    QCOMPARE(folder.readProgram(kKontrola, kTipy), QStringLiteral("0"));
    QCOMPARE(presentation.tipsClosed(true), steps(false, true, true));
}

QTEST_GUILESS_MAIN(TestStartupPresentation)
#include "test_startuppresentation.moc"
