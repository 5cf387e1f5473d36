#pragma once

#include <QValidator>

// What a numeric editor lets through while typing: a sign, digits and one
// decimal separator (a comma or a point). Whether the whole text is a number
// that fits the field is decided when the record is saved, so a half-typed
// value never blocks the user.
class NumberValidator final : public QValidator
{
    Q_OBJECT

public:
    explicit NumberValidator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
};
