#include "IniFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <unistd.h>

namespace {

// The suite file as a sibling program leaves it: BOM, CRLF, comments, blank lines and
// a foreign section written in Windows-1250 ("Jiří Novák").
const QByteArray kKorvexCrlf =
    QByteArrayLiteral("\xEF\xBB\xBF; Spole\xC4\x8Dn\xC3\xA1 nastaven\xC3\xAD\r\n"
                      "; Neupravujte ru\xC4\x8Dn\xC4\x9B\r\n"
                      "\r\n"
                      "[Nastaveni]\r\n"
                      "Pomocnik=1\r\n"
                      "Uvitani = 0\r\n"
                      "; Vzhled=3\r\n"
                      "\r\n"
                      "[Kartoteka]\r\n"
                      "Autor=Ji\xF8\xED Nov\xE1k\r\n"
                      "Cesta=C:\\Korvex\\Kartoteka\r\n"
                      "\r\n");

QByteArray withLf(QByteArray data)
{
    return data.replace("\r\n", "\n");
}

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void missingReadsEmptyOrDefault_data();
    void missingReadsEmptyOrDefault();
    void namesMatchWithoutCase_data();
    void namesMatchWithoutCase();
    void valueIsTrimmedAndFirstWins_data();
    void valueIsTrimmedAndFirstWins();
    void integers_data();
    void integers();
    void integerReadsBackAsText();
    void encodings_data();
    void encodings();

    void unchangedLinesStayByteForByte_data();
    void unchangedLinesStayByteForByte();
    void newFileUsesLf();
    void lastLineWithoutBreakGetsOne();
    void windows1250KeyKeepsItsSpelling();
    void unicodeRoundTrip();
    void unusualNamesRoundTrip_data();
    void unusualNamesRoundTrip();
    void sameValueDoesNotRewrite();
    void refusedWritesLeaveFileAlone_data();
    void refusedWritesLeaveFileAlone();
    void fileIsReplacedNotRewritten();
    void unwritableLocationFails();

private:
    QString iniPath() const { return m_dir->filePath(QStringLiteral("Korvex.ini")); }
    void putFile(const QByteArray& data) const;
    QByteArray fileBytes() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestIniFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestIniFile::putFile(const QByteArray& data) const
{
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(data), data.size());
}

QByteArray TestIniFile::fileBytes() const
{
    QFile file(iniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestIniFile::missingReadsEmptyOrDefault_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");

    QTest::newRow("no file") << false << "Nastaveni"
                             << "Pomocnik";
    QTest::newRow("no section") << true << "Zobrazit"
                                << "Pomocnik";
    QTest::newRow("no key") << true << "Nastaveni"
                            << "Tipy";
    QTest::newRow("key in another section") << true << "Nastaveni"
                                            << "Autor";
    QTest::newRow("commented key") << true << "Nastaveni"
                                   << "Vzhled";
    QTest::newRow("section name is not a key") << true << "Nastaveni"
                                               << "Nastaveni";
}

void TestIniFile::missingReadsEmptyOrDefault()
{
    QFETCH(bool, fileExists);
    QFETCH(QString, section);
    QFETCH(QString, key);
    if (fileExists)
        putFile(kKorvexCrlf);

    const IniFile ini(iniPath());
    QCOMPARE(ini.readString(section, key), QString());
    QCOMPARE(ini.readInteger(section, key), 0);
    QCOMPARE(ini.readInteger(section, key, 7), 7);
    QCOMPARE(QFileInfo::exists(iniPath()), fileExists);
}

void TestIniFile::namesMatchWithoutCase_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("as written") << "Nastaveni"
                                << "Pomocnik"
                                << "1";
    QTest::newRow("upper") << "NASTAVENI"
                           << "POMOCNIK"
                           << "1";
    QTest::newRow("lower") << "nastaveni"
                           << "uvitani"
                           << "0";
    QTest::newRow("czech letters") << u("ŠKODA") << u("ŽLUŤ") << u("kůň");
    QTest::newRow("czech lower") << u("škoda") << u("žluť") << u("kůň");
    QTest::newRow("blanks around name") << " Nastaveni "
                                        << "\tPomocnik "
                                        << "1";
}

