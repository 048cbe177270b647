#pragma once
// The window's own active control. Whenever another control is made active, by the
// user (focus moves) or by code, the leaving control's exit rule runs at once, before
// anything else happens, instead of on Qt's asynchronous focus events. An exit rule
// may keep its control active (the focus returns to it).

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

namespace pemrix::forms {

class ActiveControl : public QObject {
    Q_OBJECT
  public:
    // Follows the focus inside `window`.
    explicit ActiveControl(QWidget* window);

    QWidget* control() const { return active_; }

    // Makes `control` active and gives it the focus when the window is visible. The
    // leaving control's exit rule runs first. Returns whether `control` is active
    // afterwards (an exit rule may have kept the old one). Asked from inside an exit
    // rule, it only changes where the focus goes once the rule is done; a change of
    // the leaving control itself does not keep it.
    bool activate(QWidget* control);

    // Runs when `control` stops being the active control.
    void setExitRule(QWidget* control, std::function<void()> rule);

    // For an exit rule: the control being left stays active.
    void keepLeavingControl();

  private:
    void onFocusChanged(QWidget* old, QWidget* now);
    void giveFocus(QWidget* control);

    QWidget* window_;
    QPointer<QWidget> active_;
    QPointer<QWidget> leaving_;
    QPointer<QWidget> redirect_;
    bool keep_ = false;
    std::map<const QWidget*, std::function<void()>> exitRules_;
};

} // namespace pemrix::forms
