#include "CodePage.h"
#include "DiscReading.h"
#include "DiscSamples.h"
#include "TrackFill.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace discsamples;

namespace {

// 1:05, 0:59.6 and 3:45 in frames of 1/75 s.
const QList<int> kThreeTracks = {65 * 75, 4470, 225 * 75};

TrackFill::Record emptyRecord(const QString& kind)
{
    TrackFill::Record record{kind, {}, {}, {}, {}};
    for (int n = 0; n < TrackFill::kTracks; ++n) {
        record.titles.append(QString());
        record.values.append(QString());
    }
    return record;
}

QStringList filled(const QStringList& texts)
{
    QStringList taken;
    for (const QString& text : texts) {
        if (!text.isEmpty())
            taken.append(text);
    }
    return taken;
}

QByteArray mb(double megabytes)
{
    return QByteArray(qint64(megabytes * 1024 * 1024), 'x');
}

} // namespace

class TestDisc : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); }

    void cueImage_data();
    void cueImage();
    void tocImage();
    void audioFolder_data();
    void audioFolder();
    void dataFolderWithSubfolder();
    void moreThanThirtyEntries();
    void titlesFitTheRecord_data();
    void titlesFitTheRecord();
    void overwriteOnlyWhenTracksHoldText();
    void badSourcesLeaveTheRecord_data();
    void badSourcesLeaveTheRecord();
    void stoppedReading();
    void toolPrintsTheTracks_data();
    void toolPrintsTheTracks();

private:
    QTemporaryDir m_dir;
};

void TestDisc::cueImage_data()
{
    QTest::addColumn<bool>("cdText");
    QTest::addColumn<QString>("typedTitle");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("performer");
    QTest::newRow("CD-Text") << true << "" << QStringList{"Píseň 1", "Píseň 2", "Píseň 3"}
                             << "Deska"
                             << "Kapela";
    QTest::newRow("typed title stays")
        << true << "Můj název" << QStringList{"Píseň 1", "Píseň 2", "Píseň 3"} << "Můj název"
        << "Kapela";
    QTest::newRow("no CD-Text") << false << "" << QStringList{"Stopa 1", "Stopa 2", "Stopa 3"} << ""
                                << "";
}

void TestDisc::cueImage()
{
    QFETCH(bool, cdText);
    QFETCH(QString, typedTitle);
    QFETCH(QStringList, titles);
    QFETCH(QString, title);
    QFETCH(QString, performer);
    const QString folder = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(cdText ? writeCueImage(folder, kThreeTracks, {"Píseň 1", "Píseň 2", "Píseň 3"},
                                   "Kapela", "Deska")
                   : writeCueImage(folder, kThreeTracks));

    for (const QString& image : {folder + "/disk.cue", folder + "/disk.bin"}) {
        const disc::Reading reading = disc::readImage(image);
        QVERIFY2(reading.status, qPrintable(reading.status.toString()));
        TrackFill::Record record = emptyRecord(QString());
        record.title = typedTitle;
        const TrackFill::Result fill = TrackFill::plan(record, reading);
        QVERIFY(fill.status);
        QCOMPARE(fill.record.kind, QStringLiteral("Audio CD"));
        QCOMPARE(filled(fill.record.titles), titles);
        QCOMPARE(filled(fill.record.values), (QStringList{"1,05", "1,00", "3,45"}));
        QCOMPARE(fill.record.title, title);
        QCOMPARE(fill.record.performer, performer);
        QVERIFY(fill.notes.isEmpty());
    }
}

// A TOC file as cdrdao writes it, its language map over several lines.
void TestDisc::tocImage()
{
    const QString folder = m_dir.filePath(QStringLiteral("toc"));
    QVERIFY(writeCueImage(folder, kThreeTracks));
    QString toc =
        QStringLiteral("CD_DA\nCD_TEXT {\n  LANGUAGE_MAP {\n    0 : EN // English\n  }\n"
                       "  LANGUAGE 0 {\n    TITLE \"Deska\"\n    PERFORMER \"Kapela\"\n  }\n}\n");
    int start = 0;
    for (int n = 0; n < kThreeTracks.size(); ++n) {
        toc += QStringLiteral(
                   "TRACK AUDIO\nCD_TEXT {\n  LANGUAGE 0 {\n    TITLE \"Píseň %1\"\n  }\n}\n"
                   "FILE \"disk.bin\" %2 %3\n")
                   .arg(n + 1)
                   .arg(msf(start), msf(kThreeTracks.at(n)));
        start += kThreeTracks.at(n);
    }
    QVERIFY(writeFile(folder + "/disk.toc", toc.toUtf8()));
    const disc::Reading reading = disc::readImage(folder + "/disk.toc");
    QVERIFY2(reading.status, qPrintable(reading.status.toString()));
    const TrackFill::Result fill = TrackFill::plan(emptyRecord(QString()), reading);
    QCOMPARE(filled(fill.record.titles), (QStringList{"Píseň 1", "Píseň 2", "Píseň 3"}));
    QCOMPARE(filled(fill.record.values), (QStringList{"1,05", "1,00", "3,45"}));
    QCOMPARE(fill.record.title, QStringLiteral("Deska"));
}

