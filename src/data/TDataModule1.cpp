#include "TDataModule1.h"

#include "TDataSource.h"
#include "TTable.h"

namespace {
const QString kCarrierFilter = QStringLiteral("DRUH <> ' '");
}

TDataModule1::TDataModule1(const QString& dataFolder, QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DataModule1"));
    addTable(1, QStringLiteral("AudioS.dbf"), QStringLiteral("CISLO"), kCarrierFilter);
    addTable(2, QStringLiteral("Audio1.dbf"), QStringLiteral("CISLO"), kCarrierFilter);
    addTable(3, QStringLiteral("Audio2.dbf"), QStringLiteral("CISLO"), kCarrierFilter);
    addTable(4, QStringLiteral("Audio3.dbf"), QStringLiteral("CISLO"), kCarrierFilter);
    addTable(5, QStringLiteral("AudioI.dbf"), QStringLiteral("CISLO"), {});
    addTable(6, QStringLiteral("TipyA.dbf"), {}, {});
    addTable(7, QStringLiteral("Pujcovna.dbf"), QStringLiteral("ID"), {});
    addTable(8, QStringLiteral("Adresar1.dbf"), QStringLiteral("PRIJMENI"), {});
    addTable(9, QStringLiteral("Adresar2.dbf"), QStringLiteral("PRIJMENI"), {});
    for (TTable* table : m_tables)
        table->setDatabaseName(dataFolder);
}

void TDataModule1::addTable(int number, const QString& fileName, const QString& index,
                            const QString& filter)
{
    auto* table = new TTable(this);
    table->setObjectName(QStringLiteral("Table%1").arg(number));
    table->setTableName(fileName);
    // The table is not open yet: both are only recorded.
    (void)table->setIndex(index);
    (void)table->setFilter(filter);
    auto* source = new TDataSource(this);
    source->setObjectName(QStringLiteral("DataSource%1").arg(number));
    source->setDataSet(table);
    m_tables[number - 1] = table;
    m_sources[number - 1] = source;
}

TTable* TDataModule1::table(int number) const
{
    return number >= 1 && number <= kTables ? m_tables[number - 1] : nullptr;
}

TDataSource* TDataModule1::dataSource(int number) const
{
    return number >= 1 && number <= kTables ? m_sources[number - 1] : nullptr;
}

TTable* TDataModule1::slotTable(int slot) const
{
    return slot >= 1 && slot <= 4 ? m_tables[slot - 1] : nullptr;
}
