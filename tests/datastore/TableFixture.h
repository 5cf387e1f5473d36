#pragma once

#include "TTable.h"
#include "TableFiles.h"
#include "TableLayout.h"

#include <QMap>
#include <QTemporaryDir>
#include <QTest>

// A temporary data folder with one carrier table, filled through the engine.
class TableFixture
{
public:
    using Row = QMap<QString, QString>;

    explicit TableFixture(const QString& baseName = QStringLiteral("AudioS")) : m_baseName(baseName)
    {
        const TableLayout layout = layouts::forTable(baseName);
        QVERIFY(
            tablefiles::create(folder(), layout, QStringLiteral(".dbt"), QStringLiteral(".mdx")));
    }

    QString folder() const { return m_dir.path() + QLatin1Char('/'); }
    QString dbfPath() const { return folder() + m_baseName + QStringLiteral(".dbf"); }

    // A table object on the fixture's file, set up like the data module does.
    void setUp(TTable& table, const QString& index = QStringLiteral("CISLO")) const
    {
        table.setDatabaseName(folder());
        table.setTableName(m_baseName + QStringLiteral(".dbf"));
        table.setLocale(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        QVERIFY(table.setIndex(index));
    }

    static bool append(TTable& table, const Row& row)
    {
        if (!table.insert())
            return false;
        for (auto it = row.cbegin(); it != row.cend(); ++it) {
            const Status s = table.setFieldText(it.key(), it.value());
            if (!s) {
                qWarning() << s.toString();
                return false;
            }
        }
        return bool(table.post());
    }

    void fill(const QList<Row>& rows) const
    {
        TTable table;
        setUp(table);
        QVERIFY(table.open());
        for (const Row& row : rows)
            QVERIFY(append(table, row));
    }

    // Fills the fixture's file with `rows` and opens `table` on it.
    bool openFilled(TTable& table, const QList<Row>& rows) const
    {
        fill(rows);
        setUp(table);
        return !QTest::currentTestFailed() && table.open().isOk();
    }

    // The values of one field in the table's current order, walking with Next.
    static QStringList column(TTable& table, const QString& field)
    {
        QStringList values;
        if (table.isEmpty())
            return values;
        (void)table.first();
        while (true) {
            values.append(table.fieldText(field));
            (void)table.next();
            if (table.eof())
                break;
        }
        return values;
    }

private:
    QTemporaryDir m_dir;
    QString m_baseName;
};
