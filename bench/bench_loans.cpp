// The link update of a loan over two address books of 10,000 people each,
// built once into a temporary data folder.
#include "AddressLinks.h"
#include "TTable.h"
#include "TableFiles.h"
#include "TableLayout.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int kPeople = 10000;
const QStringList kSurnames = {"Novák",     "Svoboda", "Novotný", "Dvořák", "Černý",
                               "Procházka", "Kučera",  "Veselý",  "Horák",  "Němec"};

struct Books
{
    QTemporaryDir dir;
    QString folder;
};

void fill(const QString& folder, const QString& baseName)
{
    if (!tablefiles::create(folder, layouts::addressBook(baseName), {}, QStringLiteral(".MDX")))
        std::abort();
    TTable book;
    book.setDatabaseName(folder);
    book.setTableName(baseName + QStringLiteral(".dbf"));
    if (!book.open())
        std::abort();
    for (int i = 0; i < kPeople; ++i) {
        const bool ok =
            book.insert() && book.setFieldText("PRIJMENI", kSurnames.at(i % kSurnames.size())) &&
            book.setFieldText("JMENO", QStringLiteral("Jméno %1").arg(i / 10)) &&
            book.setFieldText("ULICE1", QStringLiteral("Ulice %1").arg(i % 7)) &&
            book.setFieldText("POZNAMKA", QString(200, QLatin1Char('x'))) && book.post();
        if (!ok)
            std::abort();
    }
}

Books& books()
{
    static Books b = [] {
        Books made;
        made.folder = made.dir.path() + QLatin1Char('/');
        fill(made.folder, QStringLiteral("Adresar1"));
        fill(made.folder, QStringLiteral("Adresar2"));
        return made;
    }();
    return b;
}

// Every round marks or clears one person in both books, so each round writes.
void BM_LinkUpdateTwoBooks(benchmark::State& state)
{
    const AddressLinks links(books().folder, 1);
    const Osoba osoba{QStringLiteral("Dvořák"), QStringLiteral("Jméno 42"),
                      QStringLiteral("Ulice 3")};
    // The marks stay between runs of the benchmark; each round flips them.
    static bool value = true;
    for (auto _ : state) {
        const AddressLinks::Result result = links.update({{osoba, value}});
        if (!result.status() || result.changedRecords != 2)
            state.SkipWithError("the person was not marked in both books");
        value = !value;
    }
}
BENCHMARK(BM_LinkUpdateTwoBooks)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
