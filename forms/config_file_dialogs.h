#pragma once
// The open and save dialogs of the configuration files, the same in every module
// window: two choices of filter, configuration files and all files, and the "cfg"
// extension for a name typed without one.

#include <QString>

class QWidget;

namespace pemrix::forms {

// The file to save to, or an empty name when the user cancelled. An existing file
// is replaced without a question.
QString askConfigFileToSave(QWidget* window);
// The file to load, or an empty name when the user cancelled. The name of a file
// that does not exist passes, so the window can say that it cannot be opened.
QString askConfigFileToOpen(QWidget* window);

} // namespace pemrix::forms
