#include "TTable.h"

#include "DbfFile.h"
#include "DbfReader.h"
#include "FieldCodec.h"
#include "IndexFile.h"
#include "ProgramFolder.h"
#include "TableFiles.h"
#include "TableIndex.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>

TTable::TTable(QObject* parent) : QObject(parent), m_pages(std::make_unique<DbfReader>()) {}

TTable::~TTable()
{
    close();
}

void TTable::setDatabaseName(const QString& folder)
{
    m_folder = folder;
}

void TTable::setTableName(const QString& fileName)
{
    m_tableName = fileName;
}

QString TTable::filePath() const
{
    return ProgramFolder::findFile(m_folder, m_tableName);
}

Status TTable::open()
{
    if (isActive())
        return Status::ok();
    m_warnings.clear();
    auto file = std::make_unique<DbfFile>();
    const QString path = filePath();
    Status s = file->open(path, true);
    if (!s && QFileInfo::exists(path) && !QFileInfo(path).isWritable()) {
        s = file->open(path, false);
        m_warnings.append(QStringLiteral("Tabulka %1 je jen pro čtení.").arg(m_tableName));
    }
    if (!s)
        return s;
    m_file = std::move(file);
    m_warnings += m_file->warnings();
    m_fields = m_file->fields();
    m_offsets = m_file->fieldOffsets();
    m_recordLength = m_file->recordLength();
    m_fieldByName.clear();
    for (int i = 0; i < m_fields.size(); ++i)
        m_fieldByName.insert(m_fields.at(i).name.toUpper(), i);
    m_layout = layouts::forTable(QFileInfo(m_tableName).completeBaseName());
    Status r = checkLayout();
    if (r)
        r = readRecords();
    if (!r) {
        m_file.reset();
        return r;
    }
    prepareIndexFile();
    if (QStringList fields; !resolveIndex(m_indexName, &fields))
        m_warnings.append(QStringLiteral("Index %1 tabulky %2 neexistuje; záznamy jsou "
                                         "v pořadí, v jakém byly pořízeny.")
                              .arg(m_indexName, m_tableName));
    m_state = State::Browse;
    rebuildOrder();
    moveTo(0, true, m_order.empty());
    emit stateChanged();
    return Status::ok();
}

