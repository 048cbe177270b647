#include "forms/upper_case_validator.h"

namespace pemrix::forms {

QValidator::State UpperCaseValidator::validate(QString& input, int&) const {
    input = input.toUpper();
    return Acceptable;
}

} // namespace pemrix::forms
