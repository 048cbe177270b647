#pragma once
// The general error report: a handler that fails in a file or number conversion
// stops where it failed, the user sees an error box with the toolkit's text
// ("'abc' is not a valid integer value", "Cannot open file …") and the program goes on.

#include "image/result.h"

#include <QString>
#include <functional>
#include <stdexcept>

class QWidget;

namespace pemrix::forms {

// A failure the general error report shows; what() is the UTF-8 text.
class ToolkitError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
    explicit ToolkitError(const image::Error& error) : std::runtime_error(error.message) {}
    QString text() const { return QString::fromUtf8(what()); }
};

// A decimal integer (blanks around it and a sign allowed), or a ToolkitError
// "'<text>' is not a valid integer value".
int StrToInt(const QString& text);

// Runs `handler`; a ToolkitError it throws becomes the error box (through the
// Dialogs service). Returns false then.
bool runReported(QWidget* parent, const std::function<void()>& handler);

} // namespace pemrix::forms
