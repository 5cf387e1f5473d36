#pragma once

#include "Status.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated text as spreadsheets write and read it (RFC 4180): a value
// holding the separator, a quote or a line break is quoted, quotes inside are
// doubled, and a quoted value may run over several lines.
namespace csvtext {

QString field(const QString& value, QChar separator = QLatin1Char(','));
// One record without its line end.
QString record(const QStringList& values, QChar separator = QLatin1Char(','));

struct Record
{
    int line = 0; // the line of the file the record starts on, from 1
    QStringList values;
};

// Spreadsheets set to a language with a decimal comma separate by semicolons:
// the separator is whichever of the two the first record holds more of
// outside quotes; a comma when neither.
QChar detectSeparator(const QString& text);

// Reads the records of a text one by one; blank lines are left out. A quote
// that is never closed is a failure that names its line.
class Reader final
{
public:
    Reader(const QString& text, QChar separator) : m_text(text), m_separator(separator) {}

    // False at the end of the text or on a failure (see status()).
    bool next(Record* record);
    const Status& status() const { return m_status; }

private:
    bool atLineEnd() const;
    void skipLineEnd();
    Status readRecord(QStringList* values);
    Status readQuoted(QString* value);

    const QString& m_text;
    const QChar m_separator;
    qsizetype m_pos = 0;
    int m_line = 1;
    Status m_status;
};

// The file's bytes as text: UTF-8 with or without a byte-order mark, and
// anything that is not valid UTF-8 as Windows-1250, as older spreadsheets save.
struct Decoded
{
    QString text;
    bool windows1250 = false;
};
Decoded decode(const QByteArray& bytes);

} // namespace csvtext
