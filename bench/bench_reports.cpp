// The labels as a user waits for them: one label of a 30-track carrier laid
// out and written as PDF, and the booklet's preview opened. Runs without a
// display (QT_QPA_PLATFORM=offscreen). With FONARIUM_LABELS_TO set to a
// folder, the three labels are also left there as PDF files to be looked at.
#include "CarrierGenerator.h"
#include "ProgramFolder.h"
#include "ProgramLayout.h"
#include "ReportEngine.h"
#include "ReportPainter.h"
#include "TDataModule1.h"
#include "TNahledSestavy.h"
#include "TPopiskaReport.h"
#include "TTable.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

struct Carriers
{
    QTemporaryDir dir;
    std::unique_ptr<TDataModule1> data;
    QString ini;
};

Carriers& carriers()
{
    static Carriers c = [] {
        Carriers made;
        (void)programlayout::layOut(made.dir.path());
        const ProgramFolder folder(made.dir.path());
        made.ini = folder.programIniPath();
        made.data = std::make_unique<TDataModule1>(folder.dataFolder());
        TTable* table = made.data->slotTable(1);
        TTable* loans = made.data->table(7);
        if (!table->open() || !loans->open())
            std::abort();
        CarrierGenerator generator(2000);
        if (const Status s = generator.fill(table, loans, QStringLiteral("AS"), 1, 50); !s)
            std::fprintf(stderr, "%s\n", qPrintable(s.toString()));
        (void)table->first();
        for (int i = 1; i <= 30; ++i) {
            (void)table->edit();
            (void)table->setFieldText(QStringLiteral("A%1").arg(i),
                                      QStringLiteral("Skladba číslo %1").arg(i));
            (void)table->setFieldText(QStringLiteral("C%1").arg(i), QStringLiteral("3,%1").arg(i));
            (void)table->post();
        }
        return made;
    }();
    return c;
}

template <class Label> void labelToPdf(benchmark::State& state)
{
    Carriers& c = carriers();
    Label label(c.ini);
    const QString pdf = c.dir.filePath(QStringLiteral("label.pdf"));
    for (auto _ : state) {
        label.bind(QStringLiteral("Table1"), c.data->slotTable(1));
        const auto report = label.prepare();
        if (!report || !report::ReportPainter::writePdf(*report, pdf))
            state.SkipWithError("label not produced");
    }
    if (const QByteArray to = qgetenv("FONARIUM_LABELS_TO"); !to.isEmpty()) {
        if (const auto report = label.prepare())
            report::ReportPainter::writePdf(
                *report,
                QDir(QString::fromLocal8Bit(to)).filePath(label.name() + QStringLiteral(".pdf")));
    }
}

void BM_CassetteCardToPdf(benchmark::State& state)
{
    labelToPdf<TTiskMCDialog>(state);
}
void BM_BookletToPdf(benchmark::State& state)
{
    labelToPdf<TTiskCD1Dialog>(state);
}
void BM_TrayInlayToPdf(benchmark::State& state)
{
    labelToPdf<TTiskCD2Dialog>(state);
}

// The preview of a booklet from the choice to its first page on the screen.
void BM_BookletPreviewOpens(benchmark::State& state)
{
    Carriers& c = carriers();
    TTiskCD1Dialog label(c.ini);
    for (auto _ : state) {
        label.bind(QStringLiteral("Table1"), c.data->slotTable(1));
        const auto report = label.prepare();
        if (!report) {
            state.SkipWithError("label not produced");
            break;
        }
        auto* preview = new TNahledSestavy(*report, nullptr, c.ini);
        preview->show();
        QCoreApplication::processEvents();
        preview->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace

BENCHMARK(BM_BookletPreviewOpens)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CassetteCardToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BookletToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrayInlayToPdf)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
