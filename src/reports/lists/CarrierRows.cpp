#include "CarrierRows.h"

#include "CarrierKind.h"
#include "TableScan.h"

Status CarrierRows::read(const QString& path, const QString& index, const QStringList& fields,
                         const Accept& accept, const QLocale& locale)
{
    clear();
    TableScan scan(path, index, QString(), locale);
    if (!scan.status())
        return scan.status();
    QStringList present;
    for (const QString& name : fields) {
        if (scan.hasField(name) && !m_columns.contains(name)) {
            m_columns.insert(name, int(present.size()));
            present.append(name);
        }
    }
    while (scan.next()) {
        if (accept && !accept(scan))
            continue;
        const QString kind = scan.fieldText(QStringLiteral("DRUH"));
        QStringList row;
        row.reserve(present.size());
        for (const QString& name : present)
            row.append(carrierkind::shownValue(kind, name, scan.fieldText(name), locale));
        m_rows.push_back(std::move(row));
    }
    if (!scan.status()) {
        clear();
        return scan.status();
    }
    return Status::ok();
}

void CarrierRows::clear()
{
    m_columns.clear();
    m_rows.clear();
}

QString CarrierRows::text(int row, const QString& field) const
{
    const auto column = m_columns.constFind(field);
    if (column == m_columns.cend() || row < 0 || row >= rowCount())
        return {};
    return m_rows[std::size_t(row)].at(*column);
}