namespace {

bool sameKind(char have, char want)
{
    const auto kind = [](char type) {
        if (type == 'F')
            return 'N';
        return type == 'M' ? 'C' : type;
    };
    return kind(have) == kind(want);
}

// Line breaks as the note editor gives them (LF) or as the file keeps them
// (CR LF from us and from sibling programs) say the same.
QString withPlainLineBreaks(QString text)
{
    if (!text.contains(QLatin1Char('\r')))
        return text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

// A table of another layout would show its fields under our labels and take
// our values into its own; the fields we use must be there with their kind of
// value. Fields of other programs may follow and are kept as they are.
Status TTable::checkLayout() const
{
    QStringList missing;
    QStringList other;
    for (const FieldDef& wanted : m_layout.fields) {
        const int field = fieldIndex(wanted.name);
        if (field < 0)
            missing.append(wanted.name);
        else if (!sameKind(m_fields.at(field).type, wanted.type))
            other.append(wanted.name);
    }
    if (missing.isEmpty() && other.isEmpty())
        return Status::ok();
    QStringList faults;
    if (!missing.isEmpty())
        faults.append(QStringLiteral("chybí pole %1%2")
                          .arg(missing.mid(0, 5).join(QStringLiteral(", ")),
                               missing.size() > 5 ? QStringLiteral(" a další") : QString()));
    if (!other.isEmpty())
        faults.append(
            QStringLiteral("jiný typ mají pole %1").arg(other.join(QStringLiteral(", "))));
    return Status::error(QStringLiteral("Tabulku %1 nelze otevřít: nemá rozvržení, které program "
                                        "očekává (%2). Tabulka nebyla změněna.")
                             .arg(m_tableName, faults.join(QStringLiteral("; "))),
                         QStringLiteral("layout %1").arg(m_layout.baseName));
}

// The records are read through a descriptor of our own, a block at a time,
// after the file has been checked (and, when damaged, put right) for writing.
Status TTable::readRecords()
{
    m_recordTotal = m_file->recordCount();
    if (Status s = m_pages->open(m_file->path()); !s)
        return s;
    if (m_pages->recordCount() != m_recordTotal)
        m_pages->setRecordCount(m_recordTotal);
    m_blank = m_file->blankRecord();
    m_deleted.assign(static_cast<size_t>(m_recordTotal), 0);
    for (int r = 0; r < m_recordTotal; ++r)
        m_deleted[r] = m_pages->isDeleted(r);
    return Status::ok();
}

// Another program (a sibling's loan register) may have appended records, or
// cut or replaced the file. The table takes in what the file now holds and
// keeps the cursor on its record.
bool TTable::takeInOtherWrites()
{
    if (!isActive() || isEditing() || !m_pages->refresh())
        return false;
    const int current = currentRecordNumber();
    const int total = m_pages->recordCount();
    auto file = std::make_unique<DbfFile>();
    if (file->open(m_file->path(), m_file->isWritable()) || file->open(m_file->path(), false))
        m_file = std::move(file);
    if (total < m_recordTotal)
        dropIndexes();
    m_deleted.resize(static_cast<size_t>(total), 0);
    for (int r = m_recordTotal; r < total; ++r)
        m_deleted[r] = m_pages->isDeleted(r);
    m_recordTotal = total;
    rebuildOrder();
    const int position = current < 0 ? -1 : positionOf(current);
    moveTo(position < 0 ? 0 : position, m_bof, m_eof);
    return true;
}

void TTable::dropIndexes()
{
    m_index = nullptr;
    m_indexes.clear();
}

// The index file only names the tags; a missing or foreign one is written anew
// from the table's layout.
void TTable::prepareIndexFile()
{
    m_tags = m_layout.tags;
    const QString base = QFileInfo(m_tableName).completeBaseName();
    if (!m_layout.hasIndexFile())
        return;
    const QString path = tablefiles::indexPath(m_folder, base);
    const auto tags = indexfile::read(path);
    if (tags) {
        for (const IndexTag& tag : *tags) {
            if (!m_layout.tag(tag.name))
                m_tags.append(tag);
        }
        return;
    }
    if (QFileInfo::exists(path))
        m_warnings.append(QStringLiteral("Indexový soubor tabulky %1 nebyl rozpoznán; "
                                         "indexy byly vytvořeny znovu.")
                              .arg(m_tableName));
    if (!indexfile::write(path, m_layout))
        m_warnings.append(QStringLiteral("Indexový soubor tabulky %1 nelze zapsat; indexy "
                                         "se vytvoří znovu při každém otevření.")
                              .arg(m_tableName));
}

void TTable::close()
{
    if (!isActive())
        return;
    m_file.reset();
    dropIndexes();
    m_pages->close();
    m_deleted.clear();
    m_order.clear();
    m_buffer.clear();
    m_pos = -1;
    m_bof = m_eof = true;
    m_modified = false;
    setState(State::Inactive);
    emit cursorMoved();
}

void TTable::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

int TTable::fieldIndex(const QString& name) const
{
    return m_fieldByName.value(name.toUpper(), -1);
}

QStringList TTable::fieldNames() const
{
    QStringList names;
    for (const FieldDef& field : m_fields)
        names.append(field.name);
    return names;
}

// A record the file no longer holds (another program cut it) reads as blank
// until the table takes in the change.
const char* TTable::recordAt(int record) const
{
    const char* raw = m_pages->record(record);
    return raw ? raw : m_blank.constData();
}

int TTable::currentRecordNumber() const
{
    if (m_pos < 0 || m_pos >= static_cast<int>(m_order.size()))
        return -1;
    return m_order[m_pos];
}

const char* TTable::currentRecord() const
{
    if (isEditing())
        return m_buffer.constData();
    const int record = currentRecordNumber();
    return record < 0 ? nullptr : recordAt(record);
}

QString TTable::textOf(const char* record, int field) const
{
    if (m_fields.at(field).type == 'M')
        return m_file->memoText(record + m_offsets.at(field), m_fields.at(field).width);
    return fieldcodec::toText(m_fields.at(field), record + m_offsets.at(field), m_file->codePage(),
                              m_locale);
}

QString TTable::fieldText(const QString& name) const
{
    const int field = fieldIndex(name);
    const char* record = currentRecord();
    if (field < 0 || !record)
        return {};
    // The program's own text breaks lines with LF whatever the file keeps.
    return withPlainLineBreaks(textOf(record, field));
}

QString TTable::fieldValueText(const QString& name) const
{
    const int field = fieldIndex(name);
    const char* record = currentRecord();
    if (field < 0 || !record)
        return {};
    const FieldDef& def = m_fields.at(field);
    const char* value = record + m_offsets.at(field);
    if (def.type == 'N' || def.type == 'F')
        return fieldcodec::canonicalNumber(value, def.width);
    if (def.type == 'D') {
        const QString date = fieldcodec::canonicalDate(value);
        return date.size() == 8 ? date.left(4) + '-' + date.mid(4, 2) + '-' + date.right(2) : date;
    }
    return textOf(record, field);
}

std::optional<bool> TTable::fieldBool(const QString& name) const
{
    const int field = fieldIndex(name);
    const char* record = currentRecord();
    if (field < 0 || !record || m_fields.at(field).type != 'L')
        return std::nullopt;
    return fieldcodec::toBool(record + m_offsets.at(field));
}

Status TTable::setFieldText(const QString& name, const QString& text)
{
    if (!isEditing())
        return Status::error(QStringLiteral("Záznam není otevřen pro úpravy."),
                             QStringLiteral("%1 is not in edit or insert state").arg(m_tableName));
    const int field = fieldIndex(name);
    if (field < 0)
        return Status::error(QStringLiteral("Pole %1 v tabulce neexistuje.").arg(name),
                             m_tableName);
    const FieldDef& def = m_fields.at(field);
    if (def.type == 'C' &&
        withPlainLineBreaks(textOf(m_buffer.constData(), field)) == withPlainLineBreaks(text)) {
        // The same text keeps its bytes: a note's line breaks stay as its writer made them.
        m_modified = true;
        emit recordChanged();
        return Status::ok();
    }
    QByteArray bytes;
    Status s = fieldcodec::fromText(m_fields.at(field), text, m_file->codePage(), m_locale, &bytes);
    if (!s)
        return Status::error(s.message(), s.detail() + QStringLiteral(" in ") + m_tableName);
    m_buffer.replace(m_offsets.at(field), bytes.size(), bytes);
    m_modified = true;
    emit recordChanged();
    return Status::ok();
}

Status TTable::setFieldBool(const QString& name, bool value)
{
    const int field = fieldIndex(name);
    if (field >= 0 && m_fields.at(field).type != 'L')
        return Status::error(QStringLiteral("Pole %1 není logické.").arg(name), m_tableName);
    return setFieldText(name, value ? QStringLiteral("T") : QStringLiteral("F"));
}

void TTable::moveTo(int position, bool bof, bool eof)
{
    const int count = static_cast<int>(m_order.size());
    m_pos = count == 0 ? -1 : std::clamp(position, 0, count - 1);
    m_bof = bof || count == 0;
    m_eof = eof || count == 0;
    emit cursorMoved();
}

Status TTable::leaveEditing()
{
    if (!isEditing())
        return Status::ok();
    if (m_modified)
        return post();
    cancel();
    return Status::ok();
}

Status TTable::first()
{
    if (Status s = leaveEditing(); !s)
        return s;
    if (isActive()) {
        takeInOtherWrites();
        moveTo(0, true, false);
    }
    return Status::ok();
}

Status TTable::last()
{
    if (Status s = leaveEditing(); !s)
        return s;
    if (isActive()) {
        takeInOtherWrites();
        moveTo(recordCount() - 1, false, true);
    }
    return Status::ok();
}

Status TTable::next()
{
    if (Status s = leaveEditing(); !s)
        return s;
    if (!isActive())
        return Status::ok();
    if (m_pos >= recordCount() - 1 && !(takeInOtherWrites() && m_pos < recordCount() - 1))
        moveTo(m_pos, false, true);
    else
        moveTo(m_pos + 1, false, false);
    return Status::ok();
}

Status TTable::prior()
{
    if (Status s = leaveEditing(); !s)
        return s;
    if (!isActive())
        return Status::ok();
    if (m_pos <= 0)
        moveTo(m_pos, true, false);
    else
        moveTo(m_pos - 1, false, false);
    return Status::ok();
}

Status TTable::edit()
{
    if (!isActive())
        return Status::error(QStringLiteral("Tabulka není otevřena."), m_tableName);
    if (isEditing())
        return Status::ok();
    if (!m_file->isWritable())
        return readOnlyError();
    if (isEmpty())
        return insert();
    m_editRecord = currentRecordNumber();
    m_buffer = QByteArray(recordAt(m_editRecord), m_recordLength);
    m_modified = false;
    setState(State::Edit);
    return Status::ok();
}

Status TTable::insert()
{
    if (!isActive())
        return Status::error(QStringLiteral("Tabulka není otevřena."), m_tableName);
    if (!m_file->isWritable())
        return readOnlyError();
    if (Status s = leaveEditing(); !s)
        return s;
    m_posBeforeInsert = m_pos;
    m_editRecord = -1;
    m_buffer = m_file->blankRecord();
    m_modified = false;
    setState(State::Insert);
    emit recordChanged();
    return Status::ok();
}

bool TTable::isReadOnly() const
{
    return m_file && !m_file->isWritable();
}

Status TTable::readOnlyError() const
{
    return Status::error(QStringLiteral("Tabulka %1 je otevřena jen pro čtení, záznamy v ní "
                                        "nelze měnit.")
                             .arg(m_tableName));
}

Status TTable::writeBuffer()
{
    const int record = m_state == State::Insert ? m_recordTotal : m_editRecord;
    m_buffer[0] = ' ';
    if (Status s = m_file->writeRecord(record, m_buffer); !s)
        return s;
    m_pages->invalidate();
    if (record == m_recordTotal) {
        m_pages->refresh();
        ++m_recordTotal;
        m_deleted.push_back(0);
    } else {
        m_deleted[record] = 0;
    }
    for (auto& [fields, index] : m_indexes) {
        if (index->size() >= record)
            index->update(record, m_buffer.constData());
    }
    m_editRecord = record;
    return Status::ok();
}

Status TTable::post()
{
    if (!isEditing())
        return Status::error(QStringLiteral("Záznam není otevřen pro úpravy."), m_tableName);
    if (Status s = writeBuffer(); !s)
        return s;
    const int record = m_editRecord;
    m_buffer.clear();
    m_modified = false;
    setState(State::Browse);
    placeAfterPost(record);
    emit recordChanged();
    emit recordWritten();
    return Status::ok();
}

void TTable::cancel()
{
    if (!isEditing())
        return;
    const bool inserting = m_state == State::Insert;
    m_buffer.clear();
    m_modified = false;
    setState(State::Browse);
    if (inserting)
        moveTo(m_posBeforeInsert, false, false);
    emit recordChanged();
}

Status TTable::deleteRecord()
{
    if (!isActive())
        return Status::error(QStringLiteral("Tabulka není otevřena."), m_tableName);
    if (m_state == State::Insert) {
        cancel();
        return Status::ok();
    }
    if (isEmpty())
        return Status::error(QStringLiteral("Nelze odstranit záznam, databáze je prázdná."),
                             m_tableName);
    const int record = currentRecordNumber();
    if (Status s = m_file->markDeleted(record); !s)
        return s;
    m_pages->invalidate();
    m_deleted[record] = 1;
    m_buffer.clear();
    m_modified = false;
    setState(State::Browse);
    m_order.erase(m_order.begin() + m_pos);
    moveTo(std::min(m_pos, recordCount() - 1), false, false);
    emit recordChanged();
    emit recordWritten();
    return Status::ok();
}

bool TTable::passesFilter(int record) const
{
    if (m_deleted[record])
        return false;
    if (!m_filtered || m_filterExpr.isEmpty())
        return true;
    const char* raw = recordAt(record);
    for (const FilterTerm& term : m_filterExpr.terms()) {
        const int field = fieldIndex(term.field);
        QString text;
        if (field >= 0) {
            const FieldDef& def = m_fields.at(field);
            const char* value = raw + m_offsets.at(field);
            if (def.type == 'N' || def.type == 'F')
                text = fieldcodec::canonicalNumber(value, def.width);
            else if (def.type == 'D')
                text = fieldcodec::canonicalDate(value);
            else
                text = textOf(raw, field);
        }
        if (!FilterExpression::matches(term, text))
            return false;
    }
    return true;
}

void TTable::rebuildOrder()
{
    m_order.clear();
    m_order.reserve(m_recordTotal);
    for (int r = 0; r < m_recordTotal; ++r) {
        if (passesFilter(r))
            m_order.push_back(r);
    }
    QStringList fields;
    if (!resolveIndex(m_indexName, &fields) || fields.isEmpty()) {
        m_index = nullptr;
        return;
    }
    m_index = indexFor(fields);
    std::sort(m_order.begin(), m_order.end(), [this](int a, int b) { return m_index->less(a, b); });
}

// Each record's keys are computed once, when an index is first used or the
// record is first seen.
TableIndex* TTable::indexFor(const QStringList& fields)
{
    QStringList key;
    for (const QString& name : fields)
        key.append(name.toUpper());
    std::unique_ptr<TableIndex>& index = m_indexes[key];
    if (!index) {
        QList<TableIndex::Field> keyFields;
        for (const QString& name : fields) {
            const int field = fieldIndex(name);
            keyFields.append({m_fields.at(field), m_offsets.at(field)});
        }
        index = std::make_unique<TableIndex>(keyFields, m_file->codePage());
    }
    for (int r = index->size(); r < m_recordTotal; ++r)
        index->update(r, recordAt(r));
    return index.get();
}

// A posted record takes its place by the current index; the cursor follows it,
// or stands where it would be when the filter hides it.
void TTable::placeAfterPost(int record)
{
    const auto old = std::find(m_order.begin(), m_order.end(), record);
    if (old != m_order.end())
        m_order.erase(old);
    auto place = m_order.end();
    if (m_index)
        place = std::lower_bound(m_order.begin(), m_order.end(), record,
                                 [this](int a, int b) { return m_index->less(a, b); });
    const int position = static_cast<int>(place - m_order.begin());
    if (passesFilter(record))
        m_order.insert(place, record);
    moveTo(position, false, false);
}

Status TTable::resolveIndex(const QString& name, QStringList* fields) const
{
    fields->clear();
    if (name.isEmpty())
        return Status::ok();
    for (const IndexTag& tag : m_tags) {
        if (tag.name.compare(name, Qt::CaseInsensitive) == 0) {
            *fields = tag.fields;
            break;
        }
    }
    if (fields->isEmpty())
        fields->append(name);
    for (const QString& field : *fields) {
        if (fieldIndex(field) < 0) {
            fields->clear();
            return Status::error(QStringLiteral("Index %1 v tabulce neexistuje.").arg(name),
                                 m_tableName);
        }
    }
    return Status::ok();
}

Status TTable::setIndex(const QString& name)
{
    if (isActive()) {
        QStringList fields;
        if (Status s = resolveIndex(name, &fields); !s)
            return s;
        if (Status s = leaveEditing(); !s)
            return s;
    }
    m_indexName = name;
    if (!isActive())
        return Status::ok();
    const int record = currentRecordNumber();
    rebuildOrder();
    moveTo(record < 0 ? 0 : positionOf(record), false, false);
    return Status::ok();
}

int TTable::positionOf(int record) const
{
    const auto it = std::find(m_order.begin(), m_order.end(), record);
    return it == m_order.end() ? -1 : static_cast<int>(it - m_order.begin());
}

bool TTable::findKey(const QString& value)
{
    m_lastKey = value;
    if (!isActive() || !m_index || !leaveEditing())
        return false;
    const auto probe = m_index->probe(value, m_locale);
    if (!probe)
        return false;
    auto it = std::lower_bound(
        m_order.begin(), m_order.end(), *probe,
        [this](int r, const TableIndex::Probe& p) { return m_index->compare(r, p) < 0; });
    for (; it != m_order.end() && m_index->compare(*it, *probe) == 0; ++it) {
        if (m_index->equals(*it, *probe, recordAt(*it))) {
            moveTo(static_cast<int>(it - m_order.begin()), false, false);
            return true;
        }
    }
    return false;
}

bool TTable::gotoKey()
{
    return m_lastKey && findKey(*m_lastKey);
}

void TTable::findNearest(const QString& value)
{
    if (!isActive() || !m_index || !leaveEditing())
        return;
    const auto probe = m_index->probe(value, m_locale);
    if (!probe)
        return;
    const auto it = std::lower_bound(
        m_order.begin(), m_order.end(), *probe,
        [this](int r, const TableIndex::Probe& p) { return m_index->compare(r, p) < 0; });
    const bool beyond = it == m_order.end();
    moveTo(static_cast<int>(it - m_order.begin()) - (beyond ? 1 : 0), false, beyond);
}

TTable::Bookmark TTable::bookmark() const
{
    return Bookmark{currentRecordNumber()};
}

bool TTable::gotoBookmark(const Bookmark& bookmark)
{
    if (!isActive() || !bookmark.isValid() || !leaveEditing())
        return false;
    const int position = positionOf(bookmark.record);
    if (position < 0)
        return false;
    moveTo(position, false, false);
    return true;
}

Status TTable::setFilter(const QString& expression)
{
    FilterExpression parsed;
    if (Status s = FilterExpression::parse(expression, &parsed); !s)
        return s;
    m_filterText = expression;
    m_filterExpr = parsed;
    if (isActive() && m_filtered) {
        if (Status s = leaveEditing(); !s)
            return s;
        rebuildOrder();
        moveTo(0, true, false);
    }
    return Status::ok();
}

Status TTable::setFiltered(bool on)
{
    if (m_filtered == on)
        return Status::ok();
    if (isActive()) {
        if (Status s = leaveEditing(); !s)
            return s;
    }
    m_filtered = on;
    if (isActive()) {
        rebuildOrder();
        moveTo(0, true, false);
    }
    return Status::ok();
}
