#include "FieldCodec.h"

#include <QDate>

#include <cstdio>

namespace fieldcodec {
namespace {

bool isNumeric(const FieldDef& field)
{
    return field.type == 'N' || field.type == 'F';
}

QString trimmedAscii(const char* raw, int width)
{
    return QString::fromLatin1(raw, width).trimmed();
}

// A number as slices of the text it was read from.
struct DecimalView
{
    bool negative = false;
    QStringView whole;
    QStringView fraction;
};

// Accepts an optional sign, digits and at most one decimal separator, which may
// be the locale's, a point or a comma. Group separators and exponents are not
// numbers a user types into these fields. Bulk copies parse every number of
// every row, so the digits are taken as slices, not character by character.
std::optional<DecimalView> parseDecimalView(QStringView input, QChar localePoint)
{
    QStringView text = input.trimmed();
    DecimalView d;
    if (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'))) {
        d.negative = text.front() == QLatin1Char('-');
        text = text.mid(1);
    }
    qsizetype point = -1;
    bool seenDigit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') {
            seenDigit = true;
        } else if (point < 0 && (c == localePoint.unicode() || c == u'.' || c == u',')) {
            point = i;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    d.whole = point < 0 ? text : text.left(point);
    d.fraction = point < 0 ? QStringView() : text.mid(point + 1);
    while (d.whole.startsWith(QLatin1Char('0')))
        d.whole = d.whole.mid(1);
    while (d.fraction.endsWith(QLatin1Char('0')))
        d.fraction.chop(1);
    if (d.whole.isEmpty() && d.fraction.isEmpty())
        d.negative = false;
    return d;
}

QString numberForDisplay(const QString& canonical, const QLocale& locale)
{
    QString text = canonical;
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point >= 0)
        text.replace(point, 1, locale.decimalPoint());
    return text;
}

Status numberFromText(const FieldDef& field, const QString& text, const QLocale& locale,
                      QByteArray* out)
{
    if (QStringView(text).trimmed().isEmpty()) {
        *out = QByteArray(field.width, ' ');
        return Status::ok();
    }
    const QString point = locale.decimalPoint();
    const auto parsed = parseDecimalView(text, point.isEmpty() ? QChar('.') : point.at(0));
    if (!parsed)
        return Status::error(QStringLiteral("„%1“ není platné číslo.").arg(text.trimmed()),
                             QStringLiteral("field %1").arg(field.name));
    if (parsed->fraction.size() > field.decimals)
        return Status::error(
            field.decimals == 0
                ? QStringLiteral("Hodnota %1 musí být celé číslo.").arg(text.trimmed())
                : QStringLiteral("Hodnota %1 má příliš mnoho desetinných míst (nejvýše %2).")
                      .arg(text.trimmed())
                      .arg(field.decimals),
            QStringLiteral("field %1 N(%2,%3)")
                .arg(field.name)
                .arg(field.width)
                .arg(field.decimals));
    // Sign, whole digits (at least a zero), point and the decimals filled up
    // with zeros; the digits are ASCII, so they are stored as they are.
    const qsizetype whole = std::max<qsizetype>(parsed->whole.size(), 1);
    const qsizetype length =
        (parsed->negative ? 1 : 0) + whole + (field.decimals > 0 ? 1 + field.decimals : 0);
    if (length > field.width)
        return Status::error(QStringLiteral("Hodnota %1 je příliš velká.").arg(text.trimmed()),
                             QStringLiteral("field %1 N(%2,%3)")
                                 .arg(field.name)
                                 .arg(field.width)
                                 .arg(field.decimals));
    QByteArray stored(field.width, ' ');
    char* at = stored.data() + (field.width - length);
    if (parsed->negative)
        *at++ = '-';
    if (parsed->whole.isEmpty())
        *at++ = '0';
    for (const QChar c : parsed->whole)
        *at++ = static_cast<char>(c.unicode());
    if (field.decimals > 0) {
        *at++ = '.';
        for (qsizetype i = 0; i < field.decimals; ++i)
            *at++ = i < parsed->fraction.size() ? static_cast<char>(parsed->fraction[i].unicode())
                                                : '0';
    }
    *out = std::move(stored);
    return Status::ok();
}

std::optional<QDate> parseDate(const QString& text, const QLocale& locale)
{
    const QString t = text.trimmed();
    // Copies and sample data hand over yyyy-MM-dd; reading it directly spares
    // the format parser on every row of a bulk copy.
    if (t.size() == 10 && t.at(4) == QLatin1Char('-') && t.at(7) == QLatin1Char('-')) {
        const QDate iso = QDate::fromString(t, Qt::ISODate);
        if (iso.isValid())
            return iso;
    }
    for (const QString& format :
         {dateFormat(locale), locale.dateFormat(QLocale::ShortFormat), QStringLiteral("d.M.yyyy"),
          QStringLiteral("yyyy-MM-dd"), QStringLiteral("yyyyMMdd")}) {
        const QDate date = QDate::fromString(t, format);
        if (date.isValid())
            return date;
    }
    return std::nullopt;
}

Status dateFromText(const FieldDef& field, const QString& text, const QLocale& locale,
                    QByteArray* out)
{
    if (QStringView(text).trimmed().isEmpty()) {
        *out = QByteArray(8, ' ');
        return Status::ok();
    }
    const auto date = parseDate(text, locale);
    if (!date || date->year() < 1 || date->year() > 9999)
        return Status::error(QStringLiteral("„%1“ není platné datum.").arg(text.trimmed()),
                             QStringLiteral("field %1").arg(field.name));
    char stored[9];
    std::snprintf(stored, sizeof stored, "%04d%02d%02d", date->year(), date->month(), date->day());
    *out = QByteArray(stored, 8);
    return Status::ok();
}

Status logicalFromText(const FieldDef& field, const QString& text, QByteArray* out)
{
    const QString t = text.trimmed().toLower();
    static const QStringList yes = {"true", "t", "1", "y", "a", "ano"};
    static const QStringList no = {"false", "f", "0", "n", "ne"};
    if (t.isEmpty())
        *out = QByteArray(1, ' ');
    else if (yes.contains(t))
        *out = fromBool(true);
    else if (no.contains(t))
        *out = fromBool(false);
    else
        return Status::error(QStringLiteral("„%1“ není logická hodnota.").arg(text.trimmed()),
                             QStringLiteral("field %1").arg(field.name));
    return Status::ok();
}

// Notes are kept with CR LF, as the sibling programs write them.
QString withCrLf(const QString& text)
{
    if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return lines;
}

Status characterFromText(const FieldDef& field, const QString& text, const CodePage& page,
                         QByteArray* out)
{
    bool lineBreaks = false;
    for (const QChar c : text) {
        if (c.unicode() == 0)
            return Status::error(QStringLiteral("Text obsahuje nepovolený znak."),
                                 QStringLiteral("NUL in field %1").arg(field.name));
        lineBreaks = lineBreaks || c == QLatin1Char('\n') || c == QLatin1Char('\r');
    }
    auto bytes = page.encode(lineBreaks ? withCrLf(text) : text);
    if (!bytes) {
        const QChar bad = page.firstUnencodable(text).value_or(QChar(0xFFFD));
        return Status::error(QStringLiteral("Znak „%1“ nelze do databáze uložit.").arg(bad),
                             QStringLiteral("field %1, code page %2").arg(field.name, page.name()));
    }
    if (bytes->size() > field.width)
        return Status::error(
            QStringLiteral("Text je příliš dlouhý (nejvýše %1 znaků).").arg(field.width),
            QStringLiteral("field %1: %2 characters").arg(field.name).arg(bytes->size()));
    bytes->append(field.width - bytes->size(), ' ');
    *out = std::move(*bytes);
    return Status::ok();
}

} // namespace

