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

bool Reader::next(Record* record)
{
    while (m_status && m_pos < m_text.size()) {
        record->line = m_line;
        record->values.clear();
        m_status = readRecord(&record->values);
        const bool blank = record->values.size() == 1 && record->values.first().isEmpty();
        if (m_status && !blank)
            return true;
    }
    return false;
}

bool Reader::atLineEnd() const
{
    return m_text.at(m_pos) == QLatin1Char('\n') || m_text.at(m_pos) == QLatin1Char('\r');
}

void Reader::skipLineEnd()
{
    if (m_text.at(m_pos) == QLatin1Char('\r') && m_pos + 1 < m_text.size() &&
        m_text.at(m_pos + 1) == QLatin1Char('\n'))
        ++m_pos;
    ++m_pos;
    ++m_line;
}

Status Reader::readRecord(QStringList* values)
{
    for (;;) {
        QString value;
        if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('"')) {
            if (Status s = readQuoted(&value); !s)
                return s;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && !atLineEnd() && m_text.at(m_pos) != m_separator)
            ++m_pos;
        if (m_pos > start)
            value += QStringView(m_text).sliced(start, m_pos - start);
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

// Runs without quotes are taken whole: most values hold none.
Status Reader::readQuoted(QString* value)
{
    const int start = m_line;
    ++m_pos;
    qsizetype run = m_pos;
    while (m_pos < m_text.size()) {
        const QChar c = m_text.at(m_pos++);
        if (c == QLatin1Char('"')) {
            value->append(QStringView(m_text).sliced(run, m_pos - 1 - run));
            if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('"')) {
                run = m_pos++;
                continue;
            }
            return Status::ok();
        }
        if (c == QLatin1Char('\n') ||
            (c == QLatin1Char('\r') &&
             (m_pos >= m_text.size() || m_text.at(m_pos) != QLatin1Char('\n'))))
            ++m_line;
    }
    return Status::error(
        QStringLiteral("Uvozovky otevřené na řádku %1 se do konce souboru neuzavřou.").arg(start));
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
