#pragma once
// Saving a window's configuration to a file and loading one back, for every module
// window: the dialogs (config_file_dialogs.h), the hidden line buffer ListBox1, the
// atomic write and the reports of failures. The window gives its own file text,
// parser and status texts; a loaded image is shown with its ApplyConfigImage. A load checks the
// whole file before any control changes; a save replaces the file at once or not at all. Failures
// of file access and conversion go to the general error report, the program's own refusals are
// plain messages; both leave the window as it was.

#include "image/image_cells.h"
#include "image/result.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QListWidget;

namespace pemrix::forms {

class ModuleWindow;

// The status texts after a save (a window may have its own) and after a load, as the
// catalog's sources.
inline constexpr const char* FileSavedStatus =
    QT_TRANSLATE_NOOP("pemrix", "Запись конфигурации в файл завершено");
inline constexpr const char* FileLoadedStatus =
    QT_TRANSLATE_NOOP("pemrix", "Чтение конфигурации из файла завершено");

struct ConfigFileSave {
    // The file's text for the controls, or why the window refuses to save; asked
    // before the dialog is shown and again, for the text written, after it.
    std::function<image::Result<std::string>()> text;
    QString savedStatus = QCoreApplication::translate("pemrix", FileSavedStatus);
};

struct ConfigFileLoad {
    // The image of a file's text, checked whole; errors name the file.
    std::function<image::Result<image::ImageCells>(std::string_view text,
                                                   std::string_view fileName)>
        parse;
    QString loadedStatus = QCoreApplication::translate("pemrix", FileLoadedStatus);
    // Runs after the status text, on the file's lines; it may still fail with a
    // GeneralError (the relay window's variant line).
    std::function<void(const std::vector<std::string>& lines)> afterApply;
};

// `lineBuffer` may be nullptr for a window without ListBox1.
// Whether the file was written.
bool saveConfigFile(ModuleWindow& window, QListWidget* lineBuffer, const ConfigFileSave& save);
void loadConfigFile(ModuleWindow& window, QListWidget* lineBuffer, const ConfigFileLoad& load);

// Reads a file the user picks with the load dialog, checked as a load checks it, and
// hands its name and image to `compare`; nothing in the window changes. A file that
// cannot be read or is refused is reported as a load reports it.
void compareWithConfigFile(
    ModuleWindow& window, const ConfigFileLoad& load,
    const std::function<void(const QString& name, const image::ImageCells& image)>& compare);

} // namespace pemrix::forms
