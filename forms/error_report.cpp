#include "forms/error_report.h"

#include "forms/accessible_names.h"
#include "forms/dialogs.h"
#include "image/decimal_text.h"
#include "image/error_texts.h"

#include <QLineEdit>

namespace pemrix::forms {

int toInteger(const QString& text) {
    const auto value = image::parseInteger(text.toStdString());
    if (!value)
        throw GeneralError(value.error());
    return value.value();
}

int toInteger(QLineEdit* field) {
    const std::string text = field->text().toStdString();
    const auto value = image::parseInteger(text);
    if (value)
        return value.value();
    const std::string name = spokenName(field).toStdString();
    throw GeneralError(name.empty() ? value.error().message
                                    : image::notAnIntegerInFieldText(name, text));
}

bool runReported(QWidget* parent, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const GeneralError& error) {
        Dialogs::instance().error(parent, error.text());
        return false;
    }
}

} // namespace pemrix::forms
