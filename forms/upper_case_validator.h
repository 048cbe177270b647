#pragma once
// Turns every letter an edit receives into a capital, typed, pasted or set by code,
// as an edit with upper-case character casing does.

#include <QValidator>

namespace pemrix::forms {

class UpperCaseValidator : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

} // namespace pemrix::forms
