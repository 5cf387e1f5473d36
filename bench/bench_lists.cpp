// The alphabetical list of a large collection (20,000 carriers) as the
// program makes it: reading the carriers it prints, finding where its pages
// begin, writing it as PDF page by page, and the preview showing its first
// page. Runs without a display (QT_QPA_PLATFORM=offscreen). With
// FONARIUM_LISTS_TO set to a folder, the two lists are left there as PDF.
//
// Memory figures come from a fresh copy of this program started with
// --memory <0|1> <carriers>, which writes the short or full list and reports its own
// /proc/self/smaps_rollup while the prepared list is still held.

#include "MemoryRollup.h"
#include "ProgramFolder.h"
#include "ProgramLayout.h"
#include "ReportPainter.h"
#include "SampleCollection.h"
#include "TNahledSestavy.h"
#include "TTable.h"
#include "TTiskAbecedaDialog.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>

namespace {

constexpr int kCarriers = 20000;

SampleCollection& collection()
{
    static SampleCollection c(kCarriers);
    return c;
}

TTiskAbecedaDialog::Variant variantOf(bool full)
{
    return full ? TTiskAbecedaDialog::Variant::Full : TTiskAbecedaDialog::Variant::Short;
}

QString pdfPath(const QTemporaryDir& dir, bool full)
{
    const QString name =
        full ? QStringLiteral("seznam-uplny.pdf") : QStringLiteral("seznam-zkraceny.pdf");
    if (const QByteArray to = qgetenv("FONARIUM_LISTS_TO"); !to.isEmpty())
        return QDir(QString::fromLocal8Bit(to)).filePath(name);
    return dir.filePath(name);
}

// Read, paginated and written page by page; the pages written, 0 on failure.
int listToPdf(TTiskAbecedaDialog& list, const QString& carriers, const QString& pdf, bool full,
              const std::function<void()>& whileHeld = {})
{
    if (!list.load(carriers, {}, variantOf(full)))
        return 0;
    const auto report = list.engine().prepare();
    if (!report || !report::ReportPainter::writePdf(*report, pdf))
        return 0;
    if (whileHeld)
        whileHeld();
    return report->pageCount();
}

void BM_AlphabeticalListRead(benchmark::State& state)
{
    const QString path = collection().sourcePath;
    TTiskAbecedaDialog list;
    for (auto _ : state) {
        if (!list.load(path, {}, TTiskAbecedaDialog::Variant::Full))
            state.SkipWithError("carriers not read");
    }
    state.counters["carriers"] = list.rows().rowCount();
}

void BM_AlphabeticalListToPdf(benchmark::State& state)
{
    const bool full = state.range(0) != 0;
    TTiskAbecedaDialog list;
    QTemporaryDir dir;
    const QString pdf = pdfPath(dir, full);
    int pages = 0;
    for (auto _ : state) {
        pages = listToPdf(list, collection().sourcePath, pdf, full);
        if (pages <= 0)
            state.SkipWithError("list not written");
    }
    state.counters["pages"] = pages;
}

// From the choice of the list to its first page on the screen.
void BM_AlphabeticalListPreviewFirstPage(benchmark::State& state)
{
    TTiskAbecedaDialog list;
    for (auto _ : state) {
        if (!list.load(collection().sourcePath, {}, variantOf(state.range(0) != 0))) {
            state.SkipWithError("carriers not read");
            break;
        }
        auto report = list.engine().prepare();
        if (!report) {
            state.SkipWithError("list not laid out");
            break;
        }
        auto* preview = new TNahledSestavy(std::move(*report), nullptr, QString());
        preview->show();
        QCoreApplication::processEvents();
        state.counters["pages"] = preview->pageCount();
        preview->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The collection is the parent's, so that making it is not counted.
int measureMemory(bool full, const QString& carriers)
{
    QTemporaryDir dir;
    TTiskAbecedaDialog list;
    int status = 1;
    const auto measure = [&status] {
        status = printPrivateMemory();
        printPeakResident();
    };
    if (listToPdf(list, carriers, dir.filePath(QStringLiteral("seznam.pdf")), full, measure) <= 0)
        return 1;
    return status;
}

void BM_AlphabeticalListMemory(benchmark::State& state)
{
    const QString carriers = collection().sourcePath;
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--memory"), QString::number(state.range(0)), carriers});
        child.waitForFinished(300000);
        const QStringList figures = QString::fromLatin1(child.readAllStandardOutput()).split(' ');
        state.counters["anonymous_MB"] = figures.value(0).toDouble() / 1024;
        state.counters["private_dirty_MB"] = figures.value(1).toDouble() / 1024;
        state.counters["peak_resident_MB"] = figures.value(2).toDouble() / 1024;
    }
}

} // namespace

BENCHMARK(BM_AlphabeticalListRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlphabeticalListToPdf)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlphabeticalListPreviewFirstPage)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlphabeticalListMemory)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--memory") == 0)
        return measureMemory(qstrcmp(argv[2], "0") != 0, QString::fromLocal8Bit(argv[3]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
