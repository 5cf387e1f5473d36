#pragma once

#include "CodePage.h"
#include "TableLayout.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>

#include <optional>
#include <vector>

// The keys of one index over all records of a table, kept in memory. Text keys
// sort in Czech alphabetical order (ch after h, č after c), numbers by value,
// dates chronologically; empty values come first and equal keys keep the
// physical order.
class TableIndex final
{
public:
    struct Field
    {
        FieldDef def;
        int offset = 0;
    };

    TableIndex(const QList<Field>& fields, const CodePage& page);

    // Sets the keys of a record; a record number equal to size() appends.
    void update(int record, const char* raw);
    // The records that have keys.
    int size() const;

    bool less(int a, int b) const;

    // A value looked for in the first key field, in its display form.
    struct Probe
    {
        std::optional<QCollatorSortKey> text;
        QString plain;
        double number = 0;
        bool isNull = false;
        QByteArray raw;
    };
    std::optional<Probe> probe(const QString& value, const QLocale& locale) const;
    // <0, 0, >0 as the record's first key is before, equal to or after the probe.
    int compare(int record, const Probe& probe) const;
    // Exact equality of the record's first key with the probe (case-sensitive).
    bool equals(int record, const Probe& probe, const char* raw) const;

private:
    struct Column
    {
        Field field;
        std::vector<QCollatorSortKey> text;
        std::vector<double> number;
        std::vector<char> null;
        std::vector<QByteArray> raw;
    };

    void setKey(Column& column, int record, const char* raw);
    int compareColumn(const Column& column, int a, int b) const;
    QString decodeText(const Column& column, const char* raw) const;

    std::vector<Column> m_columns;
    CodePage m_page;
    QCollator m_collator;
};
