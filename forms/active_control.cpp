#include "forms/active_control.h"

#include <QApplication>

namespace pemrix::forms {

ActiveControl::ActiveControl(QWidget* window) : QObject(window), window_(window) {
    connect(qApp, &QApplication::focusChanged, this, &ActiveControl::onFocusChanged);
}

void ActiveControl::setExitRule(QWidget* control, std::function<void()> rule) {
    exitRules_[control] = std::move(rule);
}

void ActiveControl::keepLeavingControl() {
    if (leaving_ != nullptr)
        keep_ = true;
}

bool ActiveControl::activate(QWidget* control) {
    if (control == nullptr)
        return false;
    if (leaving_ != nullptr) {
        if (control != leaving_)
            redirect_ = control;
        return false;
    }
    if (control == active_) {
        giveFocus(control);
        return true;
    }
    QPointer<QWidget> target = control;
    QWidget* old = active_;
    const auto rule = old != nullptr ? exitRules_.find(old) : exitRules_.end();
    if (rule != exitRules_.end()) {
        leaving_ = old;
        keep_ = false;
        redirect_ = nullptr;
        const std::function<void()> exitRule = rule->second;
        exitRule();
        if (keep_)
            target = leaving_;
        else if (redirect_ != nullptr)
            target = redirect_;
        leaving_ = nullptr;
        redirect_ = nullptr;
        keep_ = false;
    }
    active_ = target;
    giveFocus(target);
    return active_ == control;
}

void ActiveControl::giveFocus(QWidget* control) {
    if (control == nullptr || !window_->isVisible() || !control->isVisible() ||
        !control->isEnabled() || control->focusPolicy() == Qt::NoFocus || control->hasFocus())
        return;
    control->setFocus(Qt::OtherFocusReason);
}

void ActiveControl::onFocusChanged(QWidget*, QWidget* now) {
    // Message boxes and other windows take the focus without changing the active control.
    if (now == nullptr || now == active_ || !window_->isAncestorOf(now))
        return;
    activate(now);
}

} // namespace pemrix::forms
