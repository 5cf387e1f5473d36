// The search on a collection of 20,000 generated carriers (15 tracks on
// average): the two builds of the auxiliary table and the result lists. The
// collection is built once into a temporary program folder.
#include "AuxiliaryBuild.h"
#include "BulkWriter.h"
#include "ProgramFolder.h"
#include "ProgramLayout.h"
#include "ResultList.h"
#include "SampleCollection.h"
#include "TTable.h"
#include "TableLayout.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kCarriers = 20000;

using Collection = SampleCollection;

Collection& collection()
{
    static Collection c(kCarriers);
    return c;
}

// Counts what a build shows without painting it.
class CountingProgress final : public search::BuildProgress
{
public:
    void setPhase(const QString&) override {}
    void setMaximum(int maximum) override { this->maximum = maximum; }
    void setPosition(int) override { ++steps; }

    int maximum = 0;
    long steps = 0;
};

// The largest private memory the process has held so far, in megabytes.
double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

Status buildCopy(search::Shape shape, CountingProgress& progress)
{
    const Collection& c = collection();
    search::BuildSource source{c.sourcePath, QStringLiteral("CISLO"), {}};
    return search::buildAuxiliaryTable(shape, ProgramFolder(c.dir.path()), source, progress);
}

void build(benchmark::State& state, search::Shape shape)
{
    collection();
    CountingProgress progress;
    for (auto _ : state) {
        progress = CountingProgress();
        if (Status s = buildCopy(shape, progress); !s)
            state.SkipWithError(qPrintable(s.toString()));
    }
    state.counters["rows"] = progress.maximum;
    state.counters["peak_MB"] = peakMegabytes();
}

void BM_PerCarrierBuild(benchmark::State& state)
{
    build(state, search::Shape::PerCarrier);
}
BENCHMARK(BM_PerCarrierBuild)->Unit(benchmark::kMillisecond);

void BM_PerTrackBuild(benchmark::State& state)
{
    build(state, search::Shape::PerTrack);
}
BENCHMARK(BM_PerTrackBuild)->Unit(benchmark::kMillisecond);

void list(benchmark::State& state, const QString& code, const QString& path)
{
    const search::Criterion* criterion = search::criterion(code);
    int entries = 0;
    for (auto _ : state) {
        search::ResultTree tree;
        if (Status s = search::fillResults(*criterion, path, &tree); !s)
            state.SkipWithError(qPrintable(s.toString()));
        entries = tree.nodeCount();
        benchmark::DoNotOptimize(tree);
    }
    state.counters["entries"] = entries;
}

// A copy whose 20,000 carriers all have titles of their own.
void BM_ResultListOfDistinctTitles(benchmark::State& state)
{
    const Collection& c = collection();
    const QString path = c.dataFolder + QStringLiteral("Distinct.dbf");
    BulkWriter writer;
    if (!writer.create(path, layouts::carrier(QStringLiteral("Distinct"))))
        std::abort();
    const QStringList words = {QStringLiteral("Čas"),  QStringLiteral("cesta"),
                               QStringLiteral("Dům"),  QStringLiteral("Řeka"),
                               QStringLiteral("ženy"), QStringLiteral("Chata")};
    for (int i = 0; i < kCarriers; ++i) {
        (void)writer.setFieldValueText(QStringLiteral("CISLO"), QString::number(i + 1));
        (void)writer.setFieldText(
            QStringLiteral("NAZEV"),
            QStringLiteral("%1 %2").arg(words.at(i % words.size())).arg((i * 7919) % 100003));
        (void)writer.append();
    }
    if (!writer.finish())
        std::abort();
    list(state, QStringLiteral("2"), path);
}
BENCHMARK(BM_ResultListOfDistinctTitles)->Unit(benchmark::kMillisecond);

void BM_ResultListOfTrackTitles(benchmark::State& state)
{
    CountingProgress progress;
    if (Status s = buildCopy(search::Shape::PerTrack, progress); !s)
        state.SkipWithError(qPrintable(s.toString()));
    list(state, QStringLiteral("6"), collection().dataFolder + QStringLiteral("AudioI.dbf"));
}
BENCHMARK(BM_ResultListOfTrackTitles)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
