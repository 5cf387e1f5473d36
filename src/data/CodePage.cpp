#include "CodePage.h"

#include <QHash>

#include <array>

namespace {
#include "CodePageTables.inc"

struct Page
{
    int number;
    const char16_t* upper;
};

const std::array<Page, 5> kPages = {{
    {437, kUpper437},
    {850, kUpper850},
    {852, kUpper852},
    {1250, kUpper1250},
    {1252, kUpper1252},
}};

const char16_t* upperHalf(int number)
{
    for (const Page& page : kPages) {
        if (page.number == number)
            return page.upper;
    }
    return kUpper1250;
}

// Reverse tables are built once per page on first use.
const QHash<char16_t, char>& reverseTable(int number)
{
    static QHash<int, QHash<char16_t, char>> tables = [] {
        QHash<int, QHash<char16_t, char>> all;
        for (const Page& page : kPages) {
            QHash<char16_t, char> reverse;
            for (int i = 0; i < 128; ++i) {
                if (page.upper[i] != 0)
                    reverse.insert(page.upper[i], static_cast<char>(0x80 + i));
            }
            all.insert(page.number, reverse);
        }
        return all;
    }();
    return tables[number];
}

// Language-driver bytes of the single-byte pages we read, as dBase and the
// common readers assign them.
struct Driver
{
    quint8 id;
    int page;
};

const std::array<Driver, 31> kDrivers = {{
    {0x01, 437},  {0x02, 850}, {0x03, 1252}, {0x09, 437}, {0x0A, 850}, {0x0B, 437},  {0x0D, 437},
    {0x0E, 850},  {0x0F, 437}, {0x10, 850},  {0x11, 437}, {0x12, 850}, {0x14, 850},  {0x15, 437},
    {0x16, 850},  {0x18, 437}, {0x19, 437},  {0x1A, 850}, {0x1B, 437}, {0x1D, 850},  {0x1F, 852},
    {0x22, 852},  {0x23, 852}, {0x25, 850},  {0x37, 850}, {0x40, 852}, {0x57, 1252}, {0x58, 1252},
    {0x59, 1252}, {0x64, 852}, {0xC8, 1250},
}};

int pageForDriver(quint8 driver, bool* known)
{
    for (const Driver& d : kDrivers) {
        if (d.id == driver) {
            *known = true;
            return d.page;
        }
    }
    *known = false;
    return 1250;
}
} // namespace

CodePage::CodePage(quint8 driver, int number, bool known)
    : m_driver(driver), m_number(number), m_known(known)
{
}

CodePage CodePage::forLanguageDriver(quint8 languageDriver)
{
    bool known = false;
    const int number = pageForDriver(languageDriver, &known);
    return CodePage(languageDriver, number, known);
}

QString CodePage::name() const
{
    return m_number >= 1000 ? QStringLiteral("Windows-%1").arg(m_number)
                            : QStringLiteral("cp%1").arg(m_number);
}

QString CodePage::decode(const char* bytes, qsizetype size, Unassigned unassigned) const
{
    const char16_t missing = unassigned == Unassigned::Replace ? 0xFFFD : 0;
    const char16_t* upper = upperHalf(m_number);
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const char16_t mapped = b < 0x80 ? b : upper[b - 0x80];
        out[i] = QChar(mapped ? mapped : (missing ? missing : char16_t(b)));
    }
    return text;
}

std::optional<QByteArray> CodePage::encode(const QString& text) const
{
    const auto& reverse = reverseTable(m_number);
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80) {
            out[i] = static_cast<char>(c);
            continue;
        }
        const auto it = reverse.constFind(c);
        if (it == reverse.constEnd())
            return std::nullopt;
        out[i] = it.value();
    }
    return bytes;
}

std::optional<QChar> CodePage::firstUnencodable(const QString& text) const
{
    const auto& reverse = reverseTable(m_number);
    for (const QChar c : text) {
        if (c.unicode() >= 0x80 && !reverse.contains(c.unicode()))
            return c;
    }
    return std::nullopt;
}

namespace {

// Signs that have no decomposition to a plain letter.
QString plainSign(char16_t c)
{
    switch (c) {
    case 0x00D8:
        return QStringLiteral("O");
    case 0x00F8:
        return QStringLiteral("o");
    case 0x00C6:
        return QStringLiteral("AE");
    case 0x00E6:
        return QStringLiteral("ae");
    case 0x0152:
        return QStringLiteral("OE");
    case 0x0153:
        return QStringLiteral("oe");
    case 0x0141:
        return QStringLiteral("L");
    case 0x0142:
        return QStringLiteral("l");
    case 0x0110:
        return QStringLiteral("D");
    case 0x0111:
        return QStringLiteral("d");
    case 0x00DE:
        return QStringLiteral("Th");
    case 0x00FE:
        return QStringLiteral("th");
    case 0x2010:
    case 0x2011:
    case 0x2012:
    case 0x2212:
        return QStringLiteral("-");
    case 0x2032:
        return QStringLiteral("'");
    case 0x2033:
        return QStringLiteral("\"");
    default:
        return {};
    }
}

} // namespace

QString CodePage::transliterate(const QString& text) const
{
    const auto& reverse = reverseTable(m_number);
    const auto holds = [&reverse](QChar c) {
        return c.unicode() < 0x80 || reverse.contains(c.unicode());
    };
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (holds(c)) {
            out += c;
            continue;
        }
        // A character beyond the basic plane is one sign, not two.
        if (c.isLowSurrogate())
            continue;
        if (const QString sign = plainSign(c.unicode()); !sign.isEmpty()) {
            out += sign;
            continue;
        }
        // The base letter of a decomposed character, if the page holds it.
        const QString parts = QString(c).normalized(QString::NormalizationForm_KD);
        QString base;
        for (const QChar part : parts) {
            if (part.category() != QChar::Mark_NonSpacing && holds(part))
                base += part;
        }
        out += base.isEmpty() ? QStringLiteral("?") : base;
    }
    return out;
}
