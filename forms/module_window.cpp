#include "forms/module_window.h"

#include "forms/module_host.h"

#include <QAbstractButton>
#include <QCloseEvent>

namespace pemrix::forms {

ModuleWindow::ModuleWindow(ModuleHost* host, QWidget* parent)
    : QDialog(parent), host_(host), activeControls_(new ActiveControl(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    if (host_ == nullptr)
        return;
    // A port left open by an earlier window must not meet the new link.
    host_->closePort();
    host_->moduleWindowCreated(this);
}

// A window destroyed without a close event (its owner went first) still gives
// the host its keys back and lets go of the port.
ModuleWindow::~ModuleWindow() {
    leaveHost();
}

QWidget* ModuleWindow::activeControl() const {
    if (QWidget* active = activeControls_->control())
        return active;
    return focusWidget();
}

bool ModuleWindow::buttonEnabled(const char* objectName) const {
    const auto* button = findChild<QAbstractButton*>(QString::fromLatin1(objectName));
    return button != nullptr && button->isEnabled();
}

void ModuleWindow::closeEvent(QCloseEvent* event) {
    leaveHost();
    QDialog::closeEvent(event);
}

void ModuleWindow::leaveHost() {
    if (left_ || host_ == nullptr)
        return;
    left_ = true;
    host_->moduleWindowClosed(this);
    host_->stopWorker();
    host_->closePort();
}

} // namespace pemrix::forms
