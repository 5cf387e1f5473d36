#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QtEndian>

// A short, quiet, well-formed WAV file: 8-bit mono, 8 kHz, a tenth of a second.
inline bool writeTestWav(const QString& path)
{
    const QByteArray samples(800, char(0x80));
    QByteArray wav;
    auto add32 = [&wav](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wav.append(b, 4);
    };
    auto add16 = [&wav](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wav.append(b, 2);
    };
    wav.append("RIFF");
    add32(36 + samples.size());
    wav.append("WAVEfmt ");
    add32(16);
    add16(1);    // PCM
    add16(1);    // mono
    add32(8000); // samples per second
    add32(8000); // bytes per second
    add16(1);    // block size
    add16(8);    // bits per sample
    wav.append("data");
    add32(samples.size());
    wav.append(samples);

    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size();
}
