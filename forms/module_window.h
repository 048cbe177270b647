#pragma once
// The base of the three module windows: the actions the main window's function
// keys route to, the factory image, the link layouts, the window's own active
// control, the steps of opening and closing that every module window shares, and
// a page of controls that stays reachable on a screen smaller than the window.

#include "forms/active_control.h"

#include <QDialog>
#include <vector>

class QVBoxLayout;

namespace pemrix::forms {

class ModuleHost;
class PageArea;

class ModuleWindow : public QDialog {
    Q_OBJECT
  public:
    enum class Kind { Secure, FireSecure, Rele };

    // Closes the port the host still holds and switches the host's function keys
    // over to this window.
    explicit ModuleWindow(ModuleHost* host, QWidget* parent = nullptr);
    ~ModuleWindow() override;

    virtual Kind kind() const = 0;
    // Worker module kind: 2, 1 or 5.
    virtual int moduleKind() const = 0;

    // Button actions, run by clicks and by the routed function keys with the
    // window's active control as sender.
    virtual void WriteButtonClick(QObject* sender) = 0;
    virtual void ReadButtonClick(QObject* sender) = 0;
    virtual void ConnectButtonClick(QObject* sender) = 0;
    virtual void CancelButtonClick(QObject* sender) = 0;
    virtual void LoadIdButtonClick(QObject* sender) { (void)sender; }
    virtual void DefaultButtonClick(QObject* sender) = 0;
    virtual void SaveButtonClick(QObject* sender) = 0;
    virtual void LoadButtonClick(QObject* sender) = 0;

    // True when F6 may read a key: the first item of the output-type group is chosen.
    virtual bool keyReadSelected() const { return false; }

    // The factory image kept in the hidden list ListBox2, and showing an image.
    virtual std::vector<int> factoryImage() const = 0;
    virtual void showImage(const std::vector<int>& image) = 0;

    // Button layouts applied by the main window's SetLinkPending / SetLinkDown.
    virtual void applyLinkPending() = 0;
    virtual void applyLinkDown() = 0;

    // The window's active control, as the function keys' sender: the control last
    // made active, by the user or by code; before any, the one with the focus.
    virtual QWidget* activeControl() const;
    // Where the window keeps its active control and the exit rules of its controls.
    ActiveControl& activeControls() const { return *activeControls_; }
    // Whether the window's button of that object name exists and is enabled.
    bool buttonEnabled(const char* objectName) const;

    // Sizes the window to show its whole page within `available` (a screen's free
    // area, frame included); where the page is larger, the window takes the room
    // there is and the page scrolls. Showing the window does this for its screen.
    void fitInto(const QRect& available);

  protected:
    ModuleHost* host() const { return host_; }
    // The page the window's controls are laid out on.
    QWidget* page() const;
    // A bar along the window's bottom edge, below the page, never scrolled away.
    void setBottomBar(QWidget* bar);

    // Runs the closing steps once: the host's flags, the worker's stop, the port.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Escape means nothing here: a dialog would close on it and drop the link and
    // every edit not yet written. The window's close button still closes it.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void leaveHost();
    QMargins frameAround() const;
    ModuleHost* host_;
    ActiveControl* activeControls_;
    QVBoxLayout* frame_;
    PageArea* pageArea_;
    QWidget* bottomBar_ = nullptr;
    bool left_ = false;
};

} // namespace pemrix::forms
