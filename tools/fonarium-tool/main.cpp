// Support tool: fills a database slot with sample carriers and prints tables as
// CSV in index order.
//
//   fonarium-tool fill <program folder> <slot 1-4> <count> [seed]
//   fonarium-tool csv <program folder> <table file, e.g. AudioS.dbf> [index]
//   fonarium-tool tracks <drive|image|cue|folder> [kind]
#include "BulkWriter.h"
#include "CarrierGenerator.h"
#include "CsvExport.h"
#include "Data.h"
#include "TableScan.h"
#include "TrackFill.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

const QString kNotCreated = QStringLiteral("Uživatelsky definovatelná databáze programu Fonarium");

int usage()
{
    QTextStream(stderr) << "usage: fonarium-tool fill <program folder> <slot 1-4> <count> [seed]\n"
                           "       fonarium-tool csv <program folder> <table file> [index]\n"
                           "       fonarium-tool tracks <drive|image|cue|folder> [kind]\n";
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

QString csvField(QString text)
{
    return QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// The tracks a carrier of `kind` would be filled with, one "title","value"
// line each, as the record editor's command reads them.
int tracks(const QStringList& args)
{
    const QString source = args.at(2);
    TrackFill::Record record;
    record.kind = args.size() > 3 ? args.at(3) : QString();
    if (Status s = TrackFill::checkKind(record.kind); !s)
        return fail(s);
    const QFileInfo info(source);
    const disc::Reading reading =
        info.isDir()    ? disc::readFolder(source, TrackFill::folderContentFor(record.kind))
        : info.isFile() ? disc::readImage(source)
                        : disc::readDrive(source);
    // The program's own notation whatever the locale, so scripts read one form.
    const TrackFill::Result fill =
        TrackFill::plan(record, reading, QLocale(QLocale::Czech, QLocale::CzechRepublic));
    if (!fill.status)
        return fail(fill.status);
    QTextStream out(stdout);
    for (int n = 0; n < TrackFill::kTracks && !fill.record.titles.at(n).isEmpty(); ++n)
        out << csvField(fill.record.titles.at(n)) << ',' << csvField(fill.record.values.at(n))
            << '\n';
    for (const QString& note : fill.notes)
        QTextStream(stderr) << note << '\n';
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
    if (args.size() >= 3 && args.at(1) == QLatin1String("tracks"))
        return tracks(args);
    return usage();
}