void TestDisc::audioFolder_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("filledKind");
    QTest::addColumn<QStringList>("values");
    // 100 frames of 417 bytes are 2.6 s; the WAV lasts 1.5 s.
    const QString mp3Size = TrackFill::sizeText(100 * 417, QLocale());
    QTest::newRow("MP3 CD") << "Audio MP3 CD"
                            << "Audio MP3 CD" << QStringList{mp3Size, mp3Size, mp3Size, "0,02"};
    QTest::newRow("kind from the folder")
        << ""
        << "Audio MP3 CD" << QStringList{mp3Size, mp3Size, mp3Size, "0,02"};
    QTest::newRow("audio CD of files") << "Audio CD"
                                       << "Audio CD" << QStringList{"0,03", "0,03", "0,03", "0,02"};
}

void TestDisc::audioFolder()
{
    QFETCH(QString, kind);
    QFETCH(QString, filledKind);
    QFETCH(QStringList, values);
    const QString folder = m_dir.filePath(QStringLiteral("audio"));
    if (!QFileInfo::exists(folder)) {
        QVERIFY(writeFile(folder + "/10 y.mp3", mp3Frames(100)));
        QVERIFY(writeFile(folder + "/2 x.mp3", mp3Frames(100)));
        QVERIFY(writeFile(folder + "/1 bez názvu.mp3", mp3Frames(100)));
        QVERIFY(writeFile(folder + "/obal.jpg", QByteArray(300, 'j')));
        QVERIFY(writeFile(folder + "/zz/3 z.wav", wavSilence(1500)));
        QVERIFY(tag(folder + "/10 y.mp3", "Desátá", "Kapela"));
        QVERIFY(tag(folder + "/2 x.mp3", "Druhá", "Kapela"));
        QVERIFY(tag(folder + "/1 bez názvu.mp3", {}, "Kapela"));
        QVERIFY(tag(folder + "/zz/3 z.wav", "Ze složky", "Kapela"));
    }
    const disc::Reading reading = disc::readFolder(folder, TrackFill::folderContentFor(kind));
    QVERIFY2(reading.status, qPrintable(reading.status.toString()));
    const TrackFill::Result fill = TrackFill::plan(emptyRecord(kind), reading);
    QVERIFY(fill.status);
    QCOMPARE(fill.record.kind, filledKind);
    QCOMPARE(filled(fill.record.titles),
             (QStringList{"1 bez názvu", "Druhá", "Desátá", "Ze složky"}));
    QCOMPARE(filled(fill.record.values), values);
    QCOMPARE(fill.record.performer, QStringLiteral("Kapela"));
}

void TestDisc::dataFolderWithSubfolder()
{
    const QString folder = m_dir.filePath(QStringLiteral("data"));
    QVERIFY(writeFile(folder + "/Programy/a.bin", mb(0.75)));
    QVERIFY(writeFile(folder + "/Programy/hluboko/b.bin", mb(0.5)));
    QVERIFY(writeFile(folder + "/10 fotky.zip", mb(1.5)));
    QVERIFY(writeFile(folder + "/9 čti mě.txt", QByteArray(5243, 't')));
    for (const QString& kind : {QStringLiteral("Datové CD"), QString()}) {
        const TrackFill::Result fill = TrackFill::plan(
            emptyRecord(kind), disc::readFolder(folder, TrackFill::folderContentFor(kind)));
        QVERIFY2(fill.status, qPrintable(fill.status.toString()));
        QCOMPARE(fill.record.kind, QStringLiteral("Datové CD"));
        QCOMPARE(filled(fill.record.titles),
                 (QStringList{"9 čti mě.txt", "10 fotky.zip", "Programy"}));
        QCOMPARE(filled(fill.record.values), (QStringList{"0,01", "1,50", "1,25"}));
    }
}

