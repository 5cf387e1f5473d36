#pragma once

#include "CodePage.h"
#include "Status.h"
#include "TableLayout.h"

#include <QByteArray>
#include <QHash>
#include <QLocale>
#include <QString>

class TableScan;

// Fills a table that is being built (the auxiliary copies, templates, sample
// data) at close to disk speed: each row is encoded once into a row buffer,
// rows go to the file in large blocks, memo texts are appended in one pass,
// and the index file is written once at the end.
//
// A crash at any moment leaves a table that opens: each block of rows (and
// its memo texts) reaches the file before the header counts it, so the header
// never counts a record that is not completely there. Rows of an unfinished
// block lie beyond the count and are dropped when the table is next opened.
//
// The table must not be open in a table object while it is filled.
class BulkWriter final
{
public:
    BulkWriter() = default;
    // Finishes a table that was not finished, so that no row is lost silently.
    ~BulkWriter();
    BulkWriter(const BulkWriter&) = delete;
    BulkWriter& operator=(const BulkWriter&) = delete;

    // A new, empty table at `path` (an existing one is replaced), with a memo
    // file when the layout has memo fields.
    Status create(const QString& path, const TableLayout& layout,
                  quint8 languageDriver = CodePage::kWindows1250);
    // The table `baseName` of the data folder, emptied by copying its template
    // triple over it.
    Status createFromTemplate(const QString& templateFolder, const QString& dataFolder,
                              const QString& baseName);
    // An existing table, filled further after its last whole record.
    Status openForAppend(const QString& path);

    bool isOpen() const { return m_fd >= 0; }
    const QString& path() const { return m_path; }
    // The records the table will hold once finished, those it had included.
    int count() const { return m_flushed + m_pending; }

    // The locale in which setFieldText reads numbers and dates.
    void setLocale(const QLocale& locale) { m_locale = locale; }
    const QList<FieldDef>& fields() const { return m_fields; }
    int fieldIndex(const QString& name) const;

    // The row buffer starts blank and is blank again after each append().
    Status setFieldText(const QString& name, const QString& text);
    // Numbers with a point, dates as yyyy-MM-dd, as TableScan::fieldValueText gives them.
    Status setFieldValueText(const QString& name, const QString& text);
    Status setFieldBool(const QString& name, bool value);
    void clearRow();
    Status append();

    // A raw record of a table with the very same fields (deletion mark first),
    // copied as it is; not for tables with memo fields.
    Status appendRaw(const char* record, int length);
    // The current record of a scan, field by field by name: fields the source
    // lays out the same way are copied as bytes, others through their values;
    // fields the source lacks stay blank.
    Status appendFrom(const TableScan& scan);

    // Which field of a scan's table fills which field of this table, resolved
    // once for a whole copy.
    struct FieldCopy
    {
        int target = -1;
        int source = -1;
        bool sameBytes = false;
    };
    // Fields named in `targets` from the scan's fields of the same names, or of
    // the names in `sources` (same length); names missing on either side are left out.
    QList<FieldCopy> planCopy(const TableScan& scan, const QStringList& targets,
                              const QStringList& sources = {}) const;
    // Sets the row buffer's fields from the scan's current record as planned.
    Status copyFields(const TableScan& scan, const QList<FieldCopy>& plan);

    // Writes the last block, the record count and the index file, and closes.
    Status finish();

    // Rows of `other` (a loan register whose cards the carriers point to) are
    // written out before each block of this table, so that no counted row
    // points to one that is not counted yet. Holds until this table is finished,
    // which must come before `other` goes away.
    void writeAfter(BulkWriter* other) { m_writeFirst = other; }

private:
    Status openFile(const QString& path);
    Status setField(int field, const QString& text, const QLocale& locale);
    Status setMemo(int field, const QString& text);
    Status queue(const char* record);
    Status flush();
    Status writeMemos();
    Status writeCount();
    Status failure(const QString& what);
    void closeFile();

    int m_fd = -1;
    int m_memoFd = -1;
    QString m_path;
    TableLayout m_layout;
    QList<FieldDef> m_fields;
    QList<int> m_offsets;
    QHash<QString, int> m_fieldByName;
    CodePage m_codePage = CodePage::forLanguageDriver(CodePage::kWindows1250);
    QLocale m_locale;
    int m_headerLength = 0;
    int m_recordLength = 0;
    int m_flushed = 0;
    int m_pending = 0;
    bool m_hasMemo = false;
    quint32 m_memoNextBlock = 1;
    quint32 m_memoFlushedBlock = 1;
    QByteArray m_row;
    QByteArray m_block;
    QByteArray m_memoBlock;
    const TableScan* m_mappedScan = nullptr;
    const FieldDef* m_mappedFields = nullptr;
    BulkWriter* m_writeFirst = nullptr;
    QList<FieldCopy> m_allFields;
};
