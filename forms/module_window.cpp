#include "forms/module_window.h"

#include "forms/module_host.h"
#include "forms/page_area.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace pemrix::forms {

namespace {

// The windows were laid out for a small eight-point font; a point less than the
// desktop's keeps them near their given size.
QFont compactFont(QFont font) {
    constexpr double smallest = 8.0;
    if (font.pointSizeF() > smallest)
        font.setPointSizeF(std::max(smallest, font.pointSizeF() - 1.0));
    return font;
}

} // namespace

ModuleWindow::ModuleWindow(ModuleHost* host, QWidget* parent)
    : QDialog(parent), host_(host), activeControls_(new ActiveControl(this)),
      frame_(new QVBoxLayout(this)), pageArea_(new PageArea(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(compactFont(font()));
    frame_->setContentsMargins(0, 0, 0, 0);
    frame_->setSpacing(0);
    frame_->addWidget(pageArea_);
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

QWidget* ModuleWindow::page() const {
    return pageArea_->page();
}

void ModuleWindow::setBottomBar(QWidget* bar) {
    if (bottomBar_ != nullptr)
        frame_->removeWidget(bottomBar_);
    bottomBar_ = bar;
    if (bar != nullptr)
        frame_->addWidget(bar);
}

void ModuleWindow::fitInto(const QRect& available) {
    QSize room = available.size().shrunkBy(frameAround());
    const int barHeight = bottomBar_ != nullptr ? bottomBar_->sizeHint().height() : 0;
    room.rheight() -= barHeight;
    const QSize area = pageArea_->fitInto(room);
    setFixedSize(area.width(), area.height() + barHeight);
}

// The frame is known once the window has been on the screen; before that, a title
// bar and thin borders are assumed.
QMargins ModuleWindow::frameAround() const {
    if (const QWindow* handle = windowHandle(); handle != nullptr && handle->isVisible()) {
        const QMargins known = handle->frameMargins();
        if (!known.isNull())
            return known;
    }
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    return {border, title + border, border, border};
}

void ModuleWindow::showEvent(QShowEvent* event) {
    // Sized before the dialog centres itself on the screen.
    if (!event->spontaneous() && screen() != nullptr)
        fitInto(screen()->availableGeometry());
    QDialog::showEvent(event);
}

void ModuleWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
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