void TestIniFile::namesMatchWithoutCase()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    putFile(withLf(kKorvexCrlf) + u("[Škoda]\nŽluť=kůň\n").toUtf8());

    QCOMPARE(IniFile(iniPath()).readString(section, key), expected);
}

void TestIniFile::valueIsTrimmedAndFirstWins_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");

    QTest::newRow("blanks around") << QByteArray("[S]\nK =  a b  \n") << "a b";
    QTest::newRow("tabs") << QByteArray("[S]\n\tK\t=\tv\t\n") << "v";
    QTest::newRow("empty value") << QByteArray("[S]\nK=\n") << "";
    QTest::newRow("equals in value") << QByteArray("[S]\nK=a=b\n") << "a=b";
    QTest::newRow("duplicate key") << QByteArray("[S]\nK=first\nk=second\n") << "first";
    QTest::newRow("duplicate section")
        << QByteArray("[S]\nX=1\n[T]\nK=t\n[s]\nK=again\n") << "again";
    QTest::newRow("header with blanks") << QByteArray("[ S ]\nK=v\n") << "v";
    QTest::newRow("no final line break") << QByteArray("[S]\nK=last") << "last";
    QTest::newRow("key before any section") << QByteArray("K=none\n[S]\nK=v\n") << "v";
}

void TestIniFile::valueIsTrimmedAndFirstWins()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    putFile(content);

    QCOMPARE(IniFile(iniPath()).readString(QStringLiteral("S"), QStringLiteral("K")), expected);
}

void TestIniFile::integers_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("expected");

    QTest::newRow("plain") << QByteArray("42") << 42;
    QTest::newRow("zero") << QByteArray("0") << 0;
    QTest::newRow("negative") << QByteArray("-7") << -7;
    QTest::newRow("plus sign") << QByteArray("+5") << 5;
    QTest::newRow("blanks") << QByteArray("  12 ") << 12;
    QTest::newRow("largest") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("smallest") << QByteArray("-2147483648") << int(-2147483648LL);
    QTest::newRow("too large") << QByteArray("2147483648") << -1;
    QTest::newRow("far too large") << QByteArray("99999999999999999999") << -1;
    QTest::newRow("word") << QByteArray("ano") << -1;
    QTest::newRow("trailing letters") << QByteArray("12abc") << -1;
    QTest::newRow("inner blank") << QByteArray("1 2") << -1;
    QTest::newRow("sign only") << QByteArray("-") << -1;
    QTest::newRow("hexadecimal") << QByteArray("0x10") << -1;
    QTest::newRow("empty") << QByteArray("") << -1;
}

void TestIniFile::integers()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, expected);
    putFile("[Kontrola]\nPomocna=" + stored + "\n");

    QCOMPARE(
        IniFile(iniPath()).readInteger(QStringLiteral("Kontrola"), QStringLiteral("Pomocna"), -1),
        expected);
}

void TestIniFile::integerReadsBackAsText()
{
    const IniFile ini(iniPath());
    QVERIFY(ini.writeInteger(QStringLiteral("Kontrola"), QStringLiteral("Pomocna"), 3));
    QVERIFY(ini.writeInteger(QStringLiteral("Kontrola"), QStringLiteral("Pomocna1"), -12));

    QCOMPARE(ini.readString(QStringLiteral("kontrola"), QStringLiteral("pomocna")), "3");
    QCOMPARE(ini.readInteger(QStringLiteral("Kontrola"), QStringLiteral("Pomocna1")), -12);
    QCOMPARE(fileBytes(), QByteArray("[Kontrola]\nPomocna=3\nPomocna1=-12\n"));
}

