#pragma once

#include "ProgramFolder.h"
#include "ProgramLayout.h"
#include "TDataModule1.h"
#include "TDataSource.h"
#include "TTable.h"
#include "TestProgramFolder.h"

#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A temporary program folder laid out as for a new user, with the data module
// on it and the standard database open, filled through the table engine.
class EditorFolder : public TestProgramFolder
{
public:
    using Row = QMap<QString, QString>;

    EditorFolder()
    {
        QVERIFY(isValid());
        m_data = std::make_unique<TDataModule1>(folder().dataFolder());
        QVERIFY(table()->open());
    }

    TTable* table() const { return m_data->slotTable(1); }
    TDataSource* source() const { return m_data->dataSource(1); }
    TDataModule1* dataModule() const { return m_data.get(); }

    void append(const Row& row) const
    {
        QVERIFY(table()->insert());
        for (auto it = row.cbegin(); it != row.cend(); ++it) {
            const Status s = table()->setFieldText(it.key(), it.value());
            QVERIFY2(s, qPrintable(it.key() + QLatin1Char(' ') + s.toString()));
        }
        QVERIFY(table()->post());
    }

    // Rows get the evidence numbers 1, 2, 3 ... in the order given.
    void fill(const QList<Row>& rows) const
    {
        int number = 0;
        for (Row row : rows) {
            row.insert(QStringLiteral("CISLO"), QString::number(++number));
            append(row);
        }
        QVERIFY(table()->first());
    }

private:
    std::unique_ptr<TDataModule1> m_data;
};
