#pragma once

#include "TTable.h"
#include "TableFiles.h"
#include "TableLayout.h"

#include <QFile>
#include <QMap>
#include <QTest>

// The shared files of loans in a data folder: the register and the two
// address books, filled and read through the engine in physical order.
namespace loanfiles {

using Row = QMap<QString, QString>;

inline void openPhysical(TTable& table, const QString& folder, const QString& file)
{
    table.setDatabaseName(folder);
    table.setTableName(file);
    QVERIFY(table.setIndex(QString()));
    QVERIFY(table.open());
}

inline void append(const QString& folder, const QString& file, const QList<Row>& rows)
{
    TTable table;
    openPhysical(table, folder, file);
    for (const Row& row : rows) {
        QVERIFY(table.insert());
        for (auto it = row.cbegin(); it != row.cend(); ++it)
            QVERIFY2(table.setFieldText(it.key(), it.value()), qPrintable(it.key()));
        QVERIFY(table.post());
    }
}

// A new book (or register) with these records.
inline void create(const QString& folder, const QString& baseName, const QList<Row>& rows)
{
    QVERIFY(tablefiles::create(folder, layouts::forTable(baseName), {}, QStringLiteral(".MDX")));
    append(folder, baseName + QStringLiteral(".dbf"), rows);
}

// One field of every record in physical order.
inline QStringList column(const QString& folder, const QString& file, const QString& field)
{
    TTable table;
    table.setDatabaseName(folder);
    table.setTableName(file);
    (void)table.setIndex(QString());
    QStringList values;
    if (!table.open())
        return values;
    for ((void)table.first(); !table.eof(); (void)table.next()) {
        values.append(table.fieldText(field));
        if (table.recNo() == table.recordCount() - 1)
            break;
    }
    return values;
}

inline QByteArray bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A person of the address books with a sibling's mark and a note, which must
// survive every link update.
inline Row person(const QString& prijmeni, const QString& jmeno, const QString& ulice)
{
    return {{"PRIJMENI", prijmeni},
            {"JMENO", jmeno},
            {"ULICE1", ulice},
            {"B1", "T"},
            {"A3", "T"},
            {"POZNAMKA", "poznámka " + jmeno},
            {"A1", "F"},
            {"MESTO1", "Olomouc"}};
}

} // namespace loanfiles
