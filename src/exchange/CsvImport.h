#pragma once

#include "Status.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Carriers from a CSV file into a carrier database. Every row is checked
// against the carrier layout before anything is written; with one bad row
// nothing is written, and the message names the first bad rows by line.
//
//   CsvImport import(dbfPath);
//   if (Status s = import.read(bytes); s)
//       s = import.write();
class CsvImport final
{
public:
    struct BadRow
    {
        int line;
        QString reason;
    };
    // The message lists no more bad rows than this.
    static constexpr int kListedBadRows = 20;

    // `today` stamps the date of the last update of rows that bring none.
    explicit CsvImport(QString tablePath, QDate today = QDate::currentDate());

    // Reads the file's bytes and checks every row against the table as it is
    // now; nothing is written.
    Status read(const QByteArray& bytes);
    // Appends the checked rows through the bulk writer. The table must not be
    // in the middle of an edit; a table object showing it takes the rows in
    // when it next moves to its first or last record.
    Status write();

    int rowCount() const { return static_cast<int>(m_records.size()); }
    const QList<BadRow>& badRows() const { return m_badRows; }
    bool wasWindows1250() const { return m_windows1250; }
    // Header names that match no field; their values are left out.
    const QStringList& ignoredColumns() const { return m_ignored; }

private:
    Status mapHeader(const QStringList& header);
    Status readTable();
    void checkRow(int line, const QStringList& values);
    QString checkValue(int field, const QString& value, QString* stored, char* record) const;
    QString checkTotal(const QStringList& stored, char* record) const;
    void checkNumber(int line, const QString& number);
    void numberMissing();
    Status badRowsMessage() const;

    QString m_path;
    QDate m_today;
    QList<int> m_columnField; // the layout field of each column, -1 for none
    // The checked rows as the table's record bytes, deletion mark first.
    QList<QByteArray> m_records;
    QList<int> m_rowLines;
    QList<BadRow> m_badRows;
    QStringList m_ignored;
    QHash<QString, int> m_numberLine; // evidence number to the line that has it, 0 for the table
    QList<int> m_withoutNumber;
    double m_highestNumber = 0;
    bool m_windows1250 = false;
};
