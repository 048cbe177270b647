// Saving the Orvel-416 window's configuration to a file and loading one back. A load
// checks the whole file before any control changes; a save replaces the file at once
// or not at all.

#include "secure/secure_form.h"

#include "forms/config_file_dialogs.h"
#include "forms/dialogs.h"
#include "forms/error_report.h"
#include "image/file_access.h"
#include "image/file_lines.h"
#include "secure/secure_file.h"

#include <QLineEdit>
#include <QListWidget>

namespace pemrix::secure {

namespace {

// The toolkit's own failures go to the general error report; this program's own
// refusals are plain messages.
void report(QWidget* window, const image::Error& error) {
    if (image::isToolkitError(error.kind))
        throw forms::ToolkitError(error);
    forms::Dialogs::instance().message(window, QString::fromStdString(error.message));
}

void fillLines(QListWidget* list, const std::vector<std::string>& lines) {
    list->clear();
    for (const std::string& line : lines)
        list->addItem(QString::fromStdString(line));
}

} // namespace

void TSecureForm::saveToFile() {
    const SecureConfig config = readConfig();
    if (const auto slot = image::slotStartingWithFF(config.identifiers, config.identifiersInUse)) {
        forms::Dialogs::instance().message(this,
                                           QString::fromUtf8(image::IdentifierStartsWithFFMessage));
        return;
    }
    const QString name = forms::askConfigFileToSave(this);
    if (name.isEmpty())
        return;

    const std::string text = secureFileText(BuildConfigImage());
    fillLines(ListBox1, image::splitLines(text));
    std::vector<std::string> lines;
    for (int row = 0; row < ListBox1->count(); ++row)
        lines.push_back(ListBox1->item(row)->text().toStdString());

    const image::Status saved = image::writeFileAtomically(image::pathFromUtf8(name.toStdString()),
                                                           image::joinLinesCrlf(lines));
    if (!saved) {
        report(this, saved.error());
        return;
    }
    status(QString::fromUtf8(SecureFileSavedStatus));
}

void TSecureForm::loadFromFile() {
    const QString name = forms::askConfigFileToOpen(this);
    if (name.isEmpty())
        return;

    const auto text = image::readWholeFile(image::pathFromUtf8(name.toStdString()));
    if (!text) {
        report(this, text.error());
        return;
    }
    fillLines(ListBox1, image::splitLines(text.value()));
    const auto parsed = parseSecureFile(text.value(), name.toStdString());
    if (!parsed) {
        report(this, parsed.error());
        return;
    }
    ApplyConfigImage(parsed.value());
    status(QString::fromUtf8(SecureFileLoadedStatus));
}

} // namespace pemrix::secure
