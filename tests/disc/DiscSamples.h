#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QtEndian>

#include <taglib/fileref.h>
#include <taglib/tag.h>

// Sources made on the spot: a BIN/CUE image of silence, MPEG audio frames
// and WAV files with tags written through TagLib, files of exact sizes.
namespace discsamples {

inline constexpr int kFramesPerSecond = 75;
inline constexpr int kSectorBytes = 2352;

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QString msf(int frames)
{
    return QStringLiteral("%1:%2:%3")
        .arg(frames / kFramesPerSecond / 60, 2, 10, QLatin1Char('0'))
        .arg(frames / kFramesPerSecond % 60, 2, 10, QLatin1Char('0'))
        .arg(frames % kFramesPerSecond, 2, 10, QLatin1Char('0'));
}

// Tracks of `frames` each (1/75 s) in one .bin of zero bytes beside its
// cue sheet; with `titles`, the sheet carries CD-Text.
inline bool writeCueImage(const QString& folder, const QList<int>& frames,
                          const QStringList& titles = {}, const QString& performer = {},
                          const QString& album = {})
{
    int total = 0;
    QString sheet;
    if (!performer.isEmpty())
        sheet += QStringLiteral("PERFORMER \"%1\"\n").arg(performer);
    if (!album.isEmpty())
        sheet += QStringLiteral("TITLE \"%1\"\n").arg(album);
    sheet += QStringLiteral("FILE \"disk.bin\" BINARY\n");
    for (int n = 0; n < frames.size(); ++n) {
        sheet += QStringLiteral("  TRACK %1 AUDIO\n").arg(n + 1, 2, 10, QLatin1Char('0'));
        if (n < titles.size())
            sheet += QStringLiteral("    TITLE \"%1\"\n").arg(titles.at(n));
        sheet += QStringLiteral("    INDEX 01 %1\n").arg(msf(total));
        total += frames.at(n);
    }
    // Silence without writing it: the file is only given its length.
    QFile bin(folder + QStringLiteral("/disk.bin"));
    return writeFile(bin.fileName(), {}) && bin.resize(qint64(total) * kSectorBytes) &&
           writeFile(folder + QStringLiteral("/disk.cue"), sheet.toUtf8());
}

// MPEG-1 Layer III at 128 kbit/s and 44.1 kHz: 417-byte frames of 26 ms.
inline QByteArray mp3Frames(int count)
{
    QByteArray frame(417, 0);
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);
    frame[2] = char(0x90);
    frame[3] = char(0x00);
    return frame.repeated(count);
}

// 16-bit mono PCM silence at 8 kHz.
inline QByteArray wavSilence(int milliseconds)
{
    const quint32 data = quint32(milliseconds) * 16;
    QByteArray bytes;
    const auto u32 = [&bytes](quint32 v) {
        bytes.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 4);
    };
    const auto u16 = [&bytes](quint16 v) {
        bytes.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 2);
    };
    bytes.append("RIFF");
    u32(36 + data);
    bytes.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(16000);
    u16(2);
    u16(16);
    bytes.append("data");
    u32(data);
    bytes.append(QByteArray(data, 0));
    return bytes;
}

inline bool tag(const QString& path, const QString& title, const QString& artist)
{
    TagLib::FileRef ref(QFile::encodeName(path).constData());
    if (ref.isNull() || !ref.tag())
        return false;
    if (!title.isEmpty())
        ref.tag()->setTitle(TagLib::String(title.toStdString(), TagLib::String::UTF8));
    if (!artist.isEmpty())
        ref.tag()->setArtist(TagLib::String(artist.toStdString(), TagLib::String::UTF8));
    return ref.save();
}

} // namespace discsamples
