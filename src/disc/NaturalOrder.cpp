#include "NaturalOrder.h"

namespace disc {
namespace {

qsizetype digitsFrom(const QString& text, qsizetype at)
{
    qsizetype end = at;
    while (end < text.size() && text.at(end).isDigit())
        ++end;
    return end;
}

// Two runs of digits by value: without leading zeros the longer is greater.
int compareNumbers(QStringView a, QStringView b)
{
    while (a.size() > 1 && a.front() == QLatin1Char('0'))
        a = a.mid(1);
    while (b.size() > 1 && b.front() == QLatin1Char('0'))
        b = b.mid(1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

} // namespace

bool naturalLess(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            const qsizetype endA = digitsFrom(a, i);
            const qsizetype endB = digitsFrom(b, j);
            if (const int order = compareNumbers(QStringView(a).sliced(i, endA - i),
                                                 QStringView(b).sliced(j, endB - j)))
                return order < 0;
            i = endA;
            j = endB;
            continue;
        }
        const QChar ca = a.at(i).toCaseFolded();
        const QChar cb = b.at(j).toCaseFolded();
        if (ca != cb)
            return ca < cb;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return (a.size() - i) < (b.size() - j);
    // Names that differ only in case or leading zeros still get one order.
    return a < b;
}

} // namespace disc
