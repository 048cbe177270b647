#include "forms/config_file.h"

#include "forms/config_file_dialogs.h"
#include "forms/dialogs.h"
#include "forms/error_report.h"
#include "forms/module_window.h"
#include "image/file_access.h"
#include "image/file_lines.h"

#include <QListWidget>

#include <optional>

namespace pemrix::forms {

namespace {

// Failures of file access and conversion go to the general error report; this
// program's own refusals are plain messages.
void report(QWidget* window, const image::Error& error) {
    if (image::isGeneralError(error.kind))
        throw GeneralError(error);
    Dialogs::instance().message(window, QString::fromStdString(error.message));
}

void fillLines(QListWidget* list, const std::vector<std::string>& lines) {
    if (list == nullptr)
        return;
    list->clear();
    for (const std::string& line : lines)
        list->addItem(QString::fromStdString(line));
}

std::vector<std::string> linesOf(QListWidget* list, const std::vector<std::string>& fallback) {
    if (list == nullptr)
        return fallback;
    std::vector<std::string> lines;
    for (int row = 0; row < list->count(); ++row)
        lines.push_back(list->item(row)->text().toStdString());
    return lines;
}

bool save(ModuleWindow& window, QListWidget* lineBuffer, const ConfigFileSave& operation) {
    // A refusal comes before the user is asked for a name.
    if (const auto refused = operation.text(); !refused) {
        report(&window, refused.error());
        return false;
    }
    const QString name = askConfigFileToSave(&window);
    if (name.isEmpty())
        return false;
    // Built again from the controls as they are now: the link's reports run while the
    // dialog is open and may have shown an image or changed the relay variant.
    const auto text = operation.text();
    if (!text) {
        report(&window, text.error());
        return false;
    }

    const std::vector<std::string> built = image::splitLines(text.value());
    fillLines(lineBuffer, built);
    const image::Status saved = image::writeFileAtomically(
        image::pathFromUtf8(name.toStdString()), image::joinLinesCrlf(linesOf(lineBuffer, built)));
    if (!saved) {
        report(&window, saved.error());
        return false;
    }
    window.showStatus(operation.savedStatus.toStdString());
    return true;
}

// The text of the file the user picks, or nothing when cancelled or unreadable.
std::optional<std::string> pickFile(ModuleWindow& window, QString& name) {
    name = askConfigFileToOpen(&window);
    if (name.isEmpty())
        return std::nullopt;
    auto text = image::readWholeFile(image::pathFromUtf8(name.toStdString()));
    if (!text) {
        report(&window, text.error());
        return std::nullopt;
    }
    return std::move(text).value();
}

void load(ModuleWindow& window, QListWidget* lineBuffer, const ConfigFileLoad& operation) {
    QString name;
    const std::optional<std::string> text = pickFile(window, name);
    if (!text)
        return;
    const std::vector<std::string> lines = image::splitLines(*text);
    fillLines(lineBuffer, lines);
    const auto parsed = operation.parse(*text, name.toStdString());
    if (!parsed) {
        report(&window, parsed.error());
        return;
    }
    window.ApplyConfigImage(parsed.value());
    window.showStatus(operation.loadedStatus.toStdString());
    if (operation.afterApply)
        operation.afterApply(lines);
}

void compare(ModuleWindow& window, const ConfigFileLoad& operation,
             const std::function<void(const QString&, const image::ImageCells&)>& show) {
    QString name;
    const std::optional<std::string> text = pickFile(window, name);
    if (!text)
        return;
    const auto parsed = operation.parse(*text, name.toStdString());
    if (!parsed) {
        report(&window, parsed.error());
        return;
    }
    show(name, parsed.value());
}

} // namespace

void compareWithConfigFile(
    ModuleWindow& window, const ConfigFileLoad& operation,
    const std::function<void(const QString& name, const image::ImageCells& image)>& show) {
    runReported(&window, [&] { compare(window, operation, show); });
}

bool saveConfigFile(ModuleWindow& window, QListWidget* lineBuffer,
                    const ConfigFileSave& operation) {
    bool saved = false;
    runReported(&window, [&] { saved = save(window, lineBuffer, operation); });
    return saved;
}

void loadConfigFile(ModuleWindow& window, QListWidget* lineBuffer,
                    const ConfigFileLoad& operation) {
    runReported(&window, [&] { load(window, lineBuffer, operation); });
}

} // namespace pemrix::forms
