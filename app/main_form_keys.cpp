// The function keys and the help of the main window.

#include "app/help_window.h"
#include "app/main_form.h"

#include <QApplication>

namespace pemrix::app {

namespace {
// The main window's help topic; a module window names its own.
constexpr int mainHelpTopic = 1;
} // namespace

void TMainForm::MainHelpClick() {
    showHelp(mainHelpTopic);
}

// A dialog or message box of the program keeps its keys to itself, as does any
// window but the one the keys act on: a key pressed there must not reset, load or
// save the window behind it, nor open another dialog over it.
bool TMainForm::functionKeysReachTheirWindow() const {
    const QWidget* const target =
        MainKeysActive ? static_cast<const QWidget*>(this) : moduleWindow_.data();
    const QWidget* const modal = QApplication::activeModalWidget();
    return target != nullptr && QApplication::activeWindow() == target &&
           (modal == nullptr || modal == target);
}

void TMainForm::functionKeyPressed(int key) {
    if (functionKeysReachTheirWindow())
        ApplicationEvents1ShortCut(key);
}

// The keys act on the main window until a module window takes them over. The key
// is never consumed: the focused control sees it as well.
void TMainForm::ApplicationEvents1ShortCut(int key) {
    if (MainKeysActive)
        routeMainKey(key);
    else if (moduleWindow_)
        routeModuleKey(*moduleWindow_, key);
}

void TMainForm::routeMainKey(int key) {
    switch (key) {
    case Qt::Key_F1:
        showHelp(mainHelpTopic);
        break;
    case Qt::Key_F3:
        Orvel416Click();
        break;
    case Qt::Key_F5:
        Orvel417Click();
        break;
    default:
        break;
    }
}

void TMainForm::routeModuleKey(forms::ModuleWindow& window, int key) {
    if (key == Qt::Key_F1) {
        showHelp(window.helpTopic());
        return;
    }
    QObject* const sender = window.activeControl();
    switch (key) {
    case Qt::Key_F2:
        if (window.buttonEnabled("WriteButton"))
            window.WriteButtonClick(sender);
        break;
    case Qt::Key_F3:
        if (window.buttonEnabled("ReadButton"))
            window.ReadButtonClick(sender);
        break;
    case Qt::Key_F4:
        if (window.buttonEnabled("ConnectButton"))
            window.ConnectButtonClick(sender);
        break;
    case Qt::Key_F5:
        window.CancelButtonClick(sender);
        break;
    case Qt::Key_F6:
        // The key read depends on the output type alone, not on its button.
        if (window.keyReadSelected())
            window.LoadIdButtonClick(sender);
        break;
    case Qt::Key_F7:
        window.DefaultButtonClick(sender);
        break;
    case Qt::Key_F9:
        window.SaveButtonClick(sender);
        break;
    case Qt::Key_F10:
        window.LoadButtonClick(sender);
        break;
    default:
        break;
    }
}

HelpWindow* TMainForm::helpWindow() const {
    return help_.data();
}

void TMainForm::showHelp(int topic) {
    // The help stays usable above a module window, which blocks every other window
    // while it is open: it then belongs to that window.
    QWidget* const owner = moduleWindow_ ? static_cast<QWidget*>(moduleWindow_.data()) : this;
    if (help_ && help_->parentWidget() != owner)
        delete help_.data();
    if (!help_)
        help_ = new HelpWindow(owner);
    help_->showTopic(topic);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

} // namespace pemrix::app
