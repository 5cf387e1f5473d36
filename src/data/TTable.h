#pragma once

#include "FilterExpression.h"
#include "Status.h"
#include "TableLayout.h"

#include <QByteArray>
#include <QCollator>
#include <QHash>
#include <QLocale>
#include <QObject>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>
#include <vector>

class DbfFile;
class DbfReader;
class TableIndex;

// A table object: one dBase table of the data folder with a cursor, a current
// index, a filter and an edit buffer. Folder, table name, index and filter are
// properties of the object and stay across closing and opening the table.
//
// Records are read from the file as they are needed; only the index keys, the
// order of the records, their deletion marks and the edited record stay in
// memory. Records another program appends are taken in when the cursor goes
// to the first or last record or past the end, or the index or filter changes.
class TTable final : public QObject
{
    Q_OBJECT

public:
    enum class State
    {
        Inactive,
        Browse,
        Edit,
        Insert
    };

    struct Bookmark
    {
        int record = -1;
        bool isValid() const { return record >= 0; }
    };

    explicit TTable(QObject* parent = nullptr);
    ~TTable() override;

    void setDatabaseName(const QString& folder);
    const QString& databaseName() const { return m_folder; }
    void setTableName(const QString& fileName); // "AudioS.dbf"
    const QString& tableName() const { return m_tableName; }
    QString filePath() const;
    void setLocale(const QLocale& locale) { m_locale = locale; }
    const QLocale& locale() const { return m_locale; }

    Status open();
    void close();
    bool isActive() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }
    // What was wrong with the files at the last opening (damage and what was
    // kept of it, a foreign index, a table that opened only for reading), each
    // a Czech sentence that names the file.
    const QStringList& warnings() const { return m_warnings; }
    // An open table that cannot be written: a read-only file, a damaged one that
    // could not be copied aside, one whose notes are memos.
    bool isReadOnly() const;

    // Moving while a record is edited first posts it when modified, else drops it.
    Status first();
    Status last();
    Status next();
    Status prior();
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    bool isEmpty() const { return m_order.empty(); }
    int recordCount() const { return static_cast<int>(m_order.size()); }
    int recNo() const { return m_pos; } // 0-based position in index order, -1 when empty

    Status edit();
    Status insert();
    Status post();
    void cancel();
    Status deleteRecord();
    bool isModified() const { return m_modified; }

    QStringList fieldNames() const;
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
    QString fieldText(const QString& name) const;
    std::optional<bool> fieldBool(const QString& name) const;
    // The value without the user's locale: numbers with a point ("12.5"), dates
    // as yyyy-MM-dd; for copies between tables and for export.
    QString fieldValueText(const QString& name) const;
    Status setFieldText(const QString& name, const QString& text);
    Status setFieldBool(const QString& name, bool value);

    // A field name or a tag name of the table's index file (INTERJMENO); empty
    // means physical order.
    Status setIndex(const QString& name);
    const QString& indexName() const { return m_indexName; }
    bool findKey(const QString& value);
    bool gotoKey();
    void findNearest(const QString& value);

    Bookmark bookmark() const;
    bool gotoBookmark(const Bookmark& bookmark);

    Status setFilter(const QString& expression);
    const QString& filter() const { return m_filterText; }
    // Moving to another record set first posts or drops an edited record.
    Status setFiltered(bool on);
    bool filtered() const { return m_filtered; }

signals:
    void cursorMoved();
    void recordChanged();
    void stateChanged();
    // A record was stored in the file or deleted from it.
    void recordWritten();

private:
    int fieldIndex(const QString& name) const;
    const char* currentRecord() const;
    const char* recordAt(int record) const;
    int currentRecordNumber() const;
    QString textOf(const char* record, int field) const;
    void setState(State state);
    Status leaveEditing();
    Status checkLayout() const;
    Status readOnlyError() const;
    Status readRecords();
    bool takeInOtherWrites();
    void dropIndexes();
    TableIndex* indexFor(const QStringList& fields);
    void prepareIndexFile();
    Status resolveIndex(const QString& name, QStringList* fields) const;
    bool passesFilter(int record) const;
    void rebuildOrder();
    void placeAfterPost(int record);
    int positionOf(int record) const;
    void moveTo(int position, bool bof, bool eof);
    Status writeBuffer();

    QString m_folder;
    QString m_tableName;
    QLocale m_locale;
    QString m_indexName;
    QString m_filterText;
    FilterExpression m_filterExpr;
    bool m_filtered = false;
    std::optional<QString> m_lastKey;

    State m_state = State::Inactive;
    std::unique_ptr<DbfFile> m_file;
    // Keys once computed for an index stay while the table is open, so that
    // switching back and forth between indexes only sorts.
    std::map<QStringList, std::unique_ptr<TableIndex>> m_indexes;
    TableIndex* m_index = nullptr;
    TableLayout m_layout;
    QList<FieldDef> m_fields;
    QList<int> m_offsets;
    QHash<QString, int> m_fieldByName;
    int m_recordLength = 0;
    int m_recordTotal = 0;
    std::unique_ptr<DbfReader> m_pages;
    QByteArray m_blank;
    std::vector<char> m_deleted;
    QList<IndexTag> m_tags;
    QStringList m_warnings;

    std::vector<int> m_order;
    int m_pos = -1;
    bool m_bof = true;
    bool m_eof = true;

    QByteArray m_buffer;
    int m_editRecord = -1;
    int m_posBeforeInsert = -1;
    bool m_modified = false;
};
