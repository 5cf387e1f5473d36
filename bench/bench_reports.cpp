// The reports as a user waits for them: one label of a 30-track carrier laid
// out and written as PDF, and the alphabetical list of a large collection
// (20,000 carriers, short and full) written as PDF and opened in the preview.
// Runs without a display (QT_QPA_PLATFORM=offscreen). With FONARIUM_LABELS_TO
// set to a folder, the three labels and the two lists are also left there as
// PDF files to be looked at.
//
// Memory figures of the list come from a fresh copy of this program started
// with --memory, which makes the list and reports its own
// /proc/self/smaps_rollup.
#include "CarrierGenerator.h"
#include "MemoryRollup.h"
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
#include <QProcess>
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
        programlayout::layOut(made.dir.path());
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
        table->first();
        for (int i = 1; i <= 30; ++i) {
            table->edit();
            table->setFieldText(QStringLiteral("A%1").arg(i),
                                QStringLiteral("Skladba číslo %1").arg(i));
            table->setFieldText(QStringLiteral("C%1").arg(i), QStringLiteral("3,%1").arg(i));
            table->post();
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

// The alphabetical carrier list of a large collection.

constexpr int kListCarriers = 20000;

// Carriers in title order, with fields of the length a collection has.
class GeneratedCarriers final : public report::DataSet
{
public:
    explicit GeneratedCarriers(int count)
    {
        static const char* const words[] = {
            "Adagio", "Balada",  "Cesta", "Dálnice", "Exil", "Fantazie", "Horizont", "Ikarus",
            "Jaro",   "Krajina", "Láska", "Město",   "Noc",  "Oceán",    "Píseň",    "Řeka",
            "Světlo", "Tango",   "Údolí", "Vítr",    "Zima", "Žár"};
        static const char* const names[] = {"Karel Kryl",    "Marta Kubišová", "Olympic",
                                            "Pražský výběr", "Hana Hegerová",  "Jaromír Nohavica",
                                            "Lucie",         "Václav Neckář",  "Yvonne Přenosilová",
                                            "Katapult"};
        static const char* const kinds[] = {"Audio CD", "LP", "MC", "Datové CD", "Audio MP3 CD"};
        static const char* const genres[] = {"Rock",           "Jazz",  "Folk",     "Pop",
                                             "Klasická hudba", "Blues", "Dechovka", "Oldies"};
        const QString note = QStringLiteral(
            "Nahráno živě v sále Lucerna, remasterovaná edice s bonusovými skladbami; obal "
            "mírně poškozený, booklet s texty a fotografiemi, zapůjčeno naposledy kamarádovi "
            "na chatu. ");
        m_rows.reserve(count);
        for (int i = 0; i < count; ++i) {
            const int w = int(std::size(words));
            Row row;
            row.title =
                QStringLiteral("%1 %2 – %3 č. %4")
                    .arg(QString::fromUtf8(words[(i / w / w) % w]),
                         QString::fromUtf8(words[(i / w) % w]), QString::fromUtf8(words[i % w]))
                    .arg(i + 1);
            row.performer = QString::fromUtf8(names[(i * 7) % std::size(names)]);
            row.number = QString::number(i + 1);
            row.kind = QString::fromUtf8(kinds[i % std::size(kinds)]);
            row.genre = QString::fromUtf8(genres[(i * 3) % std::size(genres)]);
            row.date =
                QStringLiteral("%1.%2.%3").arg(1 + i % 28).arg(1 + i % 12).arg(1990 + i % 30);
            row.note = note.left(60 + (i * 37) % (note.size() - 60));
            m_rows.append(row);
        }
        std::sort(m_rows.begin(), m_rows.end(),
                  [](const Row& a, const Row& b) { return a.title < b.title; });
    }

    int rowCount() const override { return int(m_rows.size()); }
    QString text(int row, const QString& field) const override
    {
        const Row& r = m_rows.at(row);
        if (field == QLatin1String("NAZEV"))
            return r.title;
        if (field == QLatin1String("INTERPRET"))
            return r.performer;
        if (field == QLatin1String("CISLO"))
            return r.number;
        if (field == QLatin1String("DRUH"))
            return r.kind;
        if (field == QLatin1String("ZANR"))
            return r.genre;
        if (field == QLatin1String("DATUM1"))
            return r.date;
        if (field == QLatin1String("POZNAMKA"))
            return r.note;
        return {};
    }

private:
    struct Row
    {
        QString title, performer, number, kind, genre, date, note;
    };
    QList<Row> m_rows;
};

report::Element listElement(const char* name, report::ElementKind kind, const char* text,
                            QRectF box, qreal points, bool bold = false)
{
    report::Element e;
    e.name = QString::fromLatin1(name);
    e.kind = kind;
    e.text = QString::fromUtf8(text);
    e.box = box;
    e.font = {QStringLiteral("Times New Roman"), points, bold, false};
    return e;
}

// The list's page, bands and boxes in millimetres; `full` prints all three
// rows of each carrier, otherwise only the first. With `growingNote` the note
// makes its band taller instead of being cut, so that every row is measured.
report::ReportLayout listLayout(bool full, bool growingNote = false)
{
    using report::ElementKind;
    const ElementKind text = ElementKind::Text;
    const ElementKind field = ElementKind::Field;
    report::Band header{report::BandKind::PageHeader, 15.6, {}, {}};
    header.elements = {
        listElement("QRLabel5", text, "Abecední seznam nosičů", {57.7, 0.3, 74.9, 8.5}, 20, true),
        listElement("QRLabel8", text, "Aktuální satav ze dne :", {1.6, 8.5, 28.0, 4.5}, 8),
        listElement("QRSysData2", ElementKind::Date, "", {30.4, 8.5, 8.2, 4.5}, 8),
        listElement("QRLabel7", text, "Použitý výběr :", {117.5, 8.5, 19.1, 4.5}, 8),
        listElement("QRLabel9", text, "Všechny druhy", {137.1, 8.5, 24.1, 4.5}, 8),
        listElement("QRLabel14", text, "-", {162.5, 8.5, 1.3, 4.5}, 8),
        listElement("QRLabel12", text, "Všechny nosiče", {164.6, 8.5, 24.1, 4.5}, 8),
    };
    for (const char* grows : {"QRLabel9", "QRLabel12"}) {
        for (report::Element& e : header.elements) {
            if (e.name == QLatin1String(grows)) {
                e.grows = true;
                e.alignment = Qt::AlignHCenter | Qt::AlignTop;
            }
        }
    }
    report::Band detail{report::BandKind::Detail, full ? 24.34 : 6.35, {}, {}};
    detail.elements = {
        listElement("QRLabel15", text, " - ", {0.8, 0.0, 2.9, 5.0}, 10),
        listElement("N1", field, "NAZEV", {4.2, 0.0, 77.3, 5.0}, 10, true),
        listElement("QRLabel2", text, "Interpret :", {83.3, 0.0, 14.0, 5.0}, 10),
        listElement("I1", field, "INTERPRET", {97.6, 0.0, 57.4, 5.0}, 10, true),
        listElement("QRLabel1", text, "Číslo nosiče :", {156.6, 0.0, 19.1, 5.0}, 10),
        listElement("NO1", field, "CISLO", {176.7, 0.0, 11.1, 5.0}, 10, true),
        listElement("QRLabel6", text, "Druh nosiče :", {4.2, 6.9, 19.1, 5.0}, 10),
        listElement("D2", field, "DRUH", {24.3, 6.9, 37.3, 5.0}, 10),
        listElement("QRLabel10", text, "Hudební žánr :", {63.0, 6.9, 20.6, 5.0}, 10),
        listElement("Z1", field, "ZANR", {84.1, 6.9, 34.9, 5.0}, 10),
        listElement("QRLabel13", text, "Datum pořízení :", {143.4, 6.9, 23.0, 5.0}, 10),
        listElement("D1", field, "DATUM1", {167.2, 6.9, 20.6, 5.0}, 10),
        listElement("QRLabel11", text, "Poznámka :", {4.2, 12.2, 15.9, 5.0}, 10),
        listElement("P1", field, "POZNAMKA", {21.2, 12.2, 166.4, 11.4}, 10),
    };
    detail.elements.last().grows = growingNote;
    report::Band footer{report::BandKind::PageFooter, 6.3, {}, {}};
    footer.elements = {
        listElement("QRLabel3", text, "Strana :", {1.6, 0.8, 10.0, 4.0}, 8),
        listElement("QRSysData1", ElementKind::PageNumber, "", {11.9, 0.8, 10.0, 4.0}, 8),
        listElement("QRLabel4", text, "Kavona Design '99", {166.7, 0.8, 22.0, 4.0}, 8),
    };
    report::ReportLayout layout;
    layout.name = QStringLiteral("TTiskAbecedaDialog");
    layout.bands = {header, detail, footer};
    return layout;
}

const GeneratedCarriers& listCarriers()
{
    static const GeneratedCarriers carriers(kListCarriers);
    return carriers;
}

// The list as the program writes it: where pages begin found first, then
// each page laid out as it is painted.
int listToPdf(report::ReportEngine& engine, const QString& pdf,
              const std::function<void()>& whileHeld = {})
{
    const auto report = engine.prepare();
    if (!report || !report::ReportPainter::writePdf(*report, pdf))
        return 0;
    if (whileHeld)
        whileHeld();
    return report->pageCount();
}

TNahledSestavy* openListPreview(report::ReportEngine& engine)
{
    auto report = engine.prepare();
    if (!report)
        return nullptr;
    return new TNahledSestavy(std::move(*report), nullptr, QString());
}

void BM_ListToPdf(benchmark::State& state)
{
    const bool full = state.range(0) != 0;
    report::ReportEngine engine(listLayout(full));
    engine.setDataSet(&listCarriers());
    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("seznam.pdf"));
    if (const QByteArray to = qgetenv("FONARIUM_LABELS_TO"); !to.isEmpty())
        pdf = QDir(QString::fromLocal8Bit(to))
                  .filePath(full ? QStringLiteral("seznam-uplny.pdf")
                                 : QStringLiteral("seznam-zkraceny.pdf"));
    int pages = 0;
    for (auto _ : state) {
        pages = listToPdf(engine, pdf);
        if (pages <= 0)
            state.SkipWithError("list not written");
    }
    state.counters["pages"] = pages;
    state.counters["pdf_MB"] = QFileInfo(pdf).size() / 1048576.0;
}

