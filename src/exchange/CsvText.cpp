#include "CsvText.h"

#include "CodePage.h"

#include <QStringDecoder>

namespace csvtext {

QString field(const QString& value, QChar separator)
{
    bool quote = false;
    for (const QChar c : value) {
        if (c == separator || c == QLatin1Char('"') || c == QLatin1Char('\n') ||
            c == QLatin1Char('\r')) {
            quote = true;
            break;
        }
    }
    if (!quote)
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString record(const QStringList& values, QChar separator)
{
    QString line;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            line += separator;
        line += field(values.at(i), separator);
    }
    return line;
}

QChar detectSeparator(const QString& text)
{
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted && c == QLatin1Char(','))
            ++commas;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolons;
    }
    return semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
}

namespace {

// Walks the text once; `line` counts the physical lines for the messages.
class Parser
{
public:
    Parser(const QString& text, QChar separator) : m_text(text), m_separator(separator) {}

    Status run(QList<Record>* records)
    {
        while (m_pos < m_text.size()) {
            Record record{m_line, {}};
            if (Status s = readRecord(&record.values); !s)
                return s;
            const bool blank = record.values.size() == 1 && record.values.first().isEmpty();
            if (!blank)
                records->append(std::move(record));
        }
        return Status::ok();
    }

private:
    bool atLineEnd() const
    {
        return m_text.at(m_pos) == QLatin1Char('\n') || m_text.at(m_pos) == QLatin1Char('\r');
    }

    void skipLineEnd()
    {
        if (m_text.at(m_pos) == QLatin1Char('\r') && m_pos + 1 < m_text.size() &&
            m_text.at(m_pos + 1) == QLatin1Char('\n'))
            ++m_pos;
        ++m_pos;
        ++m_line;
    }

    Status readRecord(QStringList* values)
    {
        for (;;) {
            QString value;
            if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('"')) {
                if (Status s = readQuoted(&value); !s)
                    return s;
            }
            while (m_pos < m_text.size() && !atLineEnd() && m_text.at(m_pos) != m_separator)
                value += m_text.at(m_pos++);
            values->append(value);
            if (m_pos >= m_text.size())
                return Status::ok();
            if (atLineEnd()) {
                skipLineEnd();
                return Status::ok();
            }
            ++m_pos; // the separator
        }
    }

    Status readQuoted(QString* value)
    {
        const int start = m_line;
        ++m_pos;
        while (m_pos < m_text.size()) {
            const QChar c = m_text.at(m_pos++);
            if (c == QLatin1Char('"')) {
                if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('"')) {
                    value->append(c);
                    ++m_pos;
                    continue;
                }
                return Status::ok();
            }
            if (c == QLatin1Char('\n') ||
                (c == QLatin1Char('\r') &&
                 (m_pos >= m_text.size() || m_text.at(m_pos) != QLatin1Char('\n'))))
                ++m_line;
            value->append(c);
        }
        return Status::error(
            QStringLiteral("Uvozovky otevřené na řádku %1 se do konce souboru neuzavřou.")
                .arg(start));
    }

    const QString& m_text;
    const QChar m_separator;
    qsizetype m_pos = 0;
    int m_line = 1;
};

} // namespace

Status parse(const QString& text, QChar separator, QList<Record>* records)
{
    records->clear();
    return Parser(text, separator).run(records);
}

Decoded decode(const QByteArray& bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return {text, false};
    const CodePage page = CodePage::forLanguageDriver(CodePage::kWindows1250);
    return {page.decode(bytes.constData(), bytes.size()), true};
}

} // namespace csvtext
