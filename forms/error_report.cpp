#include "forms/error_report.h"

#include "forms/dialogs.h"
#include "image/decimal_text.h"

namespace pemrix::forms {

int StrToInt(const QString& text) {
    const auto value = image::parseInteger(text.toStdString());
    if (!value)
        throw ToolkitError(value.error());
    return value.value();
}

bool runReported(QWidget* parent, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const ToolkitError& error) {
        Dialogs::instance().error(parent, error.text());
        return false;
    }
}

} // namespace pemrix::forms
