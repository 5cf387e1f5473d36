// The table engine on a collection of 20,000 carriers. The collection is built
// once into a temporary program folder before the benchmarks run.
#include "CarrierGenerator.h"
#include "ProgramFolder.h"
#include "ProgramLayout.h"
#include "TTable.h"
#include "TableFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kCarriers = 20000;

struct Collection
{
    QTemporaryDir dir;
    QString dataFolder;
};

Collection& collection()
{
    static Collection c = [] {
        Collection made;
        programlayout::layOut(made.dir.path());
        made.dataFolder = ProgramFolder(made.dir.path()).dataFolder();
        TTable carriers;
        carriers.setDatabaseName(made.dataFolder);
        carriers.setTableName(QStringLiteral("AudioS.dbf"));
        carriers.setIndex(QStringLiteral("CISLO"));
        TTable loans;
        loans.setDatabaseName(made.dataFolder);
        loans.setTableName(QStringLiteral("Pujcovna.dbf"));
        if (!carriers.open() || !loans.open())
            std::abort();
        CarrierGenerator generator(2000);
        const Status s = generator.fill(&carriers, &loans, QStringLiteral("AS"), 1, kCarriers);
        if (!s)
            std::fprintf(stderr, "%s\n", qPrintable(s.toString()));
        return made;
    }();
    return c;
}

void setUp(TTable& table, const QString& name = QStringLiteral("AudioS.dbf"))
{
    table.setDatabaseName(collection().dataFolder);
    table.setTableName(name);
    table.setIndex(QStringLiteral("CISLO"));
}

int walk(TTable& table)
{
    int seen = 0;
    for (table.first(); !table.isEmpty(); table.next()) {
        benchmark::DoNotOptimize(table.fieldText(QStringLiteral("NAZEV")));
        ++seen;
        if (table.eof())
            break;
    }
    return seen;
}

void BM_OpenAndShowFirst(benchmark::State& state)
{
    collection();
    for (auto _ : state) {
        TTable table;
        setUp(table);
        table.open();
        benchmark::DoNotOptimize(table.fieldText(QStringLiteral("NAZEV")));
    }
}

void BM_WalkByIndex(benchmark::State& state, const char* index)
{
    TTable table;
    setUp(table);
    table.setIndex(QString::fromLatin1(index));
    table.open();
    for (auto _ : state)
        state.counters["records"] = walk(table);
}

void BM_SwitchIndexToTitle(benchmark::State& state)
{
    TTable table;
    setUp(table);
    table.open();
    for (auto _ : state) {
        table.setIndex(QStringLiteral("NAZEV"));
        table.setIndex(QStringLiteral("CISLO"));
    }
}

void BM_KindFilterWalk(benchmark::State& state)
{
    TTable table;
    setUp(table);
    table.open();
    table.setFilter(QStringLiteral("DRUH = 'LP'"));
    for (auto _ : state) {
        table.setFiltered(true);
        state.counters["records"] = walk(table);
        table.setFiltered(false);
    }
}

void BM_Post1000(benchmark::State& state)
{
    const QString source = collection().dataFolder + QStringLiteral("AudioS.dbf");
    for (auto _ : state) {
        state.PauseTiming();
        const QString copy = collection().dataFolder + QStringLiteral("Audio1.dbf");
        QFile::remove(copy);
        QFile::copy(source, copy);
        TTable table;
        setUp(table, QStringLiteral("Audio1.dbf"));
        table.open();
        state.ResumeTiming();
        CarrierGenerator generator(7);
        generator.fill(&table, nullptr, QStringLiteral("A1"), kCarriers + 1, 1000);
    }
}

// What a search build does: the auxiliary table is recreated and every carrier
// copied into it field by field.
void BM_CopyAllIntoAuxiliary(benchmark::State& state)
{
    const ProgramFolder folder(collection().dir.path());
    TTable source;
    setUp(source);
    source.open();
    const QStringList fields = source.fieldNames();
    for (auto _ : state) {
        tablefiles::recreateFromTemplate(folder.templateFolder(), folder.dataFolder(),
                                         QStringLiteral("AudioI"));
        TTable target;
        setUp(target, QStringLiteral("AudioI.dbf"));
        target.open();
        for (source.first();; source.next()) {
            if (source.eof())
                break;
            target.insert();
            for (const QString& field : fields)
                target.setFieldText(field, source.fieldValueText(field));
            target.post();
        }
        state.counters["records"] = target.recordCount();
    }
}

} // namespace

BENCHMARK(BM_OpenAndShowFirst)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WalkByIndex, CISLO, "CISLO")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WalkByIndex, NAZEV, "NAZEV")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchIndexToTitle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KindFilterWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Post1000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CopyAllIntoAuxiliary)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
