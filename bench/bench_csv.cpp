// CSV out of and into a carrier database of 20,000 carriers: the export in
// index order, and the import (reading, checking every row, bulk writing)
// into an empty optional database.
#include "CsvExport.h"
#include "CsvImport.h"
#include "SampleCollection.h"
#include "TableFiles.h"
#include "TableScan.h"

#include <QBuffer>
#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int kCarriers = 20000;

SampleCollection& collection()
{
    static SampleCollection sample(kCarriers);
    return sample;
}

QByteArray exportOnce()
{
    TableScan scan(collection().sourcePath, QStringLiteral("CISLO"));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!csvexport::write(scan, &buffer))
        std::abort();
    return buffer.data();
}

void BM_ExportCsv(benchmark::State& state)
{
    qint64 bytes = 0;
    for (auto _ : state)
        bytes = exportOnce().size();
    state.SetItemsProcessed(state.iterations() * kCarriers);
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond);

void BM_ImportCsv(benchmark::State& state)
{
    const QByteArray file = exportOnce();
    const QString data = collection().dataFolder;
    const QString templates = data + QStringLiteral("Zaloha/");
    const QString target = tablefiles::dbfPath(data, QStringLiteral("Audio1"));
    for (auto _ : state) {
        state.PauseTiming();
        if (!tablefiles::recreateFromTemplate(templates, data, QStringLiteral("Audio1")))
            std::abort();
        state.ResumeTiming();
        CsvImport import(target);
        Status s = import.read(file);
        if (s)
            s = import.write();
        if (!s || import.rowCount() != kCarriers) {
            std::fprintf(stderr, "%s\n", qPrintable(s.toString()));
            std::abort();
        }
    }
    state.SetItemsProcessed(state.iterations() * kCarriers);
}
BENCHMARK(BM_ImportCsv)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    collection();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
