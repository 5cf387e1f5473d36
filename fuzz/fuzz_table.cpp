// Opens arbitrary bytes as a carrier table and does what the windows do with it:
// walk both orders, read every field, filter, look up keys and append a record.
#include "TTable.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void exercise(TTable& table)
{
    const QStringList fields = table.fieldNames();
    int steps = 0;
    for (table.first(); !table.isEmpty() && steps < 2000; table.next(), ++steps) {
        for (const QString& field : fields)
            table.fieldText(field);
        if (table.eof())
            break;
    }
    table.setIndex(QStringLiteral("NAZEV"));
    table.findKey(QStringLiteral("Řeka"));
    table.findNearest(QStringLiteral("M"));
    table.setFilter(QStringLiteral("DRUH <> ' '"));
    table.setFiltered(true);
    table.last();
    table.prior();
}

void appendOne(TTable& table)
{
    table.setFiltered(false);
    const int before = table.recordCount();
    if (!table.insert())
        return;
    table.setFieldText(QStringLiteral("NAZEV"), QStringLiteral("Žluťoučký kůň"));
    table.setFieldText(QStringLiteral("CISLO"), QStringLiteral("12,5"));
    if (!table.post())
        return;
    // A posted record must be there, also for the next reader of the file.
    if (table.recordCount() != before + 1)
        std::abort();
    TTable again;
    again.setDatabaseName(table.databaseName());
    again.setTableName(table.tableName());
    if (!again.open() || again.recordCount() != before + 1)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/AudioS.dbf");
    QFile::remove(dir.path() + QStringLiteral("/AudioS.dbf.poskozeno"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    TTable table;
    table.setDatabaseName(dir.path());
    table.setTableName(QStringLiteral("AudioS.dbf"));
    table.setIndex(QStringLiteral("CISLO"));
    if (!table.open())
        return 0;
    exercise(table);
    appendOne(table);
    return 0;
}
