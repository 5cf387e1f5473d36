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

// Every record of the text; blank lines are left out. Fails on a quote that
// is never closed, naming its line.
Status parse(const QString& text, QChar separator, QList<Record>* records);

// The file's bytes as text: UTF-8 with or without a byte-order mark, and
// anything that is not valid UTF-8 as Windows-1250, as older spreadsheets save.
struct Decoded
{
    QString text;
    bool windows1250 = false;
};
Decoded decode(const QByteArray& bytes);

} // namespace csvtext