// From the choice of the full list to its first page on the screen; with
// argument 1 the notes grow, and finding where pages begin measures each.
void BM_ListPreviewFirstPage(benchmark::State& state)
{
    report::ReportEngine engine(listLayout(true, state.range(0) != 0));
    engine.setDataSet(&listCarriers());
    for (auto _ : state) {
        TNahledSestavy* preview = openListPreview(engine);
        if (!preview) {
            state.SkipWithError("list not laid out");
            break;
        }
        preview->show();
        QCoreApplication::processEvents();
        state.counters["pages"] = preview->pageCount();
        preview->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// --memory-list <0|1>: the short or full list written as PDF, then this
// process's anonymous and private dirty kilobytes and its peak resident set.
int measureListMemory(bool full)
{
    QTemporaryDir dir;
    report::ReportEngine engine(listLayout(full));
    engine.setDataSet(&listCarriers());
    int status = 1;
    // Measured while the laid-out report is still held, as a preview holds it.
    const auto measure = [&status] {
        status = printPrivateMemory();
        printPeakResident();
    };
    if (listToPdf(engine, dir.filePath(QStringLiteral("seznam.pdf")), measure) <= 0)
        return 1;
    return status;
}

void BM_ListMemory(benchmark::State& state)
{
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--memory-list"), QString::number(state.range(0))});
        child.waitForFinished(300000);
        const QStringList figures = QString::fromLatin1(child.readAllStandardOutput()).split(' ');
        state.counters["anonymous_MB"] = figures.value(0).toDouble() / 1024;
        state.counters["private_dirty_MB"] = figures.value(1).toDouble() / 1024;
        state.counters["peak_resident_MB"] = figures.value(2).toDouble() / 1024;
    }
}

} // namespace

BENCHMARK(BM_ListToPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ListPreviewFirstPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ListMemory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BookletPreviewOpens)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CassetteCardToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BookletToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrayInlayToPdf)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--memory-list") == 0)
        return measureListMemory(qstrcmp(argv[2], "0") != 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
