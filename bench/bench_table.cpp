// The table engine on sample collections: 20,000 carriers (with a per-track
// auxiliary table of about 300,000 rows built from them) and 99,999 carriers,
// the most a database holds. The collections are made once into temporary
// program folders by the sample-data generator before the benchmarks run.
//
// Memory figures come from a fresh copy of this program started with
// --memory, which opens the named tables the way the data module does and
// reports its own /proc/self/smaps_rollup.
#include "BulkWriter.h"
#include "CarrierGenerator.h"
#include "MemoryRollup.h"
#include "ProgramFolder.h"
#include "ProgramLayout.h"
#include "TTable.h"
#include "TableFiles.h"
#include "TableScan.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kCarriers = 20000;
constexpr int kMostCarriers = 99999;

const QStringList& copiedFields()
{
    static const QStringList fields = {"NAZEV",   "ZANR",   "DRUH",      "CISLO",
                                       "DELKA",   "CELKEM", "INTERPRET", "POZNAMKA",
                                       "PUJCENO", "DATUM",  "DATUM1"};
    return fields;
}

void check(const Status& s)
{
    if (!s) {
        std::fprintf(stderr, "%s\n", qPrintable(s.toString()));
        std::abort();
    }
}

struct Collection
{
    QTemporaryDir dir;
    QString dataFolder;
    QString templateFolder;
};

std::unique_ptr<Collection> makeCollection(int carriers)
{
    auto made = std::make_unique<Collection>();
    (void)programlayout::layOut(made->dir.path());
    const ProgramFolder folder(made->dir.path());
    made->dataFolder = folder.dataFolder();
    made->templateFolder = folder.templateFolder();
    BulkWriter table;
    BulkWriter loans;
    check(table.openForAppend(made->dataFolder + QStringLiteral("AudioS.dbf")));
    check(loans.openForAppend(made->dataFolder + QStringLiteral("Pujcovna.dbf")));
    CarrierGenerator generator(2000);
    check(generator.fill(&table, &loans, QStringLiteral("AS"), 1, carriers));
    check(table.finish());
    check(loans.finish());
    return made;
}

// What the per-carrier search build does: eleven fields of every carrier with
// a title, in evidence-number order, into a fresh auxiliary table.
int copyPerCarrier(const Collection& c)
{
    BulkWriter target;
    check(target.createFromTemplate(c.templateFolder, c.dataFolder, QStringLiteral("AudioI")));
    TableScan source(c.dataFolder + QStringLiteral("AudioS.dbf"), QStringLiteral("CISLO"));
    const auto plan = target.planCopy(source, copiedFields());
    const int title = source.fieldIndex(QStringLiteral("NAZEV"));
    while (source.next()) {
        if (QByteArray(source.rawField(title), 50).trimmed().isEmpty())
            continue;
        check(target.copyFields(source, plan));
        check(target.append());
    }
    const int rows = target.count();
    check(target.finish());
    return rows;
}

// What the per-track build does: one row per non-empty track, all first
// tracks, then all second tracks and so on.
int copyPerTrack(const Collection& c)
{
    BulkWriter target;
    check(target.createFromTemplate(c.templateFolder, c.dataFolder, QStringLiteral("AudioI")));
    TableScan source(c.dataFolder + QStringLiteral("AudioS.dbf"), QStringLiteral("CISLO"));
    for (int k = 1; k <= 30; ++k) {
        const QString track = QStringLiteral("A%1").arg(k);
        const auto plan = target.planCopy(source, copiedFields() + QStringList{"A1"},
                                          copiedFields() + QStringList{track});
        const int field = source.fieldIndex(track);
        source.rewind();
        while (source.next()) {
            if (QByteArray(source.rawField(field), 50).trimmed().isEmpty())
                continue;
            check(target.copyFields(source, plan));
            check(target.append());
        }
    }
    const int rows = target.count();
    check(target.finish());
    return rows;
}

Collection& collection()
{
    static std::unique_ptr<Collection> c = [] {
        auto made = makeCollection(kCarriers);
        copyPerTrack(*made);
        return made;
    }();
    return *c;
}

Collection& largest()
{
    static std::unique_ptr<Collection> c = makeCollection(kMostCarriers);
    return *c;
}

void setUp(TTable& table, const QString& folder, const QString& name = QStringLiteral("AudioS.dbf"),
           const QString& index = QStringLiteral("CISLO"))
{
    table.setDatabaseName(folder);
    table.setTableName(name);
    (void)table.setIndex(index);
}

int walk(TTable& table)
{
    int seen = 0;
    for ((void)table.first(); !table.isEmpty(); (void)table.next()) {
        benchmark::DoNotOptimize(table.fieldText(QStringLiteral("NAZEV")));
        ++seen;
        if (table.eof())
            break;
    }
    return seen;
}

void BM_OpenAndShowFirst(benchmark::State& state, Collection& (*which)())
{
    const QString folder = which().dataFolder;
    for (auto _ : state) {
        TTable table;
        setUp(table, folder);
        check(table.open());
        benchmark::DoNotOptimize(table.fieldText(QStringLiteral("NAZEV")));
        state.counters["records"] = table.recordCount();
    }
}

void BM_WalkByIndex(benchmark::State& state, const char* index)
{
    TTable table;
    setUp(table, collection().dataFolder, QStringLiteral("AudioS.dbf"), QString::fromLatin1(index));
    check(table.open());
    for (auto _ : state)
        state.counters["records"] = walk(table);
}

