// The alphabetical list of a large collection: reading the carriers it
// prints, laying out its pages and writing them as PDF.

#include "CarrierGenerator.h"
#include "ProgramFolder.h"
#include "ProgramLayout.h"
#include "ReportPainter.h"
#include "TTable.h"
#include "TTiskAbecedaDialog.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kCarriers = 20000;

struct Collection
{
    QTemporaryDir dir;
    QString path;
};

Collection& collection()
{
    static Collection c = [] {
        Collection made;
        if (!programlayout::layOut(made.dir.path()))
            std::abort();
        TTable carriers;
        carriers.setDatabaseName(ProgramFolder(made.dir.path()).dataFolder());
        carriers.setTableName(QStringLiteral("AudioS.dbf"));
        if (!carriers.open())
            std::abort();
        const Status s =
            CarrierGenerator(2000).fill(&carriers, nullptr, QStringLiteral("AS"), 1, kCarriers);
        if (!s)
            std::fprintf(stderr, "%s\n", qPrintable(s.toString()));
        made.path = carriers.filePath();
        return made;
    }();
    return c;
}

TTiskAbecedaDialog::Variant variantOf(const benchmark::State& state)
{
    return state.range(0) ? TTiskAbecedaDialog::Variant::Full : TTiskAbecedaDialog::Variant::Short;
}

void BM_AlphabeticalListRead(benchmark::State& state)
{
    const QString path = collection().path;
    TTiskAbecedaDialog list;
    for (auto _ : state) {
        if (!list.load(path, {}, TTiskAbecedaDialog::Variant::Full))
            state.SkipWithError("carriers not read");
    }
    state.counters["carriers"] = list.rows().rowCount();
}

void BM_AlphabeticalListLaidOut(benchmark::State& state)
{
    const QString path = collection().path;
    TTiskAbecedaDialog list;
    int pages = 0;
    for (auto _ : state) {
        list.load(path, {}, variantOf(state));
        const auto report = list.prepare();
        pages = report ? int(report->pages.size()) : 0;
    }
    state.counters["pages"] = pages;
}

void BM_AlphabeticalListToPdf(benchmark::State& state)
{
    Collection& c = collection();
    TTiskAbecedaDialog list;
    const QString pdf = c.dir.filePath(QStringLiteral("seznam.pdf"));
    for (auto _ : state) {
        list.load(c.path, {}, variantOf(state));
        const auto report = list.prepare();
        if (!report || !report::ReportPainter::writePdf(*report, pdf))
            state.SkipWithError("list not written");
    }
}

} // namespace

BENCHMARK(BM_AlphabeticalListRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlphabeticalListLaidOut)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlphabeticalListToPdf)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
