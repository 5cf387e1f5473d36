#include "EventSounds.h"

#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kNyquist = kSampleRate / 2.0;

struct Partial
{
    double ratio; // to the tone's frequency
    double level;
};

// One voice of a sound: it may glide from one pitch to another, rises over a short
// attack so that it starts without a click, decays exponentially and fades out at its
// end. Higher partials die away faster, as they do on a struck bell or a glass.
struct Tone
{
    double start = 0;      // s
    double length = 0;     // s
    double frequency = 0;  // Hz
    double glideTo = 0;    // Hz at the end, 0 for a steady pitch
    double level = 0;      // of full scale
    double decay = 0;      // 1/s
    double attack = 0.008; // s
    std::vector<Partial> partials = {{1.0, 1.0}};
};

struct Sound
{
    const char* name;
    double length; // s
    std::vector<Tone> tones;
};

const std::vector<Partial> kChime = {{1.0, 1.0}, {2.0, 0.25}, {3.0, 0.06}};
const std::vector<Partial> kBell = {{1.0, 1.0}, {2.76, 0.32}, {5.40, 0.10}, {8.93, 0.04}};
const std::vector<Partial> kWarm = {{1.0, 1.0}, {2.0, 0.18}};

// Pitches of the equal-tempered scale, A4 = 440 Hz.
constexpr double kB4 = 493.88;
constexpr double kC5 = 523.25;
constexpr double kG5 = 783.99;
constexpr double kA5 = 880.00;
constexpr double kFs5 = 739.99;
constexpr double kD6 = 1174.66;

const std::vector<Sound>& eventSounds()
{
    static const std::vector<Sound> sounds = {
        // The assistant arrives: a rising fifth.
        {"PomocnikStart.wav",
         0.62,
         {{0.00, 0.30, kC5, 0, 0.30, 6.0, 0.008, kChime},
          {0.13, 0.48, kG5, 0, 0.30, 5.0, 0.008, kChime}}},
        // The assistant leaves: the same fifth falling.
        {"PomocnikKonec.wav",
         0.62,
         {{0.00, 0.30, kG5, 0, 0.30, 6.0, 0.008, kChime},
          {0.13, 0.48, kC5, 0, 0.30, 5.0, 0.008, kChime}}},
        // A choice dialog opens: one soft bell stroke.
        {"Dialog.wav", 0.70, {{0.00, 0.69, kA5, 0, 0.30, 4.5, 0.006, kBell}}},
        // A question: a short note whose pitch then rises, like a voice asking.
        {"Dotaz.wav",
         0.45,
         {{0.00, 0.15, kB4, 0, 0.30, 2.0, 0.010, kWarm},
          {0.13, 0.31, kB4, kFs5, 0.30, 2.5, 0.020, kWarm}}},
        // Information: two tones struck together.
        {"Info.wav",
         0.50,
         {{0.00, 0.49, kA5, 0, 0.20, 7.0, 0.005, kChime},
          {0.00, 0.49, kD6, 0, 0.16, 8.0, 0.005, kChime}}},
        // A side-bar page turns: a quiet tick.
        {"Lista.wav", 0.06, {{0.00, 0.05, 1600.0, 0, 0.22, 90.0, 0.002, {{1.0, 1.0}}}}},
    };
    return sounds;
}

// A raised-cosine ramp from 0 to 1 over `length` seconds.
double ramp(double t, double length)
{
    if (t >= length)
        return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

double envelope(const Tone& tone, double t)
{
    constexpr double release = 0.020;
    return ramp(t, tone.attack) * ramp(tone.length - t, release) * std::exp(-tone.decay * t);
}

void addTone(std::vector<double>& mix, const Tone& tone)
{
    const auto first = static_cast<qsizetype>(tone.start * kSampleRate);
    const auto count = static_cast<qsizetype>(tone.length * kSampleRate);
    const double glideTo = tone.glideTo > 0 ? tone.glideTo : tone.frequency;
    double phase = 0;
    for (qsizetype i = 0; i < count && first + i < qsizetype(mix.size()); ++i) {
        const double t = double(i) / kSampleRate;
        double sample = 0;
        for (const Partial& p : tone.partials) {
            const double f = tone.frequency * p.ratio;
            if (f < kNyquist * 0.9)
                sample +=
                    p.level * std::exp(-tone.decay * (p.ratio - 1) * t) * std::sin(p.ratio * phase);
        }
        mix[first + i] += tone.level * envelope(tone, t) * sample;
        // An exponential glide sounds even in pitch from start to end.
        const double frequency =
            tone.frequency * std::pow(glideTo / tone.frequency, t / tone.length);
        phase += 2 * std::numbers::pi * frequency / kSampleRate;
    }
}

QByteArray pcm(const Sound& sound)
{
    std::vector<double> mix(static_cast<size_t>(sound.length * kSampleRate), 0.0);
    for (const Tone& tone : sound.tones)
        addTone(mix, tone);
    QByteArray data(qsizetype(mix.size()) * 2, Qt::Uninitialized);
    for (size_t i = 0; i < mix.size(); ++i) {
        const double clamped = std::clamp(mix[i], -1.0, 1.0);
        const auto value = static_cast<qint16>(std::lround(clamped * 32767));
        qToLittleEndian(value, data.data() + 2 * i);
    }
    return data;
}

void appendLe32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void appendLe16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

QByteArray wave(const QByteArray& samples)
{
    QByteArray out("RIFF");
    appendLe32(out, quint32(36 + samples.size()));
    out += "WAVEfmt ";
    appendLe32(out, 16);
    appendLe16(out, 1); // PCM
    appendLe16(out, 1); // mono
    appendLe32(out, kSampleRate);
    appendLe32(out, kSampleRate * 2); // bytes per second
    appendLe16(out, 2);               // bytes per sample frame
    appendLe16(out, 16);              // bits per sample
    out += "data";
    appendLe32(out, quint32(samples.size()));
    return out + samples;
}

Status writeNewFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    // NewOnly: a file that appeared since the lookup is still not overwritten.
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && file.write(data) == data.size() &&
        file.flush()) {
        return Status::ok();
    }
    const QString detail = file.errorString();
    if (file.isOpen())
        file.remove();
    return Status::error(QStringLiteral("Zvuk %1 se nepodařilo uložit.").arg(path), detail);
}

} // namespace

Status writeEventSounds(const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        return Status::error(
            QStringLiteral("Složku se zvuky %1 se nepodařilo vytvořit.").arg(folder));
    }
    for (const Sound& sound : eventSounds()) {
        const QString name = QString::fromLatin1(sound.name);
        if (ProgramFolder::fileExists(folder, name))
            continue;
        if (Status s = writeNewFile(ProgramFolder::findFile(folder, name), wave(pcm(sound))); !s)
            return s;
    }
    return Status::ok();
}