void BM_SwitchIndexToTitle(benchmark::State& state)
{
    TTable table;
    setUp(table, collection().dataFolder);
    check(table.open());
    for (auto _ : state) {
        check(table.setIndex(QStringLiteral("NAZEV")));
        state.PauseTiming();
        check(table.setIndex(QStringLiteral("CISLO")));
        state.ResumeTiming();
    }
}

// The first switch after opening computes the title keys of every record.
void BM_FirstSwitchToTitle(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        TTable table;
        setUp(table, collection().dataFolder);
        check(table.open());
        state.ResumeTiming();
        check(table.setIndex(QStringLiteral("NAZEV")));
    }
}

void BM_KindFilterWalk(benchmark::State& state)
{
    TTable table;
    setUp(table, collection().dataFolder);
    check(table.open());
    check(table.setFilter(QStringLiteral("DRUH = 'LP'")));
    for (auto _ : state) {
        check(table.setFiltered(true));
        state.counters["records"] = walk(table);
        check(table.setFiltered(false));
    }
}

void BM_Post1000(benchmark::State& state)
{
    const QString folder = collection().dataFolder;
    for (auto _ : state) {
        state.PauseTiming();
        const QString copy = folder + QStringLiteral("Audio1.dbf");
        QFile::remove(copy);
        QFile::copy(folder + QStringLiteral("AudioS.dbf"), copy);
        TTable table;
        setUp(table, folder, QStringLiteral("Audio1.dbf"));
        check(table.open());
        state.ResumeTiming();
        CarrierGenerator generator(7);
        check(generator.fill(&table, nullptr, QStringLiteral("A1"), kCarriers + 1, 1000));
    }
}

// Sample data through the bulk writer, as `fonarium-tool fill` makes it.
void BM_FillSample(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        (void)programlayout::layOut(dir.path());
        const QString data = ProgramFolder(dir.path()).dataFolder();
        state.ResumeTiming();
        BulkWriter table;
        BulkWriter loans;
        check(table.openForAppend(data + QStringLiteral("AudioS.dbf")));
        check(loans.openForAppend(data + QStringLiteral("Pujcovna.dbf")));
        CarrierGenerator generator(2000);
        check(generator.fill(&table, &loans, QStringLiteral("AS"), 1,
                             static_cast<int>(state.range(0))));
        check(table.finish());
        check(loans.finish());
    }
}

void BM_CopyPerCarrier(benchmark::State& state)
{
    // The per-track table the walks below use is made again afterwards.
    for (auto _ : state)
        state.counters["rows"] = copyPerCarrier(collection());
    copyPerTrack(collection());
}

void BM_CopyPerTrack(benchmark::State& state)
{
    for (auto _ : state)
        state.counters["rows"] = copyPerTrack(collection());
}

// A build's or a report's walk of the per-track table: ordering included.
void BM_ScanPerTrack(benchmark::State& state, const char* index)
{
    const QString path = collection().dataFolder + QStringLiteral("AudioI.dbf");
    for (auto _ : state) {
        TableScan scan(path, QString::fromLatin1(index));
        int rows = 0;
        while (scan.next()) {
            benchmark::DoNotOptimize(scan.fieldText(QStringLiteral("A1")));
            ++rows;
        }
        state.counters["rows"] = rows;
    }
}

// A result list's walk of the per-track table through its table object.
void BM_WalkPerTrack(benchmark::State& state, const char* index)
{
    TTable table;
    setUp(table, collection().dataFolder, QStringLiteral("AudioI.dbf"), QString::fromLatin1(index));
    check(table.open());
    for (auto _ : state)
        state.counters["rows"] = walk(table);
}

// Starts this program with --memory and the tables to open; reads back the
// kilobytes it reports.
void BM_Memory(benchmark::State& state, Collection& (*which)(), const char* tables)
{
    const QString folder = which().dataFolder;
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--memory"), folder, QString::fromLatin1(tables)});
        child.waitForFinished(120000);
        const QStringList figures = QString::fromLatin1(child.readAllStandardOutput()).split(' ');
        state.counters["anonymous_MB"] = figures.value(0).toDouble() / 1024;
        state.counters["private_dirty_MB"] = figures.value(1).toDouble() / 1024;
        state.counters["anon_plus_dirty_MB"] =
            (figures.value(0).toDouble() + figures.value(1).toDouble()) / 1024;
    }
}

// --memory <data folder> <table[,table...]>: open, show the first record, report.
int measureMemory(const QString& folder, const QString& tables)
{
    std::vector<std::unique_ptr<TTable>> open;
    for (const QString& name : tables.split(',')) {
        auto table = std::make_unique<TTable>();
        setUp(*table, folder, name);
        check(table->open());
        benchmark::DoNotOptimize(table->fieldText(QStringLiteral("NAZEV")));
        open.push_back(std::move(table));
    }
    return printPrivateMemory();
}

} // namespace

BENCHMARK_CAPTURE(BM_OpenAndShowFirst, 20000, collection)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAndShowFirst, 99999, largest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WalkByIndex, CISLO, "CISLO")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WalkByIndex, NAZEV, "NAZEV")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchIndexToTitle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstSwitchToTitle)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_KindFilterWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Post1000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FillSample)
    ->Arg(kCarriers)
    ->Arg(kMostCarriers)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_CopyPerCarrier)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_CopyPerTrack)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_ScanPerTrack, NAZEV, "NAZEV")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_ScanPerTrack, A1, "A1")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_WalkPerTrack, NAZEV, "NAZEV")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_WalkPerTrack, A1, "A1")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_Memory, 99999, largest, "AudioS.dbf")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Memory, 20000_and_per_track, collection, "AudioS.dbf,AudioI.dbf")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--memory") == 0)
        return measureMemory(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
