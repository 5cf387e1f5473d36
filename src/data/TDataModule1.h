#pragma once

#include <QObject>
#include <QString>

#include <array>

class TDataSource;
class TTable;

// The one data module of the program: nine table objects bound to the data
// folder, each with its data source. No table is open after creation; each
// window opens the table it needs and closes it again.
class TDataModule1 final : public QObject
{
    Q_OBJECT

public:
    static constexpr int kTables = 9;

    explicit TDataModule1(const QString& dataFolder, QObject* parent = nullptr);

    // Table1 ... Table9 and DataSource1 ... DataSource9, numbered from 1.
    TTable* table(int number) const;
    TDataSource* dataSource(int number) const;
    // The carrier table of a database slot 1-4.
    TTable* slotTable(int slot) const;

private:
    void addTable(int number, const QString& fileName, const QString& index, const QString& filter);

    std::array<TTable*, kTables> m_tables{};
    std::array<TDataSource*, kTables> m_sources{};
};
