// Parses arbitrary filter expressions. Whatever parses must survive being built
// again from its terms with the quoting helper.
#include "FilterExpression.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    FilterExpression parsed;
    if (!FilterExpression::parse(text, &parsed))
        return 0;
    QStringList rebuilt;
    for (const FilterTerm& term : parsed.terms()) {
        FilterExpression::matches(term, term.value);
        rebuilt.append(filterTerm(term.field, term.value, term.notEqual));
    }
    FilterExpression again;
    if (!FilterExpression::parse(rebuilt.join(QStringLiteral(" and ")), &again))
        std::abort();
    if (again.terms() != parsed.terms())
        std::abort();
    return 0;
}
