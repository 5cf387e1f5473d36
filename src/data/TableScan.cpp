#include "TableScan.h"

#include "FieldCodec.h"
#include "IndexFile.h"
#include "TTable.h"
#include "TableFiles.h"
#include "TableIndex.h"

#include <QFileInfo>

#include <algorithm>
#include <memory>

namespace {

// The tags of the table's own layout and those its index file names besides.
QList<IndexTag> tagsOf(const QString& path)
{
    const QFileInfo info(path);
    const QString base = info.completeBaseName();
    QList<IndexTag> tags = layouts::forTable(base).tags;
    const auto named = indexfile::read(tablefiles::indexPath(info.path() + QLatin1Char('/'), base));
    if (named) {
        for (const IndexTag& tag : *named) {
            const bool known = std::any_of(tags.cbegin(), tags.cend(), [&](const IndexTag& t) {
                return t.name.compare(tag.name, Qt::CaseInsensitive) == 0;
            });
            if (!known)
                tags.append(tag);
        }
    }
    return tags;
}

QStringList keyFieldsOf(const QList<IndexTag>& tags, const QString& name)
{
    for (const IndexTag& tag : tags) {
        if (tag.name.compare(name, Qt::CaseInsensitive) == 0)
            return tag.fields;
    }
    return {name};
}

} // namespace

TableScan::TableScan(const QString& path, const QString& index, const QString& filter,
                     const QLocale& locale)
    : m_locale(locale)
{
    setUp(path, index, filter);
}

TableScan::TableScan(const TTable& table) : m_locale(table.locale())
{
    setUp(table.filePath(), table.indexName(), table.filtered() ? table.filter() : QString());
}

void TableScan::setUp(const QString& path, const QString& index, const QString& filter)
{
    m_indexName = index;
    m_status = m_reader.open(path);
    if (!m_status)
        return;
    const QList<FieldDef>& fields = m_reader.fields();
    for (int i = 0; i < fields.size(); ++i)
        m_fieldByName.insert(fields.at(i).name.toUpper(), i);
    if (Status s = FilterExpression::parse(filter, &m_filter); !s) {
        m_status = s;
        return;
    }
    for (const FilterTerm& term : m_filter.terms()) {
        if (!hasField(term.field)) {
            m_status = Status::error(
                QStringLiteral("Pole %1 v tabulce neexistuje.").arg(term.field), path);
            return;
        }
    }
}

int TableScan::fieldIndex(const QString& name) const
{
    // Callers mostly spell names as the file does; only others are folded.
    const auto exact = m_fieldByName.constFind(name);
    return exact != m_fieldByName.cend() ? *exact : m_fieldByName.value(name.toUpper(), -1);
}

bool TableScan::passes(const char* raw) const
{
    if (raw[0] == '*')
        return false;
    for (const FilterTerm& term : m_filter.terms()) {
        const int field = fieldIndex(term.field);
        const QString text =
            fieldcodec::toFilterText(m_reader.fields().at(field),
                                     raw + m_reader.fieldOffsets().at(field), m_reader.codePage());
        if (!FilterExpression::matches(term, text))
            return false;
    }
    return true;
}

// One pass over the file in large reads finds the matching records and, for
// an index, computes each record's sort keys once; only the keys and the
// record numbers stay in memory.
void TableScan::prepare()
{
    m_prepared = true;
    if (!m_status)
        return;
    std::unique_ptr<TableIndex> index;
    if (!m_indexName.isEmpty() && !(index = makeIndex()))
        return;
    const int total = m_reader.recordCount();
    m_order.reserve(total);
    for (int r = 0; r < total; ++r) {
        const char* raw = m_reader.record(r);
        if (!raw || !passes(raw))
            continue;
        if (index)
            index->update(static_cast<int>(m_order.size()), raw);
        m_order.push_back(r);
    }
    if (index)
        sortBy(*index);
}

std::unique_ptr<TableIndex> TableScan::makeIndex()
{
    QList<TableIndex::Field> keyFields;
    for (const QString& name : keyFieldsOf(tagsOf(m_reader.path()), m_indexName)) {
        const int field = fieldIndex(name);
        if (field < 0) {
            m_status = Status::error(
                QStringLiteral("Index %1 v tabulce neexistuje.").arg(m_indexName), m_reader.path());
            return nullptr;
        }
        keyFields.append({m_reader.fields().at(field), m_reader.fieldOffsets().at(field)});
    }
    return std::make_unique<TableIndex>(keyFields, m_reader.codePage());
}

// The keys are held by position among the matching records; equal keys keep
// the physical order.
void TableScan::sortBy(const TableIndex& index)
{
    const int matching = static_cast<int>(m_order.size());
    std::vector<int> sorted(matching);
    for (int i = 0; i < matching; ++i)
        sorted[i] = i;
    std::sort(sorted.begin(), sorted.end(), [&index](int a, int b) { return index.less(a, b); });
    for (int& slot : sorted)
        slot = m_order[slot];
    m_order.swap(sorted);
}

int TableScan::count()
{
    if (!m_prepared)
        prepare();
    return static_cast<int>(m_order.size());
}

bool TableScan::next()
{
    if (!m_prepared)
        prepare();
    m_raw = nullptr;
    m_record = -1;
    while (++m_position < static_cast<int>(m_order.size())) {
        // A record the file no longer holds (cut by another program) is passed over.
        m_raw = m_reader.record(m_order[m_position]);
        if (m_raw) {
            m_record = m_order[m_position];
            return true;
        }
    }
    m_position = static_cast<int>(m_order.size());
    return false;
}

const char* TableScan::rawField(int field) const
{
    if (!m_raw || field < 0 || field >= m_reader.fields().size())
        return nullptr;
    return m_raw + m_reader.fieldOffsets().at(field);
}

QString TableScan::fieldText(const QString& name) const
{
    const int field = fieldIndex(name);
    const char* value = rawField(field);
    return value ? fieldcodec::toText(m_reader.fields().at(field), value, m_reader.codePage(),
                                      m_locale)
                 : QString();
}

QString TableScan::fieldValueText(const QString& name) const
{
    const int field = fieldIndex(name);
    const char* value = rawField(field);
    return value ? fieldcodec::toValueText(m_reader.fields().at(field), value, m_reader.codePage())
                 : QString();
}

std::optional<bool> TableScan::fieldBool(const QString& name) const
{
    const int field = fieldIndex(name);
    const char* value = rawField(field);
    if (!value || m_reader.fields().at(field).type != 'L')
        return std::nullopt;
    return fieldcodec::toBool(value);
}
