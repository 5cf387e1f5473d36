#include "CsvExport.h"

#include "TTable.h"

#include <QTextStream>

namespace {
QString csvField(const QString& value)
{
    if (!value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char('"')) &&
        !value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')))
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
} // namespace

Status writeCsv(TTable* table, QTextStream& out)
{
    const QStringList names = table->fieldNames();
    out << names.join(QLatin1Char(',')) << '\n';
    if (table->isEmpty())
        return Status::ok();
    if (Status s = table->first(); !s)
        return s;
    for (;;) {
        QStringList row;
        for (const QString& name : names)
            row.append(csvField(table->fieldValueText(name)));
        out << row.join(QLatin1Char(',')) << '\n';
        if (Status s = table->next(); !s)
            return s;
        if (table->eof())
            return Status::ok();
    }
}
