#include "EventSounds.h"
#include "FileBytes.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <memory>

namespace {
const QStringList kNames = {
    QStringLiteral("PomocnikStart.wav"), QStringLiteral("PomocnikKonec.wav"),
    QStringLiteral("Dialog.wav"),        QStringLiteral("Dotaz.wav"),
    QStringLiteral("Info.wav"),          QStringLiteral("Lista.wav"),
};

quint32 le32(const QByteArray& data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

quint16 le16(const QByteArray& data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

qint16 sampleAt(const QByteArray& wav, qsizetype index)
{
    return qFromLittleEndian<qint16>(wav.constData() + 44 + 2 * index);
}

} // namespace

class TestEventSounds : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void eachSoundIsAShortPcmWave_data();
    void eachSoundIsAShortPcmWave();
    void soundsDiffer();
    void existingSoundIsKept_data();
    void existingSoundIsKept();
    void missingFolderIsCreated();
    void folderThatIsAFileFails();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestEventSounds::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestEventSounds::eachSoundIsAShortPcmWave_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : kNames)
        QTest::newRow(qPrintable(name)) << name;
}

void TestEventSounds::eachSoundIsAShortPcmWave()
{
    QFETCH(QString, name);
    const Status status = writeEventSounds(m_dir->path());
    QVERIFY2(status, qPrintable(status.toString()));

    const QByteArray wav = readAll(m_dir->filePath(name));
    QVERIFY(wav.size() > 44);
    QVERIFY(wav.size() < 40000);
    QCOMPARE(wav.first(4), QByteArray("RIFF"));
    QCOMPARE(le32(wav, 4), quint32(wav.size() - 8));
    QCOMPARE(wav.sliced(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(le32(wav, 16), 16u);         // fmt chunk size
    QCOMPARE(le16(wav, 20), quint16(1));  // PCM
    QCOMPARE(le16(wav, 22), quint16(1));  // mono
    QCOMPARE(le32(wav, 24), 22050u);      // sample rate
    QCOMPARE(le32(wav, 28), 22050u * 2);  // byte rate
    QCOMPARE(le16(wav, 32), quint16(2));  // block align
    QCOMPARE(le16(wav, 34), quint16(16)); // bits
    QCOMPARE(wav.sliced(36, 4), QByteArray("data"));
    const quint32 dataSize = le32(wav, 40);
    QCOMPARE(dataSize, quint32(wav.size() - 44));
    QCOMPARE(dataSize % 2, 0u);
    const qsizetype samples = dataSize / 2;
    QVERIFY(samples < 22050);

    // Silent at both ends, so that starting or cutting the sound does not click, and
    // loud enough to be heard without clipping.
    QVERIFY(qAbs(sampleAt(wav, 0)) < 100);
    QVERIFY(qAbs(sampleAt(wav, samples - 1)) < 100);
    int peak = 0;
    for (qsizetype i = 0; i < samples; ++i)
        peak = qMax(peak, qAbs(int(sampleAt(wav, i))));
    QVERIFY2(peak > 3000, qPrintable(QString::number(peak)));
    QVERIFY2(peak < 32000, qPrintable(QString::number(peak)));
}

void TestEventSounds::soundsDiffer()
{
    QVERIFY(writeEventSounds(m_dir->path()));

    QSet<QByteArray> contents;
    for (const QString& name : kNames)
        contents.insert(readAll(m_dir->filePath(name)));
    QCOMPARE(contents.size(), kNames.size());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), kNames.size());
}

void TestEventSounds::existingSoundIsKept_data()
{
    QTest::addColumn<QString>("existing");

    QTest::newRow("same name") << "Dialog.wav";
    QTest::newRow("other case") << "DIALOG.wav";
    QTest::newRow("lower case") << "lista.WAV";
}

void TestEventSounds::existingSoundIsKept()
{
    QFETCH(QString, existing);
    const QByteArray own("the user's own sound");
    {
        QFile file(m_dir->filePath(existing));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(own);
    }

    QVERIFY(writeEventSounds(m_dir->path()));

    QCOMPARE(readAll(m_dir->filePath(existing)), own);
    const QStringList files = QDir(m_dir->path()).entryList(QDir::Files);
    QCOMPARE(files.size(), kNames.size());
    for (const QString& name : kNames) {
        QVERIFY2(files.contains(name, Qt::CaseInsensitive), qPrintable(name));
        if (name.compare(existing, Qt::CaseInsensitive) != 0)
            QVERIFY(readAll(m_dir->filePath(name)).startsWith("RIFF"));
    }
}

void TestEventSounds::missingFolderIsCreated()
{
    const QString folder = m_dir->filePath(QStringLiteral("Fonarium2000/Zvuky"));
    QVERIFY(writeEventSounds(folder));

    for (const QString& name : kNames)
        QVERIFY(readAll(folder + QLatin1Char('/') + name).startsWith("RIFF"));
}

void TestEventSounds::folderThatIsAFileFails()
{
    const QString notAFolder = m_dir->filePath(QStringLiteral("Zvuky"));
    {
        QFile file(notAFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    const Status status = writeEventSounds(notAFolder);
    QVERIFY(!status);
    QVERIFY(!status.message().isEmpty());
}

QTEST_GUILESS_MAIN(TestEventSounds)
#include "test_eventsounds.moc"
