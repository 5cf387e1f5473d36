#pragma once

#include "CodePage.h"
#include "MappedFile.h"
#include "Status.h"
#include "TableLayout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// Reads a .dbf file through its own read-only descriptor: the header and
// field descriptors once, records on demand out of a read-only map of the
// file, or with pread a block at a time where the file cannot be mapped. A
// record that another program cut from the file while we read it comes back
// as missing, never as a crash; only the record last read is held in memory.
class DbfReader final
{
public:
    DbfReader() = default;
    ~DbfReader();
    DbfReader(const DbfReader&) = delete;
    DbfReader& operator=(const DbfReader&) = delete;

    Status open(const QString& path);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    const QString& path() const { return m_path; }
    QStringList warnings() const { return m_warnings; }

    const QList<FieldDef>& fields() const { return m_fields; }
    const QList<int>& fieldOffsets() const { return m_offsets; }
    int fieldIndex(const QString& name) const;
    int headerLength() const { return m_headerLength; }
    int recordLength() const { return m_recordLength; }
    // The records the header counts that are also whole in the file.
    int recordCount() const { return m_recordCount; }
    const CodePage& codePage() const { return m_codePage; }

    // Reads the header count and the file size again; true when the header
    // count changed or the file no longer holds every record (another program
    // appended, or cut the file).
    bool refresh();
    // Takes a count found otherwise (whole records kept beyond a header that
    // could not be put right), as far as the file holds them.
    void setRecordCount(int count);

    // The raw record, valid until the next call on this reader; nullptr when
    // the record is beyond the count or the file no longer holds it.
    const char* record(int index);
    // The record's deletion mark alone: opening a table looks at every mark.
    bool isDeleted(int index);
    // Forgets the cached blocks, after this process wrote into the file.
    void invalidate();

private:
    struct Block
    {
        int first = -1;
        int count = 0;
        quint64 used = 0;
        QByteArray bytes;
    };

    Status readHeader();
    int wholeRecords(int claimed) const;
    int claimedCount() const;
    Block& loadBlock(int index);
    void mapFile();

    int m_fd = -1;
    QString m_path;
    QList<FieldDef> m_fields;
    QList<int> m_offsets;
    int m_headerLength = 0;
    int m_recordLength = 0;
    int m_recordCount = 0;
    int m_claimed = 0;
    int m_blockRecords = 1;
    quint64 m_clock = 0;
    int m_last = -2;
    std::array<Block, 4> m_blocks;
    MappedFile m_map;
    QByteArray m_one;
    CodePage m_codePage = CodePage::forLanguageDriver(CodePage::kWindows1250);
    QStringList m_warnings;
};