void TestDisc::moreThanThirtyEntries()
{
    const QString folder = m_dir.filePath(QStringLiteral("many"));
    for (int n = 1; n <= 31; ++n)
        QVERIFY(writeFile(folder + QStringLiteral("/%1.txt").arg(n), "x"));
    const TrackFill::Result fill = TrackFill::plan(
        emptyRecord("Datové CD"), disc::readFolder(folder, disc::FolderContent::Entries));
    QVERIFY(fill.status);
    QCOMPARE(fill.record.titles.size(), TrackFill::kTracks);
    QCOMPARE(fill.record.titles.first(), QStringLiteral("1.txt"));
    QCOMPARE(fill.record.titles.last(), QStringLiteral("30.txt"));
    QCOMPARE(fill.notes.size(), 1);
    QVERIFY2(fill.notes.first().contains(QStringLiteral(" 1 dalších")),
             qPrintable(fill.notes.first()));
}

void TestDisc::titlesFitTheRecord_data()
{
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("stored");
    QTest::newRow("Czech stays") << "Žluťoučký kůň úpěl ďábelské ódy"
                                 << "Žluťoučký kůň úpěl ďábelské ódy";
    QTest::newRow("accents the page lacks") << "Sigur Rós – Ágætis byrjun, Øresund"
                                            << "Sigur Rós – Ágaetis byrjun, Oresund";
    QTest::newRow("no letter at all") << "Píseň 龍 ♫"
                                      << "Píseň ? ?";
    QTest::newRow("sign beyond the plane") << "Hudba 𝄞"
                                           << "Hudba ?";
    QTest::newRow("overlong") << QString(60, QLatin1Char('a')) << QString(50, QLatin1Char('a'));
    QTest::newRow("overlong and transliterated")
        << QStringLiteral("ø").repeated(55) << QStringLiteral("o").repeated(50);
}

// Through a tagged file, as a title arrives from a disc.
void TestDisc::titlesFitTheRecord()
{
    QFETCH(QString, read);
    QFETCH(QString, stored);
    const QString folder = m_dir.filePath(QStringLiteral("fit/") + QTest::currentDataTag());
    QVERIFY(writeFile(folder + "/1.mp3", mp3Frames(10)));
    QVERIFY(tag(folder + "/1.mp3", read, read));
    const TrackFill::Result fill = TrackFill::plan(
        emptyRecord("Audio MP3 CD"), disc::readFolder(folder, disc::FolderContent::AudioFiles));
    QVERIFY(fill.status);
    QCOMPARE(fill.record.titles.first(), stored);
    QCOMPARE(fill.record.performer, stored);
    const CodePage page = CodePage::forLanguageDriver(CodePage::kWindows1250);
    QVERIFY(page.encode(fill.record.titles.first()).has_value());
}

void TestDisc::overwriteOnlyWhenTracksHoldText()
{
    const QString folder = m_dir.filePath(QStringLiteral("overwrite"));
    QVERIFY(writeCueImage(folder, kThreeTracks));
    const disc::Reading reading = disc::readImage(folder + "/disk.cue");
    TrackFill::Record record = emptyRecord("Audio CD");
    record.title = QStringLiteral("Název");
    QVERIFY(!TrackFill::plan(record, reading).overwrites);
    record.values[29] = QStringLiteral("2,00");
    QVERIFY(TrackFill::plan(record, reading).overwrites);
}

void TestDisc::badSourcesLeaveTheRecord_data()
{
    QTest::addColumn<QString>("source"); // relative to the sample folder; "drive:" for a device
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("no drive") << "drive:/dev/fonarium-none"
                              << "Audio CD"
                              << "nelze otevřít";
    QTest::newRow("missing folder") << "nothing/"
                                    << "Datové CD"
                                    << "neexistuje";
    QTest::newRow("empty folder") << "empty/"
                                  << "Audio MP3 CD"
                                  << "je prázdná";
    QTest::newRow("no audio files") << "text/"
                                    << "Audio MP3 CD"
                                    << "nejsou žádné zvukové";
    QTest::newRow("unreadable file") << "broken mp3/"
                                     << "Audio MP3 CD"
                                     << "„špatný.mp3“";
    QTest::newRow("broken cue sheet") << "broken cue/disk.cue"
                                      << ""
                                      << "není platný obraz";
    QTest::newRow("data file missing") << "no bin/disk.cue"
                                       << ""
                                       << "„disk.bin“";
    QTest::newRow("bin without cue") << "no cue/disk.bin"
                                     << ""
                                     << "chybí cue soubor";
    QTest::newRow("missing image") << "nothing.cue"
                                   << ""
                                   << "neexistuje";
    QTest::newRow("broken iso") << "text/a.iso"
                                << ""
                                << "obraz datového disku";
    QTest::newRow("LP") << "image/disk.cue"
                        << "LP"
                        << "LP a MC";
    QTest::newRow("MC") << "image/disk.cue"
                        << "MC"
                        << "LP a MC";
    QTest::newRow("audio CD on a data CD") << "image/disk.cue"
                                           << "Datové CD"
                                           << "Audio CD";
}

