#include "NumberValidator.h"

NumberValidator::NumberValidator(QObject* parent) : QValidator(parent) {}

QValidator::State NumberValidator::validate(QString& input, int&) const
{
    bool separator = false;
    for (int i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (c.unicode() >= '0' && c.unicode() <= '9')
            continue;
        if ((c == QLatin1Char('-') || c == QLatin1Char('+')) && i == 0)
            continue;
        if ((c == QLatin1Char(',') || c == QLatin1Char('.')) && !separator) {
            separator = true;
            continue;
        }
        return Invalid;
    }
    return Acceptable;
}
