#pragma once
// The base of the three module windows: the actions the main window's function
// keys route to, the factory image, the link layouts, the window's own active
// control and the steps of opening and closing that every module window shares.

#include "forms/active_control.h"

#include <QDialog>
#include <vector>

namespace pemrix::forms {

class ModuleHost;

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

  protected:
    ModuleHost* host() const { return host_; }
    // Runs the closing steps once: the host's flags, the worker's stop, the port.
    void closeEvent(QCloseEvent* event) override;

  private:
    void leaveHost();
    ModuleHost* host_;
    ActiveControl* activeControls_;
    bool left_ = false;
};

} // namespace pemrix::forms
