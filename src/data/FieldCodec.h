#pragma once

#include "CodePage.h"
#include "Status.h"
#include "TableLayout.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <optional>

// Conversion between the bytes of a field in a record and the text the program
// shows and types: character fields without trailing blanks, numbers and dates in
// the user's display form, logical fields as "True" or "False". Nothing that does
// not fit a field is ever cut: it is refused with a message.
namespace fieldcodec {

// A number as a user types it: an optional sign, digits and at most one
// decimal separator, which may be the locale's, a point or a comma; split
// into sign, whole digits and decimal digits, without leading zeros of the
// whole part or trailing zeros of the decimals. Group separators and
// exponents are not numbers a user types into these fields.
struct Decimal
{
    bool negative = false;
    QString whole;
    QString fraction;

    QString canonical() const;
};
std::optional<Decimal> parseDecimal(const QString& input, QChar localePoint);
// The same as a floating value, the separator of `locale` accepted too.
std::optional<double> parseNumber(const QString& input, const QLocale& locale);

QString toText(const FieldDef& field, const char* raw, const CodePage& page, const QLocale& locale);

// The field's bytes (exactly field.width of them) for a typed text.
Status fromText(const FieldDef& field, const QString& text, const CodePage& page,
                const QLocale& locale, QByteArray* out);

QByteArray fromBool(bool value);
std::optional<bool> toBool(const char* raw);

// A stored number as plain decimal text with a point and no trailing zeros
// ("12.5", "-3"), empty for an empty field; for filters and indexes.
QString canonicalNumber(const char* raw, int width);
std::optional<double> toDouble(const char* raw, int width);

// A stored date as yyyyMMdd, empty when there is none.
QString canonicalDate(const char* raw);

// The short date form of the locale, always with a four-digit year.
QString dateFormat(const QLocale& locale);

// The value without the user's locale: numbers with a point ("12.5"), dates
// as yyyy-MM-dd, other fields as toText shows them; for copies and exports.
QString toValueText(const FieldDef& field, const char* raw, const CodePage& page);
// The value a filter term compares: numbers canonical, dates as yyyyMMdd.
QString toFilterText(const FieldDef& field, const char* raw, const CodePage& page);

} // namespace fieldcodec
