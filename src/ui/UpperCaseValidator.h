#pragma once

#include <QValidator>

// Turns every letter typed into a line edit to upper case as it is typed.
class UpperCaseValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};
