#pragma once
// The general error report: a handler that fails in a file or number conversion
// stops where it failed, the user sees an error box that says what failed and where
// ("Поле «Время задержки»: «abc» — не целое число.", image/error_texts.h) and the
// program goes on.

#include "image/result.h"

#include <QString>
#include <functional>
#include <stdexcept>

class QLineEdit;
class QWidget;

namespace pemrix::forms {

// A failure the general error report shows; what() is the UTF-8 text.
class GeneralError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
    explicit GeneralError(const image::Error& error) : std::runtime_error(error.message) {}
    QString text() const { return QString::fromUtf8(what()); }
};

// A decimal integer (blanks around it and a sign allowed), or a GeneralError naming
// the text.
int toInteger(const QString& text);

// The integer in an edit field, or a GeneralError naming the field (by the name a
// screen reader gives it, its label) and its text.
int toInteger(QLineEdit* field);

// Runs `handler`; a GeneralError it throws becomes the error box (through the
// Dialogs service). Returns false then.
bool runReported(QWidget* parent, const std::function<void()>& handler);

} // namespace pemrix::forms
