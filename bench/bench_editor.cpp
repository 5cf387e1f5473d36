// The record editor of a database window on a collection of 20,000 carriers:
// what a user waits for when stepping through records, choosing a kind and
// saving a record. Runs without a display (QT_QPA_PLATFORM=offscreen).
#include "CarrierGenerator.h"
#include "ProgramFolder.h"
#include "ProgramLayout.h"
#include "TDataModule1.h"
#include "TTable.h"
#include "TZaznamEditor.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kCarriers = 20000;

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
        programlayout::layOut(made.dir.path());
        const ProgramFolder folder(made.dir.path());
        made.data = std::make_unique<TDataModule1>(folder.dataFolder());
        TTable* carriers = made.data->slotTable(1);
        TTable* loans = made.data->table(7);
        if (!carriers->open() || !loans->open())
            std::abort();
        CarrierGenerator generator(2000);
        if (const Status s = generator.fill(carriers, loans, QStringLiteral("AS"), 1, kCarriers);
            !s)
            std::fprintf(stderr, "%s\n", qPrintable(s.toString()));
        carriers->first();
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
    table->first();
    for (auto _ : state) {
        editor->next();
        if (table->eof())
            editor->first();
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
        table->setFiltered(false);
        table->setFiltered(true);
        table->setFilter(tapes ? QStringLiteral("DRUH = 'MC'") : QStringLiteral("DRUH <> ' '"));
        QCoreApplication::processEvents();
    }
    table->setFilter(QStringLiteral("DRUH <> ' '"));
}

// Editing a carrier, changing one track and saving it with its total.
void BM_EditAndSave(benchmark::State& state)
{
    TZaznamEditor* editor = window().editor.get();
    editor->table()->first();
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

} // namespace

BENCHMARK(BM_NextRecord)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KindChoice)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditAndSave)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
