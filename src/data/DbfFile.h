#pragma once

#include "CodePage.h"
#include "Status.h"
#include "TableLayout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The .dbf file of a table: its header, its field descriptors and its raw records.
// It knows nothing of cursors, indexes or filters. Every write reaches the file
// before the call returns, record first, then the record count of the header, so
// other programs never see a count larger than the data.
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

    // A damaged file opens with the records that are whole; warnings() says what
    // was wrong.
    Status open(const QString& path, bool writable);
    void close();
    bool isOpen() const { return m_handle != nullptr; }
    bool isWritable() const { return m_writable; }
    const QString& path() const { return m_path; }
    QStringList warnings() const { return m_warnings; }

    const QList<FieldDef>& fields() const { return m_fields; }
    // Offset of each field inside a raw record; byte 0 is the deletion mark.
    const QList<int>& fieldOffsets() const { return m_offsets; }
    int recordLength() const { return m_recordLength; }
    int recordCount() const { return m_recordCount; }
    const CodePage& codePage() const { return m_codePage; }

    // The raw record (deletion mark first), or empty when it cannot be read.
    QByteArray readRecord(int index);
    // All whole records in one read into `records`, which holds `bytes` =
    // recordCount() * recordLength() bytes.
    Status readAllRecords(char* records, qint64 bytes);
    // Appends when index equals recordCount().
    Status writeRecord(int index, const QByteArray& record);
    Status markDeleted(int index);

    // A raw record with every field blank and no deletion mark.
    QByteArray blankRecord() const;

private:
    Status commit(const char* what);
    Status prepareFirstWrite();
    void checkSize();

    void* m_handle = nullptr; // the shapelib handle
    QString m_path;
    bool m_writable = false;
    bool m_damaged = false;
    QList<FieldDef> m_fields;
    QList<int> m_offsets;
    int m_recordLength = 0;
    int m_recordCount = 0;
    CodePage m_codePage = CodePage::forLanguageDriver(CodePage::kWindows1250);
    QStringList m_warnings;
};
