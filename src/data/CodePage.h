#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A single-byte code page of a dBase table, chosen by the language-driver byte of
// its header. Our own tables are Windows-1250 (0xC8); tables written elsewhere may
// be in another page, and are read and written back in that page.
class CodePage final
{
public:
    static constexpr quint8 kWindows1250 = 0xC8;

    // Pages we do not know are read as Windows-1250, the program's own page.
    static CodePage forLanguageDriver(quint8 languageDriver);

    quint8 languageDriver() const { return m_driver; }
    bool isKnown() const { return m_known; }
    QString name() const;

    // An unassigned byte shows as the replacement character, or with Keep as
    // the C1 control of the same value, as Windows reads it, so that a file
    // read and written again keeps every byte.
    enum class Unassigned
    {
        Replace,
        Keep
    };
    QString decode(const char* bytes, qsizetype size,
                   Unassigned unassigned = Unassigned::Replace) const;
    QString decode(const QByteArray& bytes) const
    {
        return decode(bytes.constData(), bytes.size());
    }

    // Empty when some character of the text has no byte in this page.
    std::optional<QByteArray> encode(const QString& text) const;
    // The first character that this page cannot hold, if any.
    std::optional<QChar> firstUnencodable(const QString& text) const;
    // The text as this page can hold it: a character the page lacks becomes
    // its letter without the accent ("ø" → "o", "ő" stays where the page has
    // it), a few common signs their plain form, anything else "?". Texts
    // read from outside the program go through this before they reach a
    // record, so a record never holds what the sibling programs cannot read.
    QString transliterate(const QString& text) const;

private:
    CodePage(quint8 driver, int number, bool known);

    quint8 m_driver;
    int m_number;
    bool m_known;
};