void TestDisc::badSourcesLeaveTheRecord()
{
    QFETCH(QString, source);
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QString root = m_dir.filePath(QStringLiteral("bad"));
    if (!QFileInfo::exists(root)) {
        QVERIFY(QDir().mkpath(root + "/empty"));
        QVERIFY(writeFile(root + "/text/a.iso", "not an image"));
        QVERIFY(writeFile(root + "/broken mp3/1.mp3", mp3Frames(10)));
        QVERIFY(writeFile(root + "/broken mp3/špatný.mp3", "ID3 but nothing more"));
        QVERIFY(writeFile(root + "/broken cue/disk.bin", QByteArray(2352 * 75, 0)));
        QVERIFY(writeFile(root + "/broken cue/disk.cue",
                          "FILE \"disk.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 xx\n"));
        QVERIFY(writeCueImage(root + "/no bin", kThreeTracks));
        QVERIFY(QFile::remove(root + "/no bin/disk.bin"));
        QVERIFY(writeCueImage(root + "/no cue", kThreeTracks));
        QVERIFY(QFile::remove(root + "/no cue/disk.cue"));
        QVERIFY(writeCueImage(root + "/image", kThreeTracks, {"A", "B", "C"}, "P", "T"));
    }
    const QString path = root + QLatin1Char('/') + source;
    const disc::Reading reading =
        source.startsWith("drive:") ? disc::readDrive(source.mid(6))
        : source.endsWith('/')
            ? disc::readFolder(path.chopped(1), TrackFill::folderContentFor(kind))
            : disc::readImage(path);
    TrackFill::Record record = emptyRecord(kind);
    record.title = QStringLiteral("Název");
    record.titles[0] = QStringLiteral("Moje stopa");
    record.values[0] = QStringLiteral("4,20");
    const TrackFill::Result fill = TrackFill::plan(record, reading);
    QVERIFY(!fill.status);
    QVERIFY2(fill.status.message().contains(message), qPrintable(fill.status.message()));
    QCOMPARE(fill.record.kind, record.kind);
    QCOMPARE(fill.record.title, record.title);
    QCOMPARE(fill.record.titles, record.titles);
    QCOMPARE(fill.record.values, record.values);
}

void TestDisc::stoppedReading()
{
    const QString folder = m_dir.filePath(QStringLiteral("stopped"));
    QVERIFY(writeCueImage(folder, kThreeTracks));
    QVERIFY(writeFile(folder + "/1.mp3", mp3Frames(10)));
    const auto stop = [](int) { return false; };
    for (const disc::Reading& reading :
         {disc::readImage(folder + "/disk.cue", stop),
          disc::readFolder(folder, disc::FolderContent::AudioFiles, stop)}) {
        QCOMPARE(reading.status.message(), disc::cancelled().message());
        QVERIFY(reading.tracks.isEmpty());
    }
}

void TestDisc::toolPrintsTheTracks_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("audio CD") << "" << 0
                              << "\"Píseň, první\",\"1,05\"\nStopa 2,\"1,00\"\n"
                                 "Stopa 3,\"3,45\"\n"
                              << "";
    QTest::newRow("LP") << "LP" << 1 << ""
                        << "LP a MC";
    QTest::newRow("data CD") << "Datové CD" << 1 << ""
                             << "Zvolte druh nosiče Audio CD";
}

void TestDisc::toolPrintsTheTracks()
{
    QFETCH(QString, kind);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const QString folder = m_dir.filePath(QStringLiteral("tool"));
    if (!QFileInfo::exists(folder))
        QVERIFY(writeCueImage(folder, kThreeTracks, {"Píseň, první"}));
    QProcess tool;
    QStringList args{"tracks", folder + "/disk.cue"};
    if (!kind.isEmpty())
        args.append(kind);
    tool.start(QStringLiteral(FONARIUM_TOOL), args);
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), exitCode);
    QCOMPARE(QString::fromUtf8(tool.readAllStandardOutput()), out);
    QVERIFY(QString::fromUtf8(tool.readAllStandardError()).contains(err));
}

QTEST_GUILESS_MAIN(TestDisc)
#include "test_disc.moc"
