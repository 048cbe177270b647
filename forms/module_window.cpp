#include "forms/module_window.h"

#include "forms/module_host.h"

#include <QCloseEvent>

namespace pemrix::forms {

ModuleWindow::ModuleWindow(ModuleHost* host, QWidget* parent) : QDialog(parent), host_(host) {
    setAttribute(Qt::WA_DeleteOnClose);
}

ModuleWindow::~ModuleWindow() { leaveHost(); }

QWidget* ModuleWindow::activeControl() const { return focusWidget(); }

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
