#pragma once

#include "CodePage.h"
#include "Status.h"
#include "TableLayout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The .dbf file of a table: its header, its field descriptors and its raw records.
// It knows nothing of cursors, indexes or filters.
//
// Every write reaches the file before the call returns and is one positioned
// write of the whole record, so a process killed at any moment leaves each record
// either as it was or as it was meant to be. An appended record goes first, then
// the record count of the header, then the end mark: other programs never see a
// count larger than the data.
class DbfFile final
{
public:
    DbfFile();
    ~DbfFile();
    DbfFile(const DbfFile&) = delete;
    DbfFile& operator=(const DbfFile&) = delete;

    // Creates an empty table (dBase III+ layout, no production index claimed).
    static Status create(const QString& path, const TableLayout& layout,
                         quint8 languageDriver = CodePage::kWindows1250);

    // A header that does not describe its records (lengths that do not add up)
    // is refused and the file left alone. A damaged file opens with the records
    // that are whole; opened for writing, the file is first copied aside as
    // "<name>.poskozeno" and put right. warnings() says what was found and kept.
    // A table with memo fields opens only for reading: its memos are read from
    // the .dbt file, but writing them is not supported.
    Status open(const QString& path, bool writable);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    bool isWritable() const { return m_writable; }
    const QString& path() const { return m_path; }
    QStringList warnings() const { return m_warnings; }

    const QList<FieldDef>& fields() const { return m_fields; }
    // Offset of each field inside a raw record; byte 0 is the deletion mark.
    const QList<int>& fieldOffsets() const { return m_offsets; }
    int recordLength() const { return m_recordLength; }
    int recordCount() const { return m_recordCount; }
    int headerLength() const { return m_headerLength; }
    const CodePage& codePage() const { return m_codePage; }

    // The raw record (deletion mark first), or empty when it cannot be read.
    QByteArray readRecord(int index);
    // All whole records in one read into `records`, which holds `bytes` =
    // recordCount() * recordLength() bytes.
    Status readAllRecords(char* records, qint64 bytes);
    // Appends when index equals recordCount().
    Status writeRecord(int index, const QByteArray& record);
    Status markDeleted(int index);

    // The text of a memo field's value (its block number in the record), read
    // from the table's .dbt file; empty when there is none or it cannot be read.
    QString memoText(const char* value, int width) const;

    // A raw record with every field blank and no deletion mark.
    QByteArray blankRecord() const;

private:
    Status readHeader();
    void checkData(qint64 fileSize);
    Status repair();
    Status writeAt(qint64 offset, const char* bytes, qint64 size, const char* what);
    Status stampHeader();

    int m_fd = -1;
    QString m_path;
    bool m_writable = false;
    bool m_damaged = false;
    QList<FieldDef> m_fields;
    QList<int> m_offsets;
    int m_headerLength = 0;
    int m_recordLength = 0;
    int m_recordCount = 0;
    qint64 m_fileRecords = 0; // whole records in the file, counted or not
    qint64 m_tailBytes = 0;   // bytes after the records kept, end mark aside
    qint64 m_countInHeader = 0;
    int m_damageNote = -1; // the warning that tells of the damage
    CodePage m_codePage = CodePage::forLanguageDriver(CodePage::kWindows1250);
    QStringList m_warnings;
};
