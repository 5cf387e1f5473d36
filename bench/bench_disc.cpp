// Reading a folder of 1,000 tagged MP3 files, as "Načíst stopy z disku..."
// reads a full MP3 disc, and planning the fill of a record from it.
#include "DiscReading.h"
#include "DiscSamples.h"
#include "TrackFill.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int kFiles = 1000;

const QString& folder()
{
    static QTemporaryDir dir;
    static const bool made = [] {
        const QByteArray frames = discsamples::mp3Frames(40);
        for (int n = 1; n <= kFiles; ++n) {
            const QString path =
                dir.filePath(QStringLiteral("CD%1/%2 skladba.mp3").arg(n / 100).arg(n));
            if (!discsamples::writeFile(path, frames) ||
                !discsamples::tag(path, QStringLiteral("Skladba č. %1").arg(n),
                                  QStringLiteral("Interpret")))
                std::abort();
        }
        return true;
    }();
    static const QString path = made ? dir.path() : QString();
    return path;
}

void BM_ReadMp3Folder(benchmark::State& state)
{
    const QString path = folder();
    TrackFill::Record record{QStringLiteral("Audio MP3 CD"), {}, {}, {}, {}};
    for (int n = 0; n < TrackFill::kTracks; ++n) {
        record.titles.append(QString());
        record.values.append(QString());
    }
    for (auto _ : state) {
        const disc::Reading reading = disc::readFolder(path, disc::FolderContent::AudioFiles);
        if (!reading.status || reading.tracks.size() != kFiles)
            std::abort();
        benchmark::DoNotOptimize(TrackFill::plan(record, reading));
    }
    state.counters["files"] = kFiles;
}
BENCHMARK(BM_ReadMp3Folder)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
