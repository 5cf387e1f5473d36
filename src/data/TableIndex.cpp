#include "TableIndex.h"

#include "FieldCodec.h"

namespace {
bool isText(char type)
{
    return type == 'C' || type == 'M';
}
bool isNumber(char type)
{
    return type == 'N' || type == 'F';
}
template <typename T> int threeWay(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}
} // namespace

TableIndex::TableIndex(const QList<Field>& fields, const CodePage& page)
    : m_page(page), m_collator(QLocale(QLocale::Czech, QLocale::CzechRepublic))
{
    m_collator.setCaseSensitivity(Qt::CaseSensitive);
    for (const Field& field : fields)
        m_columns.push_back(Column{field, {}, {}, {}, {}});
}

QString TableIndex::decodeText(const Column& column, const char* raw) const
{
    const char* value = raw + column.field.offset;
    int length = column.field.def.width;
    while (length > 0 && value[length - 1] == ' ')
        --length;
    return m_page.decode(value, length);
}

void TableIndex::setKey(Column& column, int record, const char* raw)
{
    const auto slot = static_cast<size_t>(record);
    const bool append = slot == column.null.size();
    const char* value = raw + column.field.offset;
    const char type = column.field.def.type;
    bool null = false;
    if (isText(type)) {
        QCollatorSortKey key = m_collator.sortKey(decodeText(column, raw));
        append ? column.text.push_back(key) : void(column.text[slot] = key);
    } else if (isNumber(type)) {
        const auto number = fieldcodec::toDouble(value, column.field.def.width);
        null = !number;
        append ? column.number.push_back(number.value_or(0))
               : void(column.number[slot] = number.value_or(0));
    } else {
        QByteArray bytes(value, column.field.def.width);
        null = bytes.trimmed().isEmpty();
        append ? column.raw.push_back(bytes) : void(column.raw[slot] = bytes);
    }
    append ? column.null.push_back(null) : void(column.null[slot] = null);
}

int TableIndex::size() const
{
    return m_columns.empty() ? 0 : static_cast<int>(m_columns.front().null.size());
}

void TableIndex::update(int record, const char* raw)
{
    for (Column& column : m_columns)
        setKey(column, record, raw);
}

int TableIndex::compareColumn(const Column& column, int a, int b) const
{
    const char type = column.field.def.type;
    if (isText(type))
        return column.text[a].compare(column.text[b]);
    if (column.null[a] || column.null[b])
        return threeWay(!column.null[a], !column.null[b]);
    if (isNumber(type))
        return threeWay(column.number[a], column.number[b]);
    return threeWay(column.raw[a], column.raw[b]);
}

bool TableIndex::less(int a, int b) const
{
    for (const Column& column : m_columns) {
        const int c = compareColumn(column, a, b);
        if (c != 0)
            return c < 0;
    }
    return a < b;
}

std::optional<TableIndex::Probe> TableIndex::probe(const QString& value,
                                                   const QLocale& locale) const
{
    if (m_columns.empty())
        return std::nullopt;
    const FieldDef& def = m_columns.front().field.def;
    Probe p;
    p.plain = value;
    if (isText(def.type)) {
        while (p.plain.endsWith(QLatin1Char(' ')))
            p.plain.chop(1);
        p.text = m_collator.sortKey(p.plain);
        return p;
    }
    QByteArray stored;
    if (!fieldcodec::fromText(def, value, m_page, locale, &stored))
        return std::nullopt;
    p.isNull = stored.trimmed().isEmpty();
    if (isNumber(def.type))
        p.number = fieldcodec::toDouble(stored.constData(), def.width).value_or(0);
    p.raw = stored;
    return p;
}

int TableIndex::compare(int record, const Probe& p) const
{
    const Column& column = m_columns.front();
    const char type = column.field.def.type;
    if (isText(type))
        return column.text[record].compare(*p.text);
    if (column.null[record] || p.isNull)
        return threeWay(!column.null[record], !p.isNull);
    if (isNumber(type))
        return threeWay(column.number[record], p.number);
    return threeWay(column.raw[record], p.raw);
}

bool TableIndex::equals(int record, const Probe& p, const char* raw) const
{
    const Column& column = m_columns.front();
    if (isText(column.field.def.type))
        return decodeText(column, raw) == p.plain;
    return compare(record, p) == 0;
}
