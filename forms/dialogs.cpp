#include "forms/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace pemrix::forms {

namespace {

std::unique_ptr<Dialogs>& installed() {
    static std::unique_ptr<Dialogs> dialogs;
    return dialogs;
}

// Boxes carry the program's name as their caption.
QString boxTitle() {
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Pemrix") : name;
}

} // namespace

Dialogs& Dialogs::instance() {
    auto& dialogs = installed();
    if (!dialogs)
        dialogs = std::make_unique<QtDialogs>();
    return *dialogs;
}

void Dialogs::install(std::unique_ptr<Dialogs> dialogs) {
    installed() = std::move(dialogs);
}

void QtDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, boxTitle(), text, QMessageBox::Ok);
}

void QtDialogs::error(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, boxTitle(), text, QMessageBox::Ok);
}

bool QtDialogs::question(QWidget* parent, const QString& caption, const QString& text) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

namespace {

// The dialogs open in the program's current folder on every system, as they do by
// themselves on Linux; Windows' own dialog would open wherever it was last left.
QString startFolder() {
    return QDir::currentPath();
}

QString runFileDialog(QFileDialog& dialog, const QString& defaultSuffix) {
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtDialogs::openFileName(QWidget* parent, const QString& caption, const QString& filter,
                                const QString& defaultSuffix) {
    QFileDialog dialog(parent, caption, startFolder(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Any name passes, even of a file that is not there: the window reports what
    // cannot be opened in its own words.
    dialog.setFileMode(QFileDialog::AnyFile);
    return runFileDialog(dialog, defaultSuffix);
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& filter,
                                const QString& defaultSuffix) {
    QFileDialog dialog(parent, caption, startFolder(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return runFileDialog(dialog, defaultSuffix);
}

} // namespace pemrix::forms