void TestIniFile::encodings_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("expected");

    const QString horse = u("Žluťoučký kůň");
    QTest::newRow("utf-8") << horse.toUtf8() << horse;
    QTest::newRow("windows-1250") << QByteArray("\x8elu\x9dou\xe8k\xfd k\xf9\xf2") << horse;
    QTest::newRow("1250 quotes and euro") << QByteArray("\x84"
                                                        "a\x93 \x80")
                                          << u("„a“ €");
    QTest::newRow("undefined 1250 byte") << QByteArray("a\x81z") << QStringLiteral(u"a\x81z");
    QTest::newRow("truncated utf-8 is 1250") << QByteArray("\xC5") << u("Ĺ");
    QTest::newRow("overlong utf-8 is 1250") << QByteArray("\xC0\xAF") << u("ŔŻ");
    QTest::newRow("encoded surrogate is 1250") << QByteArray("\xED\xA1\x80") << u("íˇ€");
    QTest::newRow("four-byte utf-8") << QByteArray("\xF0\x9F\x8E\xB5") << u("🎵");
}

void TestIniFile::encodings()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, expected);
    // Each line is decoded on its own: the UTF-8 line next to it must not be affected.
    putFile("[S]\nK=" + stored + "\nL=" + u("ěšč").toUtf8() + "\n");

    const IniFile ini(iniPath());
    QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("K")), expected);
    QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("L")), u("ěšč"));
}

void TestIniFile::unchangedLinesStayByteForByte_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray crlf = kKorvexCrlf;
    const QByteArray lf = withLf(crlf);
    QTest::newRow("change, crlf") << crlf << "Nastaveni"
                                  << "Pomocnik"
                                  << "0" << QByteArray(crlf).replace("Pomocnik=1", "Pomocnik=0");
    QTest::newRow("change, other case")
        << crlf << "NASTAVENI"
        << "uvitani"
        << "1" << QByteArray(crlf).replace("Uvitani = 0", "Uvitani = 1");
    QTest::newRow("change, lf") << lf << "Nastaveni"
                                << "Pomocnik"
                                << "0" << QByteArray(lf).replace("Pomocnik=1", "Pomocnik=0");
    QTest::newRow("add key, crlf")
        << crlf << "Nastaveni"
        << "Vzhled"
        << "2" << QByteArray(crlf).replace("Uvitani = 0\r\n", "Uvitani = 0\r\nVzhled=2\r\n");
    QTest::newRow("add key, lf") << lf << "Nastaveni"
                                 << "Vzhled"
                                 << "2"
                                 << QByteArray(lf).replace("Uvitani = 0\n",
                                                           "Uvitani = 0\nVzhled=2\n");
    QTest::newRow("add key after 1250 line")
        << crlf << "Kartoteka"
        << "Verze"
        << "5" << QByteArray(crlf).replace("Kartoteka\r\n\r\n", "Kartoteka\r\nVerze=5\r\n\r\n");
    QTest::newRow("new section, crlf") << crlf << "Fonarium"
                                       << "Verze"
                                       << "5" << crlf + "[Fonarium]\r\nVerze=5\r\n";
    QTest::newRow("new section after text")
        << QByteArray("[A]\r\nB=1\r\n") << "Fonarium"
        << "Verze"
        << "5" << QByteArray("[A]\r\nB=1\r\n\r\n[Fonarium]\r\nVerze=5\r\n");
    QTest::newRow("section without keys") << QByteArray("[A]\n; nic\n[B]\n") << "a"
                                          << "K"
                                          << "v" << QByteArray("[A]\nK=v\n; nic\n[B]\n");
}

void TestIniFile::unchangedLinesStayByteForByte()
{
    QFETCH(QByteArray, original);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, expected);
    putFile(original);

    const IniFile ini(iniPath());
    const Status status = ini.writeString(section, key, value);
    QVERIFY2(status, qPrintable(status.toString()));

    QCOMPARE(fileBytes(), expected);
    QCOMPARE(ini.readString(section, key), value);
    QCOMPARE(ini.readString(QStringLiteral("Kartoteka"), QStringLiteral("Autor")),
             original.contains("Autor=") ? u("Jiří Novák") : QString());
}