QString Decimal::canonical() const
{
    if (whole.isEmpty() && fraction.isEmpty())
        return QStringLiteral("0");
    QString text = negative ? QStringLiteral("-") : QString();
    text += whole.isEmpty() ? QStringLiteral("0") : whole;
    if (!fraction.isEmpty())
        text += QLatin1Char('.') + fraction;
    return text;
}

std::optional<Decimal> parseDecimal(const QString& input, QChar localePoint)
{
    const auto view = parseDecimalView(input, localePoint);
    if (!view)
        return std::nullopt;
    return Decimal{view->negative, view->whole.toString(), view->fraction.toString()};
}

std::optional<double> parseNumber(const QString& input, const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    const auto parsed = parseDecimal(input, point.isEmpty() ? QChar('.') : point.at(0));
    if (!parsed)
        return std::nullopt;
    bool ok = false;
    const double value = parsed->canonical().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString dateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

QString canonicalNumber(const char* raw, int width)
{
    const QString text = trimmedAscii(raw, width);
    // Asterisks are the dBase null that other writers put in an empty number.
    if (text.isEmpty() || text.count(QLatin1Char('*')) == text.size())
        return {};
    const auto parsed = parseDecimal(text, QLatin1Char('.'));
    return parsed ? parsed->canonical() : text;
}

std::optional<double> toDouble(const char* raw, int width)
{
    bool ok = false;
    const double value = trimmedAscii(raw, width).toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString canonicalDate(const char* raw)
{
    const QString text = trimmedAscii(raw, 8);
    if (text.isEmpty() || text == QLatin1String("00000000"))
        return {};
    return text;
}

QString toText(const FieldDef& field, const char* raw, const CodePage& page, const QLocale& locale)
{
    if (isNumeric(field))
        return numberForDisplay(canonicalNumber(raw, field.width), locale);
    if (field.type == 'D') {
        const QString stored = canonicalDate(raw);
        const QDate date = QDate::fromString(stored, QStringLiteral("yyyyMMdd"));
        if (!date.isValid())
            return stored;
        return locale.toString(date, dateFormat(locale));
    }
    if (field.type == 'L') {
        const auto value = toBool(raw);
        if (!value)
            return {};
        return *value ? QStringLiteral("True") : QStringLiteral("False");
    }
    int length = field.width;
    while (length > 0 && raw[length - 1] == ' ')
        --length;
    return page.decode(raw, length);
}

Status fromText(const FieldDef& field, const QString& text, const CodePage& page,
                const QLocale& locale, QByteArray* out)
{
    if (isNumeric(field))
        return numberFromText(field, text, locale, out);
    if (field.type == 'D')
        return dateFromText(field, text, locale, out);
    if (field.type == 'L')
        return logicalFromText(field, text, out);
    return characterFromText(field, text, page, out);
}

QByteArray fromBool(bool value)
{
    return QByteArray(1, value ? 'T' : 'F');
}

std::optional<bool> toBool(const char* raw)
{
    switch (raw[0]) {
    case 'T':
    case 't':
    case 'Y':
    case 'y':
        return true;
    case 'F':
    case 'f':
    case 'N':
    case 'n':
        return false;
    default:
        return std::nullopt;
    }
}

QString toValueText(const FieldDef& field, const char* raw, const CodePage& page)
{
    if (isNumeric(field))
        return canonicalNumber(raw, field.width);
    if (field.type == 'D') {
        const QString date = canonicalDate(raw);
        return date.size() == 8 ? date.left(4) + '-' + date.mid(4, 2) + '-' + date.right(2) : date;
    }
    return toText(field, raw, page, QLocale::c());
}

QString toFilterText(const FieldDef& field, const char* raw, const CodePage& page)
{
    if (isNumeric(field))
        return canonicalNumber(raw, field.width);
    if (field.type == 'D')
        return canonicalDate(raw);
    return toText(field, raw, page, QLocale::c());
}

} // namespace fieldcodec
