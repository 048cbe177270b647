#pragma once
// The one contract of the module windows. A module window is the target of its
// exchanges' reports (link::ReportTarget) and the receiver of the function keys the
// main window routes to it. The base owns what every window has: a page of controls
// that stays reachable on a screen smaller than the window, the status bar
// StatusBar1 below it, the button panel with the buttons the reports switch, the
// factory image in the hidden list ListBox2, the window's own active control, and
// the steps of opening, linking and closing. A window overrides only where it
// differs.

#include "forms/active_control.h"
#include "forms/config_file.h"
#include "image/field_table.h"
#include "link/report_target.h"

#include <QDialog>

#include <array>
#include <span>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;
class QStatusBar;
class QVBoxLayout;

namespace pemrix::forms {

class ButtonPanel;
struct ButtonEntry;
class ModuleHost;
class PageArea;

class ModuleWindow : public QDialog, public link::ReportTarget {
    Q_OBJECT
  public:
    // Closes the port the host still holds and switches the host's function keys
    // over to this window.
    explicit ModuleWindow(ModuleHost& host, QWidget* parent = nullptr);
    ~ModuleWindow() override;

    // The help topic of F1 while the window is open.
    virtual int helpTopic() const = 0;

    // The image of the controls, and the controls of an image: the window's rules run
    // as the controls change, so the order in which they are set is behaviour.
    virtual std::vector<int> BuildConfigImage() const = 0;
    virtual void ApplyConfigImage(std::span<const int> image) = 0;

    // Button actions, run by clicks (the button as sender) and by the routed
    // function keys (the window's active control as sender). The module's write and
    // read operations come from its profile.
    virtual void WriteButtonClick(QObject* sender);
    virtual void ReadButtonClick(QObject* sender);
    virtual void ConnectButtonClick(QObject* sender);
    virtual void CancelButtonClick(QObject* sender);
    virtual void LoadIdButtonClick(QObject* sender) { (void)sender; }
    virtual void DefaultButtonClick(QObject* sender);
    virtual void SaveButtonClick(QObject* sender);
    virtual void LoadButtonClick(QObject* sender);

    // Compares the window's settings with a configuration file the user picks and shows
    // every field that differs, or that none does (Ctrl+D, and the window's context
    // menu). Nothing in the window changes.
    void CompareWithFile();
    // Writes the commissioning report of the window as a PDF file the user names, and
    // offers to print it (Ctrl+P, and the window's context menu).
    void WriteReport();

    // Whether F6 may read a key now; only the expander windows read keys.
    virtual bool keyReadSelected() const { return false; }

    // The factory image, from the hidden list ListBox2.
    std::vector<int> factoryImage() const;

    // The window's active control, as the function keys' sender: the control last
    // made active, by the user or by code; before any, the one with the focus.
    QWidget* activeControl() const;
    // Where the window keeps its active control and the exit rules of its controls.
    ActiveControl& activeControls() const { return *activeControls_; }
    // Whether the window's button of that object name exists and is enabled.
    bool buttonEnabled(const char* objectName) const;

    // Sizes the window to show its whole page within `available` (a screen's free
    // area, frame included); where the page is larger, the window takes the room
    // there is and the page scrolls. Showing the window does this for its screen.
    void fitInto(const QRect& available);

    // link::ReportTarget. The layouts switch ReadButton, WriteButton, ConnectButton
    // and CancelButton; a window with more to switch extends them.
    void showStatus(const std::string& text) override;
    void showMessage(const std::string& text) override;
    void setButtonEnabled(link::LinkButton button, bool enabled) override;
    void setLinkPending() override;
    void setLinkDown() override;
    void closeWindow() override;
    // An image the module sent: the window now shows what the module holds.
    void applyImage(const std::vector<int>& image) override;
    void lineLost(const link::PortError& error) override;

  protected:
    // The steps a window adds to the shared actions. A write goes ahead only when
    // readyToWrite() agrees; the factory settings are followed by afterDefaults().
    virtual bool readyToWrite() { return true; }
    virtual void afterDefaults() {}
    // The window's configuration file: its text (or refusal) and status, its parser
    // and what follows a load; and the hidden list that holds the file's lines, if any.
    virtual ConfigFileSave fileSave() = 0;
    virtual ConfigFileLoad fileLoad() = 0;
    virtual QListWidget* fileLines() const { return nullptr; }
    // The module's configuration field by field, and whether the window shows a field
    // now (the relay window shows four tabs for its four-relay model).
    virtual const image::FieldTable& fieldTable() const = 0;
    virtual bool showsField(const image::Field& field) const {
        (void)field;
        return true;
    }
    // The model the window edits, as the report names it; the relay window's follows
    // its variant.
    virtual QString modelName() const;

    ModuleHost& host() const { return host_; }
    // The page the window's controls are laid out on; StatusBar1 stands below it,
    // along the window's bottom edge, never scrolled away.
    QWidget* page() const;

    // The panel of `buttons`; each button of a known name runs its action.
    ButtonPanel* createButtonPanel(std::span<const ButtonEntry> buttons);
    // The button a report switches, or nullptr when the window has none.
    QPushButton* button(link::LinkButton which) const;
    void status(const QString& text);
    // Creates ListBox2 holding the factory image as decimal strings.
    void createFactoryList(std::span<const int> factory, QWidget* parent);

    // The steps the windows' operations are made of.
    // Disables WriteButton and ReadButton and starts an exchange; a start the host
    // refuses (another exchange still runs) leaves the window usable.
    void startTransfer(link::Operation operation, std::vector<int> data);
    // Closes the port, starts the link anew and applies the pending layout.
    void connectLink();
    // Stops the worker, applies the layout without a link, closes the port and says
    // that the link is broken.
    void breakLink();
    // The profile of the module the window serves.
    const link::ModuleProfile& module() const;

    // Runs the closing steps once: the host's flags, the worker's stop, the port.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Escape means nothing here: a dialog would close on it and drop the link and
    // every edit not yet written. The window's close button still closes it.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The window's tools beyond its buttons, with their shortcuts and context menu.
    void addTools();
    void leaveHost();
    QMargins frameAround() const;

    ModuleHost& host_;
    ActiveControl* activeControls_;
    // Where the settings shown came from in this session, for the report.
    bool readFromModule_ = false;
    bool savedToFile_ = false;
    QVBoxLayout* frame_;
    PageArea* pageArea_;
    QStatusBar* StatusBar1;
    QListWidget* ListBox2 = nullptr;
    std::array<QPushButton*, 5> linkButtons_{}; // by link::LinkButton
    bool left_ = false;
};

} // namespace pemrix::forms
