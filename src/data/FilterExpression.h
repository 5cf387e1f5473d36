#pragma once

#include "Status.h"

#include <QList>
#include <QString>

// One comparison of a filter: FIELD = 'value' or FIELD <> 'value'.
struct FilterTerm
{
    QString field;
    bool notEqual = false;
    QString value;

    friend bool operator==(const FilterTerm&, const FilterTerm&) = default;
};

// A record filter: comparisons joined with " and ". Values are quoted with
// apostrophes; an apostrophe inside a value is doubled ('Rock''n''roll'). A lone
// apostrophe that cannot end the value is read as part of it, so a title typed
// into an expression by hand still matches.
class FilterExpression final
{
public:
    static Status parse(const QString& text, FilterExpression* out);

    const QList<FilterTerm>& terms() const { return m_terms; }
    bool isEmpty() const { return m_terms.isEmpty(); }

    // Comparison is exact and case-sensitive; trailing blanks do not count, so
    // "<> ' '" selects the values that are not blank.
    static bool matches(const FilterTerm& term, const QString& fieldText);

private:
    QList<FilterTerm> m_terms;
};

// Builds "FIELD = 'value'" with the value quoted correctly.
QString filterTerm(const QString& field, const QString& value, bool notEqual = false);
QString quoteFilterValue(const QString& value);
