#include "ElectronicManual.h"
#include "ManualFiles.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

using namespace manualfiles;

class TestElectronicManual : public QObject
{
    Q_OBJECT

private slots:
    void installedWhenBothFilesAreThere_data();
    void installedWhenBothFilesAreThere();
    void startsTheLauncherWithTheStartPage_data();
    void startsTheLauncherWithTheStartPage();
    void fileGoneSinceStartDoesNothing_data();
    void fileGoneSinceStartDoesNothing();
    void launcherThatCannotRunFailsQuietly();
};

void TestElectronicManual::installedWhenBothFilesAreThere_data()
{
    QTest::addColumn<QString>("launcher");
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("installed");

    const QString page = QStringLiteral("Html/Fonarium2000/Index.htm");
    QTest::newRow("both") << "ManualKorvex.exe" << page << true;
    QTest::newRow("launcher without .exe") << "ManualKorvex" << page << true;
    QTest::newRow("other letter case")
        << "manualkorvex.EXE" << QStringLiteral("html/FONARIUM2000/index.HTM") << true;
    QTest::newRow("only the page") << QString() << page << false;
    QTest::newRow("only the launcher") << "ManualKorvex.exe" << QString() << false;
    QTest::newRow("neither") << QString() << QString() << false;
    QTest::newRow("page of another program")
        << "ManualKorvex.exe" << QStringLiteral("Html/Knihovna2000/Index.htm") << false;
    QTest::newRow("page folder without the page")
        << "ManualKorvex.exe" << QStringLiteral("Html/Fonarium2000/Obsah.htm") << false;
}

void TestElectronicManual::installedWhenBothFilesAreThere()
{
    QFETCH(QString, launcher);
    QFETCH(QString, page);
    QFETCH(bool, installed);
    QTemporaryDir program;
    if (!launcher.isEmpty())
        addLauncher(program.path(), launcher);
    if (!page.isEmpty())
        addPage(program.path(), page);

    const ElectronicManual manual{ProgramFolder(program.path())};
    QCOMPARE(manual.isInstalled(), installed);
}

void TestElectronicManual::startsTheLauncherWithTheStartPage_data()
{
    QTest::addColumn<QString>("launcher");
    QTest::addColumn<QString>("page");

    QTest::newRow("as installed") << "ManualKorvex"
                                  << "Html/Fonarium2000/Index.htm";
    QTest::newRow("page spelt otherwise") << "ManualKorvex"
                                          << "HTML/fonarium2000/INDEX.htm";
    QTest::newRow("launcher with .exe") << "ManualKorvex.exe"
                                        << "Html/Fonarium2000/Index.htm";
}

void TestElectronicManual::startsTheLauncherWithTheStartPage()
{
    QFETCH(QString, launcher);
    QFETCH(QString, page);
    QTemporaryDir program;
    addLauncher(program.path(), launcher);
    addPage(program.path(), page);

    const ElectronicManual manual{ProgramFolder(program.path())};
    QVERIFY(manual.start());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(launchedReport(program.path())), 10000);
    QFile report(launchedReport(program.path()));
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QStringList lines =
        QString::fromUtf8(report.readAll()).trimmed().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(QFileInfo(lines.at(0)).canonicalFilePath(),
             QFileInfo(program.path()).canonicalFilePath());
    // The page as it lies on the disk, relative to the working directory.
    QCOMPARE(lines.at(1), page);
    QVERIFY(QFileInfo(program.path() + QLatin1Char('/') + lines.at(1)).isFile());
}

void TestElectronicManual::fileGoneSinceStartDoesNothing_data()
{
    QTest::addColumn<bool>("removeLauncher");
    QTest::newRow("launcher gone") << true;
    QTest::newRow("page gone") << false;
}

void TestElectronicManual::fileGoneSinceStartDoesNothing()
{
    QFETCH(bool, removeLauncher);
    QTemporaryDir program;
    addLauncher(program.path(), QStringLiteral("ManualKorvex"));
    addPage(program.path(), ElectronicManual::startPage());
    const ElectronicManual manual{ProgramFolder(program.path())};
    QVERIFY(manual.isInstalled());

    QVERIFY(QFile::remove(program.path() + (removeLauncher
                                                ? QStringLiteral("/ManualKorvex")
                                                : QStringLiteral("/Html/Fonarium2000/Index.htm"))));
    QVERIFY(!manual.isInstalled());
    // Refused before anything is started: there is no process to wait for.
    QVERIFY(!manual.start());
    QVERIFY(!QFileInfo::exists(launchedReport(program.path())));
}

void TestElectronicManual::launcherThatCannotRunFailsQuietly()
{
    QTemporaryDir program;
    addLauncher(program.path(), QStringLiteral("ManualKorvex.exe"), false);
    addPage(program.path(), ElectronicManual::startPage());
    const ElectronicManual manual{ProgramFolder(program.path())};
    QVERIFY(manual.isInstalled());

    QElapsedTimer clock;
    clock.start();
    QVERIFY(!manual.start());
    QVERIFY(clock.elapsed() < 5000);
}

QTEST_GUILESS_MAIN(TestElectronicManual)
#include "test_electronicmanual.moc"
