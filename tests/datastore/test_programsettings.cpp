#include "IniFile.h"
#include "ProgramSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The program INI file by the meaning of its keys, written byte for byte as
// the INI file keeps foreign lines.
class TestProgramSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void flagsAreOneAndZero_data();
    void flagsAreOneAndZero();
    void searchCopyIsASlot();
    void resetLeavesTheRestAsItWas();
    void unwritableFileIsReported();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("Fonarium2000.ini")); }
    QByteArray bytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestProgramSettings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestProgramSettings::flagsAreOneAndZero_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("which");
    QTest::newRow("open standard") << "Otevreni"
                                   << "Databaze1" << 1;
    QTest::newRow("open optional 3") << "Otevreni"
                                     << "Databaze4" << 4;
    QTest::newRow("bar") << "Zobrazit"
                         << "PanelOutlook" << 20;
}

void TestProgramSettings::flagsAreOneAndZero()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(int, which);
    const ProgramSettings settings(path());
    const auto set = [&](bool on) {
        if (which < 10)
            return settings.setDatabaseOpen(which, on);
        return settings.setViewShown(key, on);
    };
    const auto get = [&] {
        if (which < 10)
            return settings.isDatabaseOpen(which);
        return settings.isViewShown(key);
    };
    QVERIFY(!get());
    QVERIFY(set(true));
    QCOMPARE(IniFile(path()).readString(section, key), QStringLiteral("1"));
    QVERIFY(get());
    QVERIFY(set(false));
    QCOMPARE(IniFile(path()).readString(section, key), QStringLiteral("0"));
    QVERIFY(!get());
    // Anything but "1" is off, as the program has always read it.
    QVERIFY(IniFile(path()).writeString(section, key, QStringLiteral("ano")));
    QVERIFY(!get());
}

// Which database the copy holds, not a flag: "2" is the second slot, and
// anything that names no slot is none.
void TestProgramSettings::searchCopyIsASlot()
{
    const ProgramSettings settings(path());
    const auto copy = ProgramSettings::SearchBuild::Pomocna1;
    QVERIFY(settings.setSearchCopy(copy, 2));
    QCOMPARE(IniFile(path()).readString("Kontrola", "Pomocna1"), QStringLiteral("2"));
    QCOMPARE(settings.searchCopy(copy), 2);
    QCOMPARE(settings.searchCopy(ProgramSettings::SearchBuild::Pomocna), 0);
    for (const char* odd : {"5", "ano", "-1", ""}) {
        QVERIFY(IniFile(path()).writeString("Kontrola", "Pomocna1", QString::fromLatin1(odd)));
        QCOMPARE(settings.searchCopy(copy), 0);
    }
}

void TestProgramSettings::resetLeavesTheRestAsItWas()
{
    const QByteArray before =
        "; vlastni poznamka\r\n[Otevreni]\r\nDatabaze1=1\r\nDatabaze3=1\r\n"
        "[Obrazek]\r\nObrazek=C:\\obr\\prední.bmp\r\n[Kontrola]\r\nPomocna=1\r\n"
        "Tipy=1\r\nPomocna1=1\r\n[Zobrazit]\r\nTipy=1\r\n";
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(before);
    file.close();
    const ProgramSettings settings(path());
    QCOMPARE(settings.picturePath(), QStringLiteral("C:\\obr\\prední.bmp"));
    QVERIFY(settings.resetRunKeys());
    QByteArray expected = before;
    expected.replace("Databaze1=1", "Databaze1=0")
        .replace("Databaze3=1", "Databaze3=0\r\nDatabaze2=0\r\nDatabaze4=0")
        .replace("Obrazek=C:\\obr\\prední.bmp", "Obrazek=")
        .replace("Pomocna=1", "Pomocna=0")
        .replace("Tipy=1\r\nPomocna1=1", "Tipy=0\r\nPomocna1=0");
    QCOMPARE(bytes(), expected);
    QCOMPARE(settings.picturePath(), QString());
    for (int slot = 1; slot <= 4; ++slot)
        QVERIFY(!settings.isDatabaseOpen(slot));
    QVERIFY(settings.isViewShown(QStringLiteral("Tipy")));
}

void TestProgramSettings::unwritableFileIsReported()
{
    // A folder where the file should be: nothing can be written, and every
    // write says so instead of pretending.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Fonarium2000.ini")));
    const ProgramSettings settings(path());
    QVERIFY(!settings.setDatabaseOpen(2, true));
    QVERIFY(!settings.setPicturePath(QStringLiteral("obrazek.bmp")));
    const Status reset = settings.resetRunKeys();
    QVERIFY(!reset);
    QVERIFY(!reset.message().isEmpty());
    QVERIFY(!settings.isDatabaseOpen(2));
}

QTEST_GUILESS_MAIN(TestProgramSettings)
#include "test_programsettings.moc"
