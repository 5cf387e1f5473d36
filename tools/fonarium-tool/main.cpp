// Support tool: fills a database slot with sample carriers and prints tables as
// CSV in index order.
//
//   fonarium-tool fill <program folder> <slot 1-4> <count> [seed]
//   fonarium-tool csv <program folder> <table file, e.g. AudioS.dbf> [index]
#include "BulkWriter.h"
#include "CarrierGenerator.h"
#include "CsvExport.h"
#include "Data.h"
#include "TableScan.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

const QString kNotCreated = QStringLiteral("Uživatelsky definovatelná databáze programu Fonarium");

int usage()
{
    QTextStream(stderr) << "usage: fonarium-tool fill <program folder> <slot 1-4> <count> [seed]\n"
                           "       fonarium-tool csv <program folder> <table file> [index]\n";
    return 2;
}

int fail(const Status& status)
{
    QTextStream(stderr) << status.toString() << '\n';
    return 1;
}

// An optional database that does not exist yet is created from its template and
// given a name, as the program does.
Status prepareSlot(const ProgramFolder& folder, int slot)
{
    const QString base = layouts::carrierTableOfSlot(slot);
    if (tablefiles::exists(folder.dataFolder(), base))
        return Status::ok();
    if (Status s =
            tablefiles::recreateFromTemplate(folder.templateFolder(), folder.dataFolder(), base);
        !s)
        return s;
    const IniFile ini(folder.programIniPath());
    const QString key = QStringLiteral("Data%1").arg(slot - 1);
    const QString name = ini.readString(QStringLiteral("Volitelne"), key);
    if (slot > 1 && (name.isEmpty() || name == kNotCreated))
        return ini.writeString(QStringLiteral("Volitelne"), key,
                               QStringLiteral("Ukázková databáze %1").arg(slot - 1));
    return Status::ok();
}

int highestNumber(const QString& path)
{
    TableScan scan(path);
    int highest = 0;
    while (scan.next())
        highest = std::max(
            highest, static_cast<int>(scan.fieldValueText(QStringLiteral("CISLO")).toDouble()));
    return highest;
}

int fill(const QStringList& args)
{
    bool okSlot = false;
    bool okCount = false;
    const int slot = args.value(3).toInt(&okSlot);
    const int count = args.value(4).toInt(&okCount);
    if (!okSlot || slot < 1 || slot > 4 || !okCount || count < 0)
        return usage();
    const quint32 seed = args.size() > 5 ? args.at(5).toUInt() : 2000;
    const ProgramFolder folder(args.at(2));
    if (Status s = prepareSlot(folder, slot); !s)
        return fail(s);
    const QString path =
        tablefiles::dbfPath(folder.dataFolder(), layouts::carrierTableOfSlot(slot));
    BulkWriter carriers;
    if (Status s = carriers.openForAppend(path); !s)
        return fail(s);
    BulkWriter loans;
    const bool lending =
        loans.openForAppend(tablefiles::dbfPath(folder.dataFolder(), QStringLiteral("Pujcovna")))
            .isOk();
    CarrierGenerator generator(seed);
    Status s = generator.fill(&carriers, lending ? &loans : nullptr,
                              layouts::programCodeOfSlot(slot), highestNumber(path) + 1, count);
    const Status finished = carriers.finish();
    const Status loansFinished = loans.finish();
    if (s)
        s = finished;
    if (s)
        s = loansFinished;
    if (!s)
        return fail(s);
    QTextStream(stdout) << count << " carriers added to " << QFileInfo(path).fileName() << '\n';
    return 0;
}

int csv(const QStringList& args)
{
    const ProgramFolder folder(args.at(2));
    TTable table;
    table.setDatabaseName(folder.dataFolder());
    table.setTableName(args.at(3));
    const TableLayout layout = layouts::forTable(args.at(3).section(QLatin1Char('.'), 0, 0));
    if (Status s = table.setIndex(args.size() > 4 ? args.at(4) : layout.defaultIndex); !s)
        return fail(s);
    if (Status s = table.open(); !s)
        return fail(s);
    for (const QString& warning : table.warnings())
        QTextStream(stderr) << warning << '\n';
    QTextStream out(stdout);
    if (Status s = writeCsv(&table, out); !s)
        return fail(s);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 5 && args.at(1) == QLatin1String("fill"))
        return fill(args);
    if (args.size() >= 4 && args.at(1) == QLatin1String("csv"))
        return csv(args);
    return usage();
}
