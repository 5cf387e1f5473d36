#include "TZvuky.h"
#include "TestSounds.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestZvuky : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lookup_data();
    void lookup();
    void missingSoundIsSilent_data();
    void missingSoundIsSilent();
    void playingReturnsAtOnce();

private:
    QString m_previousDir;
    std::unique_ptr<QTemporaryDir> m_program;
    std::unique_ptr<QTemporaryDir> m_current;
};

void TestZvuky::init()
{
    m_previousDir = QDir::currentPath();
    m_program = std::make_unique<QTemporaryDir>();
    m_current = std::make_unique<QTemporaryDir>();
    QVERIFY(m_program->isValid() && m_current->isValid());
    QVERIFY(QDir::setCurrent(m_current->path()));
}

void TestZvuky::cleanup()
{
    QDir::setCurrent(m_previousDir);
    m_current.reset();
    m_program.reset();
}

void TestZvuky::lookup_data()
{
    QTest::addColumn<QStringList>("inCurrent"); // files in the current directory
    QTest::addColumn<QString>("soundFolder");   // name of the sound folder
    QTest::addColumn<QStringList>("inSoundFolder");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("found"); // "current/…", "sounds/…" or empty

    const QStringList none;
    QTest::newRow("in the sound folder")
        << none << "Zvuky" << QStringList{"Dialog.wav"} << "Dialog.wav"
        << "sounds/Dialog.wav";
    QTest::newRow("current directory comes first")
        << QStringList{"Dialog.wav"} << "Zvuky" << QStringList{"Dialog.wav"} << "Dialog.wav"
        << "current/Dialog.wav";
    QTest::newRow("other letter case in the sound folder")
        << none << "Zvuky" << QStringList{"DIALOG.WAV"} << "Dialog.wav"
        << "sounds/DIALOG.WAV";
    QTest::newRow("other letter case in the current directory")
        << QStringList{"dotaz.wav"} << "Zvuky" << QStringList{"Dotaz.wav"} << "Dotaz.wav"
        << "current/dotaz.wav";
    QTest::newRow("sound folder in capitals")
        << none << "ZVUKY" << QStringList{"Info.wav"} << "Info.wav"
        << "sounds/Info.wav";
    QTest::newRow("a folder of the same name is no sound")
        << QStringList{"Lista.wav/"} << "Zvuky" << QStringList{"Lista.wav"} << "Lista.wav"
        << "sounds/Lista.wav";
    QTest::newRow("another sound only") << QStringList{"Info.wav"} << "Zvuky"
                                        << QStringList{"Dotaz.wav"} << "Dialog.wav" << QString();
    QTest::newRow("no sound folder") << none << QString() << none << "Dialog.wav" << QString();
    QTest::newRow("no name") << QStringList{"Dialog.wav"} << "Zvuky" << QStringList{"Dialog.wav"}
                             << QString() << QString();
}

void TestZvuky::lookup()
{
    QFETCH(QStringList, inCurrent);
    QFETCH(QString, soundFolder);
    QFETCH(QStringList, inSoundFolder);
    QFETCH(QString, asked);
    QFETCH(QString, found);

    const QString current = m_current->path() + QLatin1Char('/');
    const QString sounds = m_program->path() + QLatin1Char('/') + soundFolder + QLatin1Char('/');
    for (const QString& name : inCurrent) {
        if (name.endsWith(QLatin1Char('/')))
            QVERIFY(QDir().mkpath(current + name));
        else
            QVERIFY(writeTestWav(current + name));
    }
    for (const QString& name : inSoundFolder)
        QVERIFY(writeTestWav(sounds + name));

    QString expected = found;
    expected.replace(QLatin1String("current/"), current);
    expected.replace(QLatin1String("sounds/"), sounds);
    const TZvuky zvuky(m_program->path());
    QCOMPARE(zvuky.find(asked), expected);
}

void TestZvuky::missingSoundIsSilent_data()
{
    QTest::addColumn<TZvuky::Udalost>("udalost");
    QTest::newRow("figure shown") << TZvuky::Udalost::PomocnikStart;
    QTest::newRow("figure closed") << TZvuky::Udalost::PomocnikKonec;
    QTest::newRow("choice") << TZvuky::Udalost::Dialog;
    QTest::newRow("question") << TZvuky::Udalost::Dotaz;
    QTest::newRow("information") << TZvuky::Udalost::Info;
    QTest::newRow("side bar") << TZvuky::Udalost::Lista;
}

void TestZvuky::missingSoundIsSilent()
{
    QFETCH(TZvuky::Udalost, udalost);
    QVERIFY(QDir(m_program->path()).mkdir(QStringLiteral("Zvuky")));
    TZvuky zvuky(m_program->path());
    QVERIFY(!zvuky.play(udalost));

    // The same event sounds once its file is there.
    const QString file = m_program->path() + QStringLiteral("/Zvuky/") + TZvuky::fileName(udalost);
    QVERIFY(writeTestWav(file));
    QCOMPARE(zvuky.find(TZvuky::fileName(udalost)), file);
}

void TestZvuky::playingReturnsAtOnce()
{
    QVERIFY(writeTestWav(m_program->path() + QStringLiteral("/Zvuky/Dialog.wav")));
    QVERIFY(writeTestWav(m_program->path() + QStringLiteral("/Zvuky/Dotaz.wav")));
    TZvuky zvuky(m_program->path());
    const bool device = !QMediaDevices::audioOutputs().isEmpty();

    QElapsedTimer clock;
    clock.start();
    // The second sound replaces the first; without a device both are silent.
    QCOMPARE(zvuky.play(TZvuky::Udalost::Dialog), device);
    QCOMPARE(zvuky.play(TZvuky::Udalost::Dotaz), device);
    QVERIFY(clock.elapsed() < 1000);
    QCoreApplication::processEvents();
    QCOMPARE(QDir::currentPath(), m_current->path());
}

QTEST_MAIN(TestZvuky)
#include "test_zvuky.moc"
