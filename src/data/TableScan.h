#pragma once

#include "DbfReader.h"
#include "FilterExpression.h"
#include "Status.h"
#include "TableLayout.h"

#include <QHash>
#include <QLocale>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class TTable;
class TableIndex;

// A read-only walk over the records of a table file in the order of an index
// and under a filter, for builds, counts and reports. It reads the file
// through its own descriptor and never touches a table object: the cursor,
// filter, index, edited record and signals of the table objects that windows
// show stay as they are. Deleted records are skipped.
//
//   TableScan scan(path, QStringLiteral("NAZEV"), QStringLiteral("DRUH = 'LP'"));
//   while (scan.next())
//       use(scan.fieldText(QStringLiteral("NAZEV")));
class TableScan final
{
public:
    // `index`: a field or tag name ("NAZEV", "INTERJMENO"), empty for the
    // order in which records were added; `filter`: as TTable::setFilter takes
    // it, empty for every record. `locale` gives fieldText its display forms.
    explicit TableScan(const QString& path, const QString& index = {}, const QString& filter = {},
                       const QLocale& locale = QLocale());
    // The file, index, locale and (when switched on) filter of a table object
    // as they stand; the object itself is only read.
    explicit TableScan(const TTable& table);

    // Why the scan yields nothing: missing file, unknown index or field, bad filter.
    const Status& status() const { return m_status; }
    QStringList warnings() const { return m_reader.warnings(); }

    // Moves to the next record; false after the last one. The first call moves
    // to the first record.
    bool next();
    // Starts again before the first record.
    void rewind() { m_position = -1; }
    // The number of records the scan yields.
    int count();

    // The 0-based physical record number of the current record.
    int recordNumber() const { return m_record; }

    const QList<FieldDef>& fields() const { return m_reader.fields(); }
    const QList<int>& fieldOffsets() const { return m_reader.fieldOffsets(); }
    int recordLength() const { return m_reader.recordLength(); }
    const CodePage& codePage() const { return m_reader.codePage(); }
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
    int fieldIndex(const QString& name) const;

    // As TTable::fieldText shows the value (display form of the locale).
    QString fieldText(const QString& name) const;
    // Without the locale: numbers with a point, dates as yyyy-MM-dd.
    QString fieldValueText(const QString& name) const;
    std::optional<bool> fieldBool(const QString& name) const;
    // The raw bytes of the current record (deletion mark first), recordLength()
    // of them; nullptr before the first or after the last record.
    const char* rawRecord() const { return m_raw; }
    // The raw bytes of one field of the current record, width of the field.
    const char* rawField(int field) const;

private:
    void setUp(const QString& path, const QString& index, const QString& filter);
    void prepare();
    bool passes(const char* raw) const;
    std::unique_ptr<TableIndex> makeIndex();
    void sortBy(const TableIndex& index);

    DbfReader m_reader;
    Status m_status;
    QLocale m_locale;
    QString m_indexName;
    FilterExpression m_filter;
    QHash<QString, int> m_fieldByName;
    std::vector<int> m_order;
    bool m_prepared = false;
    int m_position = -1;
    int m_record = -1;
    const char* m_raw = nullptr;
};