void TestIniFile::newFileUsesLf()
{
    const IniFile ini(iniPath());
    QVERIFY(ini.writeString(QStringLiteral("Zobrazit"), QStringLiteral("Standardni"),
                            QStringLiteral("1")));
    QVERIFY(
        ini.writeString(QStringLiteral("Zobrazit"), QStringLiteral("Okna"), QStringLiteral("0")));
    QVERIFY(ini.writeString(QStringLiteral("Obrazek"), QStringLiteral("Obrazek"), QString()));

    QCOMPARE(fileBytes(), QByteArray("[Zobrazit]\nStandardni=1\nOkna=0\n\n[Obrazek]\nObrazek=\n"));
}

void TestIniFile::lastLineWithoutBreakGetsOne()
{
    putFile("[A]\r\nX=1");
    const IniFile ini(iniPath());
    QVERIFY(ini.writeString(QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("2")));
    QCOMPARE(fileBytes(), QByteArray("[A]\r\nX=2"));

    QVERIFY(ini.writeString(QStringLiteral("A"), QStringLiteral("Y"), QStringLiteral("3")));
    QCOMPARE(fileBytes(), QByteArray("[A]\r\nX=2\r\nY=3\r\n"));
}

void TestIniFile::windows1250KeyKeepsItsSpelling()
{
    // "[Šachy]" and "Žluť = kůň" in Windows-1250; the header line is not touched.
    putFile("[\x8a"
            "achy]\r\n\x8elu\x9d = k\xf9\xf2\r\n");
    const IniFile ini(iniPath());
    QVERIFY(ini.writeString(u("šachy"), u("žluť"), u("kráva")));

    QCOMPARE(fileBytes(), "[\x8a"
                          "achy]\r\n" +
                              u("Žluť = kráva").toUtf8() + "\r\n");
    QCOMPARE(ini.readString(u("Šachy"), u("Žluť")), u("kráva"));
}

void TestIniFile::unicodeRoundTrip()
{
    const IniFile ini(iniPath());
    const QString value = u("Uživatelsky definovatelná databáze programu Fonarium");
    QVERIFY(ini.writeString(QStringLiteral("Volitelne"), QStringLiteral("Data1"), value));

    QCOMPARE(ini.readString(QStringLiteral("Volitelne"), QStringLiteral("Data1")), value);
    QVERIFY(fileBytes().contains(value.toUtf8()));
}

void TestIniFile::unusualNamesRoundTrip_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");

    QTest::newRow("byte order mark starts a key") << "Nastaveni" << QStringLiteral(u"\xFEFFKlic");
    QTest::newRow("byte order mark section") << QStringLiteral(u"\xFEFF") << "Klic";
    QTest::newRow("bracket in key") << "Nastaveni"
                                    << "a]b";
    QTest::newRow("equals in section") << "a=b"
                                       << "Klic";
    QTest::newRow("section opening with bracket") << "[x"
                                                  << "Klic";
    QTest::newRow("inner blanks") << "Moje nastaveni"
                                  << "muj klic";
    QTest::newRow("semicolon inside key") << "Nastaveni"
                                          << "a;b";
    QTest::newRow("beyond the basic plane") << u("🎵") << u("𝄞");
}

void TestIniFile::unusualNamesRoundTrip()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    putFile(kKorvexCrlf);

    const IniFile ini(iniPath());
    QVERIFY(ini.writeString(section, key, QStringLiteral("first")));
    QVERIFY(ini.writeString(section, key, QStringLiteral("second")));

    QCOMPARE(ini.readString(section, key), QStringLiteral("second"));
    QCOMPARE(ini.readString(section.toUpper(), key.toUpper()), QStringLiteral("second"));
    QCOMPARE(ini.readString(QStringLiteral("Nastaveni"), QStringLiteral("Pomocnik")), "1");
}

