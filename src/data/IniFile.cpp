#include "IniFile.h"

#include "CodePage.h"

#include <QFile>
#include <QList>
#include <QSaveFile>
#include <QStringDecoder>

#include <limits>
#include <optional>

namespace {

const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// Length of the well-formed UTF-8 sequence starting at data[i], or 0 when there is none
// (overlong forms, surrogates and code points beyond U+10FFFF included).
qsizetype utf8SequenceLength(QByteArrayView data, qsizetype i)
{
    const auto byte = [&](qsizetype k) { return static_cast<unsigned char>(data[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > data.size())
        return 0;
    if (byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (qsizetype k = i + 2; k < i + length; ++k) {
        if (byte(k) < 0x80 || byte(k) > 0xBF)
            return 0;
    }
    return length;
}

bool isValidUtf8(QByteArrayView data)
{
    for (qsizetype i = 0; i < data.size();) {
        const qsizetype length = utf8SequenceLength(data, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

// Only the file's first bytes are a byte order mark; a U+FEFF that begins a later line
// belongs to that line's text.
QString fromUtf8(QByteArrayView data)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(data);
}

bool isAscii(QByteArrayView data)
{
    for (char c : data) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// Windows-1250 as Windows reads it: no byte of an old file is lost.
QString fromCp1250(QByteArrayView data)
{
    static const CodePage page = CodePage::forLanguageDriver(CodePage::kWindows1250);
    return page.decode(data.data(), data.size(), CodePage::Unassigned::Keep);
}

// Windows trims these around names and values; a stray CR is left over from files
// whose line ends were mangled by a transfer.
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r');
}

QString trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin).toString();
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

struct RawLine
{
    QByteArray text; // without the line end
    QByteArray eol;  // "\r\n", "\n", or empty for a last line without one
};

struct Document
{
    QByteArray bom;
    QList<RawLine> lines;
    QByteArray eol = QByteArrayLiteral("\n"); // for new lines
};

enum class LineKind
{
    Other,
    Section,
    Key
};

struct ParsedLine
{
    LineKind kind = LineKind::Other;
    bool utf8 = true;
    QString name;
    QString value;
};

Document splitDocument(QByteArray data)
{
    Document doc;
    if (data.startsWith(kUtf8Bom)) {
        doc.bom = kUtf8Bom;
        data.remove(0, kUtf8Bom.size());
    }
    const qsizetype firstBreak = data.indexOf('\n');
    if (firstBreak > 0 && data[firstBreak - 1] == '\r')
        doc.eol = QByteArrayLiteral("\r\n");
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype end = data.indexOf('\n', start);
        if (end < 0) {
            doc.lines.append({data.sliced(start), {}});
            break;
        }
        const bool crlf = end > start && data[end - 1] == '\r';
        const qsizetype textEnd = crlf ? end - 1 : end;
        doc.lines.append(
            {data.sliced(start, textEnd - start), data.sliced(textEnd, end + 1 - textEnd)});
        start = end + 1;
    }
    return doc;
}

QByteArray joinDocument(const Document& doc)
{
    QByteArray data = doc.bom;
    for (const RawLine& line : doc.lines)
        data += line.text + line.eol;
    return data;
}

ParsedLine parseLine(const QByteArray& bytes)
{
    ParsedLine line;
    line.utf8 = isValidUtf8(bytes);
    const QString text = line.utf8 ? fromUtf8(bytes) : fromCp1250(bytes);
    const QString content = trimBlanks(text);
    if (content.startsWith(QLatin1Char('['))) {
        line.kind = LineKind::Section;
        const qsizetype close = content.indexOf(QLatin1Char(']'));
        line.name =
            trimBlanks(QStringView(content).sliced(1, (close < 0 ? content.size() : close) - 1));
        return line;
    }
    const qsizetype equals = content.indexOf(QLatin1Char('='));
    if (content.startsWith(QLatin1Char(';')) || equals < 0)
        return line;
    line.kind = LineKind::Key;
    line.name = trimBlanks(QStringView(content).first(equals));
    line.value = trimBlanks(QStringView(content).sliced(equals + 1));
    return line;
}

// Where a key lives: its first line in any section of that name, and the place for a
// new key in the first such section (after its last key line, or after its header).
struct Location
{
    qsizetype keyLine = -1;
    qsizetype insertAfter = -1;
    ParsedLine key;
};

Location locate(const Document& doc, const QString& section, const QString& key)
{
    Location where;
    bool inSection = false;
    bool inFirstSection = false;
    for (qsizetype i = 0; i < doc.lines.size(); ++i) {
        ParsedLine line = parseLine(doc.lines[i].text);
        if (line.kind == LineKind::Section) {
            inSection = sameName(line.name, section);
            inFirstSection = inSection && where.insertAfter < 0;
            if (inFirstSection)
                where.insertAfter = i;
        } else if (line.kind == LineKind::Key && inSection) {
            if (inFirstSection)
                where.insertAfter = i;
            if (where.keyLine < 0 && sameName(line.name, key)) {
                where.keyLine = i;
                where.key = std::move(line);
            }
        }
    }
    return where;
}

std::optional<QByteArray> readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

std::optional<ParsedLine> findKey(const QString& path, const QString& section, const QString& key)
{
    const std::optional<QByteArray> data = readBytes(path);
    if (!data)
        return std::nullopt;
    const Location where = locate(splitDocument(*data), trimBlanks(section), trimBlanks(key));
    if (where.keyLine < 0)
        return std::nullopt;
    return where.key;
}

bool hasLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// Names that would read back as something else once written: a section name with a
// closing bracket, a key that would turn into a comment, a header or another key.
bool isWritableName(const QString& section, const QString& key)
{
    if (section.isEmpty() || key.isEmpty() || hasLineBreak(section) || hasLineBreak(key))
        return false;
    if (section.contains(QLatin1Char(']')) || key.contains(QLatin1Char('=')))
        return false;
    return !key.startsWith(QLatin1Char('[')) && !key.startsWith(QLatin1Char(';'));
}

// Keeps the key as spelled in the file and the blanks after the equals sign. A key
// spelled in Windows-1250 is re-encoded so that the whole line stays one encoding.
QByteArray rewrittenKeyLine(const QByteArray& old, const ParsedLine& parsed, const QString& value)
{
    qsizetype valueStart = old.indexOf('=') + 1;
    while (valueStart < old.size() && (old[valueStart] == ' ' || old[valueStart] == '\t'))
        ++valueStart;
    QByteArray prefix = old.first(valueStart);
    if (!parsed.utf8 && !isAscii(prefix))
        prefix = fromCp1250(prefix).toUtf8();
    return prefix + value.toUtf8();
}

void insertLine(Document& doc, qsizetype index, const QByteArray& text)
{
    QByteArray eol = doc.eol;
    if (index > 0) {
        RawLine& previous = doc.lines[index - 1];
        if (previous.eol.isEmpty())
            previous.eol = doc.eol;
        eol = previous.eol;
    }
    doc.lines.insert(index, {text, eol});
}

void appendSection(Document& doc, const QString& section, const QByteArray& keyLine)
{
    if (!doc.lines.isEmpty() && !doc.lines.last().text.trimmed().isEmpty())
        insertLine(doc, doc.lines.size(), {});
    insertLine(doc, doc.lines.size(), '[' + section.toUtf8() + ']');
    insertLine(doc, doc.lines.size(), keyLine);
}

Status saveBytes(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        return Status::error(
            QStringLiteral("Nastavení se nepodařilo uložit do souboru %1.").arg(path),
            file.errorString());
    }
    return Status::ok();
}

std::optional<int> parseInteger(const QString& text)
{
    QStringView digits(text);
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative || digits.startsWith(QLatin1Char('+')))
        digits = digits.sliced(1);
    if (digits.isEmpty() || digits.size() > 10)
        return std::nullopt;
    qint64 number = 0;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        number = number * 10 + (c.unicode() - '0');
    }
    if (negative)
        number = -number;
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(number);
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

QString IniFile::readString(const QString& section, const QString& key) const
{
    const std::optional<ParsedLine> line = findKey(m_path, section, key);
    return line ? line->value : QString();
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    const std::optional<int> number = parseInteger(readString(section, key));
    return number.value_or(defaultValue);
}

Status IniFile::writeString(const QString& section, const QString& key, const QString& value) const
{
    const QString sectionName = trimBlanks(section);
    const QString keyName = trimBlanks(key);
    const QString where = sectionName + QLatin1Char('/') + keyName;
    if (!isWritableName(sectionName, keyName))
        return Status::error(
            QStringLiteral("Název „%1“ nelze použít v souboru nastavení.").arg(where));
    if (hasLineBreak(value)) {
        return Status::error(
            QStringLiteral("Hodnotu s koncem řádku nelze uložit do souboru nastavení."), where);
    }
    std::optional<QByteArray> data = QByteArray();
    if (QFile::exists(m_path))
        data = readBytes(m_path);
    if (!data) {
        return Status::error(QStringLiteral("Soubor nastavení %1 nelze přečíst.").arg(m_path),
                             QFile(m_path).errorString());
    }
    Document doc = splitDocument(*data);
    const Location found = locate(doc, sectionName, keyName);
    if (found.keyLine >= 0) {
        if (found.key.value == trimBlanks(value))
            return Status::ok();
        RawLine& line = doc.lines[found.keyLine];
        line.text = rewrittenKeyLine(line.text, found.key, value);
    } else if (found.insertAfter >= 0) {
        insertLine(doc, found.insertAfter + 1, keyName.toUtf8() + '=' + value.toUtf8());
    } else {
        appendSection(doc, sectionName, keyName.toUtf8() + '=' + value.toUtf8());
    }
    return saveBytes(m_path, joinDocument(doc));
}

Status IniFile::writeInteger(const QString& section, const QString& key, int value) const
{
    return writeString(section, key, QString::number(value));
}
