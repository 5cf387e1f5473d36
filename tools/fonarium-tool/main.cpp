// Support tool: fills a database slot with sample carriers, prints tables as
// CSV in index order, and takes a database's carriers out and in as CSV.
//
//   fonarium-tool fill <program folder> <slot 1-4> <count> [seed]
//   fonarium-tool csv <program folder> <table file, e.g. AudioS.dbf> [index]
//   fonarium-tool tracks <drive|image|cue|folder> [kind]
//   fonarium-tool export <program folder> <slot 1-4>
//   fonarium-tool import <program folder> <slot 1-4> <file.csv>
#include "BulkWriter.h"
#include "CarrierGenerator.h"
#include "CsvExport.h"
#include "CsvImport.h"
#include "CsvText.h"
#include "Data.h"
#include "TableScan.h"
#include "TrackFill.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

const QString kNotCreated = QStringLiteral("Uživatelsky definovatelná databáze programu Fonarium");

int usage()
{
    QTextStream(stderr) << "usage: fonarium-tool fill <program folder> <slot 1-4> <count> [seed]\n"
                           "       fonarium-tool csv <program folder> <table file> [index]\n"
                           "       fonarium-tool tracks <drive|image|cue|folder> [kind]\n"
                           "       fonarium-tool export <program folder> <slot 1-4>\n"
                           "       fonarium-tool import <program folder> <slot 1-4> <file.csv>\n";
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

QFile* standardOutput()
{
    static QFile out;
    if (!out.isOpen() && !out.open(stdout, QIODevice::WriteOnly))
        return nullptr;
    return &out;
}

int writeCsv(TableScan& scan)
{
    for (const QString& warning : scan.warnings())
        QTextStream(stderr) << warning << '\n';
    if (Status s = csvexport::write(scan, standardOutput()); !s)
        return fail(s);
    return 0;
}

// Any table, through a table object: notes kept as memos in tables that other
// programs wrote come out as their text.
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
    const QStringList names = table.fieldNames();
    bool started = false;
    Status moved;
    const auto next = [&](QStringList* values) {
        if (table.isEmpty())
            return false;
        moved = started ? table.next() : table.first();
        if (!moved || (started && table.eof()))
            return false;
        started = true;
        values->clear();
        for (const QString& name : names)
            values->append(table.fieldValueText(name));
        return true;
    };
    Status s = csvexport::write(names, next, standardOutput());
    if (s)
        s = moved;
    if (!s)
        return fail(s);
    return 0;
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
        out << csvtext::record({fill.record.titles.at(n), fill.record.values.at(n)}) << '\n';
    for (const QString& note : fill.notes)
        QTextStream(stderr) << note << '\n';
    return 0;
}

// The path of a carrier database by its slot, empty for a slot that is no number 1-4.
QString slotTable(const QStringList& args)
{
    bool ok = false;
    const int slot = args.value(3).toInt(&ok);
    if (!ok || slot < 1 || slot > 4)
        return {};
    return tablefiles::dbfPath(ProgramFolder(args.at(2)).dataFolder(),
                               layouts::carrierTableOfSlot(slot));
}

int exportSlot(const QStringList& args)
{
    const QString path = slotTable(args);
    if (path.isEmpty())
        return usage();
    TableScan scan(path, QStringLiteral("CISLO"));
    return writeCsv(scan);
}

int importSlot(const QStringList& args)
{
    const QString path = slotTable(args);
    if (path.isEmpty())
        return usage();
    QFile file(args.at(4));
    if (!file.open(QIODevice::ReadOnly))
        return fail(Status::error(QStringLiteral("Soubor %1 nelze otevřít.").arg(args.at(4)),
                                  file.errorString()));
    CsvImport import(path);
    Status s = import.read(file.readAll());
    if (s)
        s = import.write();
    if (!s)
        return fail(s);
    QTextStream(stdout) << import.rowCount() << " carriers added to " << QFileInfo(path).fileName()
                        << (import.wasWindows1250() ? " (read as Windows-1250)" : "") << '\n';
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
    if (args.size() == 4 && args.at(1) == QLatin1String("export"))
        return exportSlot(args);
    if (args.size() == 5 && args.at(1) == QLatin1String("import"))
        return importSlot(args);
    return usage();
}
