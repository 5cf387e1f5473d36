#include "FilterExpression.h"

namespace {

class Parser final
{
public:
    explicit Parser(const QString& text) : m_text(text) {}

    Status run(QList<FilterTerm>* terms)
    {
        skipBlanks();
        if (atEnd())
            return Status::ok();
        for (;;) {
            FilterTerm term;
            if (Status s = parseTerm(&term); !s)
                return s;
            terms->append(term);
            skipBlanks();
            if (atEnd())
                return Status::ok();
            if (!takeAnd())
                return fail(QStringLiteral("expected 'and'"));
        }
    }

private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek(qsizetype ahead = 0) const
    {
        return m_pos + ahead < m_text.size() ? m_text.at(m_pos + ahead) : QChar();
    }
    void skipBlanks()
    {
        while (!atEnd() && peek().isSpace())
            ++m_pos;
    }

    Status fail(const QString& what) const
    {
        return Status::error(QStringLiteral("Chybný výraz filtru."),
                             QStringLiteral("%1 at %2 in \"%3\"").arg(what).arg(m_pos).arg(m_text));
    }

    static bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

    Status parseTerm(FilterTerm* term)
    {
        skipBlanks();
        const qsizetype start = m_pos;
        while (!atEnd() && isNameChar(peek()))
            ++m_pos;
        term->field = m_text.mid(start, m_pos - start);
        if (term->field.isEmpty())
            return fail(QStringLiteral("expected a field name"));
        skipBlanks();
        if (peek() == QLatin1Char('=')) {
            ++m_pos;
        } else if (peek() == QLatin1Char('<') && peek(1) == QLatin1Char('>')) {
            term->notEqual = true;
            m_pos += 2;
        } else {
            return fail(QStringLiteral("expected = or <>"));
        }
        skipBlanks();
        if (peek() != QLatin1Char('\''))
            return fail(QStringLiteral("expected a quoted value"));
        ++m_pos;
        return parseValue(&term->value);
    }

    Status parseValue(QString* value)
    {
        while (!atEnd()) {
            const QChar c = peek();
            ++m_pos;
            if (c != QLatin1Char('\'')) {
                *value += c;
                continue;
            }
            if (peek() == QLatin1Char('\'')) {
                *value += c;
                ++m_pos;
                continue;
            }
            if (closesValue())
                return Status::ok();
            *value += c;
        }
        return fail(QStringLiteral("unterminated value"));
    }

    // An apostrophe ends the value only where the expression can go on: at its
    // end or before " and " and another comparison.
    bool closesValue() const
    {
        qsizetype p = m_pos;
        while (p < m_text.size() && m_text.at(p).isSpace())
            ++p;
        if (p >= m_text.size())
            return true;
        if (p == m_pos)
            return false;
        if (m_text.mid(p, 3).compare(QStringLiteral("and"), Qt::CaseInsensitive) != 0)
            return false;
        p += 3;
        if (p >= m_text.size() || !m_text.at(p).isSpace())
            return false;
        while (p < m_text.size() && m_text.at(p).isSpace())
            ++p;
        const qsizetype nameStart = p;
        while (p < m_text.size() && isNameChar(m_text.at(p)))
            ++p;
        if (p == nameStart)
            return false;
        while (p < m_text.size() && m_text.at(p).isSpace())
            ++p;
        return p < m_text.size() &&
               (m_text.at(p) == QLatin1Char('=') || m_text.mid(p, 2) == QLatin1String("<>"));
    }

    bool takeAnd()
    {
        if (m_text.mid(m_pos, 3).compare(QStringLiteral("and"), Qt::CaseInsensitive) != 0)
            return false;
        if (m_pos + 3 >= m_text.size() || !m_text.at(m_pos + 3).isSpace())
            return false;
        m_pos += 3;
        return true;
    }

    const QString& m_text;
    qsizetype m_pos = 0;
};

QString withoutTrailingBlanks(const QString& text)
{
    qsizetype length = text.size();
    while (length > 0 && text.at(length - 1) == QLatin1Char(' '))
        --length;
    return text.left(length);
}

} // namespace

Status FilterExpression::parse(const QString& text, FilterExpression* out)
{
    QList<FilterTerm> terms;
    if (Status s = Parser(text).run(&terms); !s)
        return s;
    out->m_terms = terms;
    return Status::ok();
}

bool FilterExpression::matches(const FilterTerm& term, const QString& fieldText)
{
    const bool equal = withoutTrailingBlanks(fieldText) == withoutTrailingBlanks(term.value);
    return equal != term.notEqual;
}

QString quoteFilterValue(const QString& value)
{
    QString quoted = value;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString filterTerm(const QString& field, const QString& value, bool notEqual)
{
    return field + (notEqual ? QStringLiteral(" <> ") : QStringLiteral(" = ")) +
           quoteFilterValue(value);
}
