// The record editor of a database window on a collection of 20,000 carriers:
// what a user waits for when stepping through records, choosing a kind and
// saving a record, and the memory the program takes with the largest database
// open in its window. Runs without a display (QT_QPA_PLATFORM=offscreen).
#include "Aplikace.h"
#include "BulkWriter.h"
#include "CarrierGenerator.h"
#include "DatabaseWindows.h"
#include "MemoryRollup.h"
#include "ProgramFolder.h"
#include "ProgramLayout.h"
#include "TDataModule1.h"
#include "THlavniDialog.h"
#include "TOtevreniDialog.h"
#include "TTable.h"
#include "TZaznamEditor.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kCarriers = 20000;
constexpr int kMostCarriers = 99999;

// Sample carriers and their loan cards written into a laid-out program folder.
void fillSample(const QString& programFolder, int count)
{
    const QString data = ProgramFolder(programFolder).dataFolder();
    BulkWriter carriers;
    BulkWriter loans;
    Status s = carriers.openForAppend(data + QStringLiteral("AudioS.dbf"));
    if (s)
        s = loans.openForAppend(data + QStringLiteral("Pujcovna.dbf"));
    CarrierGenerator generator(2000);
    if (s)
        s = generator.fill(&carriers, &loans, QStringLiteral("AS"), 1, count);
    if (s)
        s = carriers.finish();
    if (s)
        s = loans.finish();
    if (!s) {
        std::fprintf(stderr, "%s\n", qPrintable(s.toString()));
        std::abort();
    }
}

struct Window
{
    QTemporaryDir dir;
    std::unique_ptr<TDataModule1> data;
    std::unique_ptr<TZaznamEditor> editor;
};

Window& window()
{
    static Window w = [] {
        Window made;
        (void)programlayout::layOut(made.dir.path());
        fillSample(made.dir.path(), kCarriers);
        const ProgramFolder folder(made.dir.path());
        made.data = std::make_unique<TDataModule1>(folder.dataFolder());
        TTable* carriers = made.data->slotTable(1);
        TTable* loans = made.data->table(7);
        if (!carriers->open() || !loans->open())
            std::abort();
        (void)carriers->first();
        made.editor = std::make_unique<TZaznamEditor>(made.data->dataSource(1));
        made.editor->show();
        return made;
    }();
    return w;
}

// One step to the next carrier, with every editor, the fill display and the
// loan mark following it; at the end the walk starts again.
void BM_NextRecord(benchmark::State& state)
{
    TZaznamEditor* editor = window().editor.get();
    TTable* table = editor->table();
    (void)table->first();
    for (auto _ : state) {
        (void)editor->next();
        if (table->eof())
            (void)editor->first();
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}

// Choosing a kind in the Nástroje menu: the window's filter is set and the
// editor shows the first carrier of that kind.
void BM_KindChoice(benchmark::State& state)
{
    TZaznamEditor* editor = window().editor.get();
    TTable* table = editor->table();
    bool tapes = false;
    for (auto _ : state) {
        tapes = !tapes;
        (void)table->setFiltered(false);
        (void)table->setFiltered(true);
        (void)table->setFilter(tapes ? QStringLiteral("DRUH = 'MC'")
                                     : QStringLiteral("DRUH <> ' '"));
        QCoreApplication::processEvents();
    }
    (void)table->setFilter(QStringLiteral("DRUH <> ' '"));
}

// Editing a carrier, changing one track and saving it with its total.
void BM_EditAndSave(benchmark::State& state)
{
    TZaznamEditor* editor = window().editor.get();
    (void)editor->table()->first();
    auto* track = editor->findChild<QLineEdit*>(QStringLiteral("T1"));
    int round = 0;
    for (auto _ : state) {
        if (!editor->editRecord())
            state.SkipWithError("edit refused");
        track->setText(QString::number(3 + (++round % 5)) + QStringLiteral(",15"));
        if (!editor->saveRecord())
            state.SkipWithError("save refused");
        QCoreApplication::processEvents();
    }
}

// --memory <program folder>: the standard database open in its record editor,
// then this process's anonymous and private dirty kilobytes.
int measureMemory(const QString& programFolder)
{
    TDataModule1 data(ProgramFolder(programFolder).dataFolder());
    if (!data.slotTable(1)->open())
        return 1;
    TZaznamEditor editor(data.dataSource(1));
    editor.show();
    QCoreApplication::processEvents();
    return printPrivateMemory();
}

// --memory-main <program folder>: the whole program, its main window up and
// the standard database open in its window, as a user opens it.
int measureMainWindowMemory(const QString& programFolder)
{
    Aplikace aplikace{ProgramFolder(programFolder), QString()};
    aplikace.create(nullptr);
    aplikace.hlavni()->showMaximized();
    if (!aplikace.databases()->otevreniDialog()->open(
            1, QStringLiteral("Standardní databáze programu Fonarium")))
        return 1;
    QCoreApplication::processEvents();
    return printPrivateMemory();
}

// A fresh copy of this program opens the largest database a slot holds, in
// the record editor alone or in the whole program.
void BM_MemoryWithWindow(benchmark::State& state, const char* mode)
{
    QTemporaryDir dir;
    (void)programlayout::layOut(dir.path());
    fillSample(dir.path(), kMostCarriers);
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(mode), dir.path()});
        child.waitForFinished(120000);
        const QStringList figures = QString::fromLatin1(child.readAllStandardOutput()).split(' ');
        state.counters["anonymous_MB"] = figures.value(0).toDouble() / 1024;
        state.counters["private_dirty_MB"] = figures.value(1).toDouble() / 1024;
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_MemoryWithWindow, editor, "--memory")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_MemoryWithWindow, program, "--memory-main")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_NextRecord)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KindChoice)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditAndSave)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--memory") == 0)
        return measureMemory(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && qstrcmp(argv[1], "--memory-main") == 0)
        return measureMainWindowMemory(QString::fromLocal8Bit(argv[2]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