void TestIniFile::sameValueDoesNotRewrite()
{
    putFile(kKorvexCrlf);
    const QDateTime past = QDateTime::currentDateTime().addDays(-3);
    {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(past, QFileDevice::FileModificationTime));
    }
    const IniFile ini(iniPath());
    QVERIFY(ini.writeString(QStringLiteral("nastaveni"), QStringLiteral("POMOCNIK"),
                            QStringLiteral("1")));
    QVERIFY(ini.writeInteger(QStringLiteral("Nastaveni"), QStringLiteral("Uvitani"), 0));
    QVERIFY(ini.writeString(QStringLiteral("Kartoteka"), QStringLiteral("Autor"), u("Jiří Novák")));

    QCOMPARE(QFileInfo(iniPath()).lastModified().toSecsSinceEpoch(), past.toSecsSinceEpoch());
    QCOMPARE(fileBytes(), kKorvexCrlf);
}

void TestIniFile::refusedWritesLeaveFileAlone_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("line feed in value") << "Nastaveni"
                                        << "Pomocnik"
                                        << "a\nb";
    QTest::newRow("crlf in value") << "Nastaveni"
                                   << "Novy"
                                   << "a\r\nb";
    QTest::newRow("cr at end of value") << "Nastaveni"
                                        << "Pomocnik"
                                        << "1\r";
    QTest::newRow("line feed in key") << "Nastaveni"
                                      << "Po\nmocnik"
                                      << "1";
    QTest::newRow("equals in key") << "Nastaveni"
                                   << "a=b"
                                   << "1";
    QTest::newRow("key like a comment") << "Nastaveni"
                                        << ";x"
                                        << "1";
    QTest::newRow("key like a header") << "Nastaveni"
                                       << "[x"
                                       << "1";
    QTest::newRow("bracket in section") << "Nast]aveni"
                                        << "Pomocnik"
                                        << "1";
    QTest::newRow("empty key") << "Nastaveni"
                               << "  "
                               << "1";
    QTest::newRow("empty section") << ""
                                   << "Pomocnik"
                                   << "1";
}

void TestIniFile::refusedWritesLeaveFileAlone()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    putFile(kKorvexCrlf);

    const Status status = IniFile(iniPath()).writeString(section, key, value);
    QVERIFY(!status);
    QVERIFY(!status.message().isEmpty());
    QCOMPARE(fileBytes(), kKorvexCrlf);
}

void TestIniFile::fileIsReplacedNotRewritten()
{
    putFile(kKorvexCrlf);
    // A second name for the old file: a file written in place would change under it too.
    const QString oldName = m_dir->filePath(QStringLiteral("old.ini"));
    QCOMPARE(
        ::link(QFile::encodeName(iniPath()).constData(), QFile::encodeName(oldName).constData()),
        0);

    QVERIFY(IniFile(iniPath()).writeString(QStringLiteral("Nastaveni"), QStringLiteral("Pomocnik"),
                                           QStringLiteral("0")));

    QFile old(oldName);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), kKorvexCrlf);
    QCOMPARE(fileBytes(), QByteArray(kKorvexCrlf).replace("Pomocnik=1", "Pomocnik=0"));
    const QStringList left = QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, QStringList({QStringLiteral("Korvex.ini"), QStringLiteral("old.ini")}));
}

void TestIniFile::unwritableLocationFails()
{
    const IniFile inMissingFolder(m_dir->filePath(QStringLiteral("Chybi/Korvex.ini")));
    const Status missing =
        inMissingFolder.writeString(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("1"));
    QVERIFY(!missing);
    QVERIFY(!missing.message().isEmpty());
    QVERIFY(!QFileInfo::exists(inMissingFolder.path()));

    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Slozka.ini")));
    const IniFile onFolder(m_dir->filePath(QStringLiteral("Slozka.ini")));
    QVERIFY(!onFolder.writeString(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("1")));
    QVERIFY(QFileInfo(onFolder.path()).isDir());
    QCOMPARE(onFolder.readString(QStringLiteral("A"), QStringLiteral("B")), QString());
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_inifile.moc"
