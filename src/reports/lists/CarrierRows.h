#pragma once

#include "ReportEngine.h"
#include "Status.h"

#include <QHash>
#include <QLocale>
#include <QStringList>

#include <functional>
#include <vector>

class TableScan;

// The carriers a list prints: read once from a table file in the order of an
// index, kept only when a test accepts them, each with the fields the list
// shows. The file is read through a scan of its own, so no window's table
// object moves, and nothing is ever matched through filter text.
class CarrierRows final : public report::DataSet
{
public:
    using Accept = std::function<bool(const TableScan& record)>;

    // Replaces the rows by those of the table at `path`; on failure the rows
    // are empty and the status tells why.
    Status read(const QString& path, const QString& index, const QStringList& fields,
                const Accept& accept, const QLocale& locale = QLocale());
    void clear();

    int rowCount() const override { return int(m_rows.size()); }
    QString text(int row, const QString& field) const override;

private:
    QHash<QString, int> m_columns;
    std::vector<QStringList> m_rows;
};
