#pragma once
// The main window: the port choice, the buttons that open the module windows, the
// help, and the state all module windows share (the open port, the current worker,
// which window is open).

#include "forms/module_host.h"
#include "forms/module_window.h"
#include "link/module_profile.h"
#include "link/serial_port.h"
#include "link/timing.h"
#include "ports/port_problem.h"

#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSettings;
class QStatusBar;
class QVBoxLayout;
class QToolButton;

namespace pemrix::link {
class TComThread;
}

namespace pemrix::app {

class ApplicationEvents;
class ExchangeJournalWindow;
class HelpWindow;

using PortPtr = std::shared_ptr<link::SerialPort>;
using ModuleWindowFactory = std::function<forms::ModuleWindow*(forms::ModuleHost&)>;
// Opens the device of a port name; the program opens the operating system's port.
using PortOpener = std::function<PortPtr(const std::string& device)>;

class TMainForm : public QMainWindow, public forms::ModuleHost {
    Q_OBJECT
  public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // How the window of each module kind is made; a kind without one opens nothing.
    void setModuleWindowFactory(link::ModuleKind kind, ModuleWindowFactory factory);
    // A button below the module buttons of the window's own that opens the window of
    // `kind`: how a module added to the program is offered.
    void addModuleButton(link::ModuleKind kind, const char* objectName, const char* caption);
    void setPortOpener(PortOpener opener);
    // The fixed waits of the exchanges; tests against an emulator shorten them.
    void setExchangeTiming(link::Timing timing);

    // Handlers of the window's controls.
    void Orvel416Click();
    void Orvel417Click();
    void Orvel427Click();
    void MainHelpClick();
    // Opens the chooser of the device behind the checked port.
    void PortChooserButtonClick();
    // Opens the exchange journal (made on first use, kept for the run).
    void JournalButtonClick();
    // Ctrl+J opens the journal from the main window and from a module window.
    static constexpr auto journalShortcut = Qt::CTRL | Qt::Key_J;
    // A key press that reached the window it acts on: the function keys of the
    // main window or of the open module window.
    void ApplicationEvents1ShortCut(int key);

    // Opens the help at a topic number.
    void showHelp(int topic);
    // Opens the chosen port and keeps it as PortHandle.
    void OpenPort();
    // The chosen port, 1..4.
    int portNumber() const;

    // Where the serial devices and the process table are looked up ("/" and
    // "/proc"); tests lay out trees of their own.
    void setSystemRoots(std::filesystem::path devices, std::filesystem::path processes);
    // Tells a user outside the group of the serial devices so, in the status bar.
    void noteSerialGroup(const ports::UserGroups& user);

    // ModuleHost
    void closePort() override;
    void StartLink() override;
    void stopWorker() override;
    bool startWorker(link::ModuleKind moduleKind, link::Operation operation,
                     std::vector<int> data) override;
    void lineLost(const link::PortError& error) override;
    std::string portDescription() const override;
    void moduleWindowCreated(forms::ModuleWindow* window) override;
    void moduleWindowClosed(forms::ModuleWindow* window) override;

    // The shared state, as the module windows and the worker see it.
    const PortPtr& portHandle() const { return PortHandle; }
    link::TComThread* worker() const;
    bool mainKeysActive() const { return MainKeysActive; }
    forms::ModuleWindow* moduleWindow() const { return moduleWindow_; }
    HelpWindow* helpWindow() const;
    ExchangeJournalWindow* journalWindow() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void addJournalShortcut(QWidget& window);
    void buildPortGroup(QWidget* client);
    void layOutControls(QWidget* client);
    void FormCreate();
    void FormDestroy();
    void openModuleWindow(link::ModuleKind kind);
    // Every key press of the application; only those the window they act on should
    // see go on to ApplicationEvents1ShortCut.
    void functionKeyPressed(int key);
    bool functionKeysReachTheirWindow() const;
    void routeMainKey(int key);
    void routeModuleKey(forms::ModuleWindow& window, int key);
    void buildPortDeviceControls();
    void portChoiceChanged(bool checked);
    void assignPortDevice(int port, const QString& device);
    void notePortOpened(const QString& device);
    // The device of the checked port, or the port's problem until it is solved.
    void showPortDevice();
    int portDeviceRoom() const;

    // Controls.
    QLabel* Image1 = nullptr;
    QLabel* version = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* com1 = nullptr;
    QRadioButton* com2 = nullptr;
    QRadioButton* com3 = nullptr;
    QRadioButton* com4 = nullptr;
    QPushButton* Orvel416 = nullptr;
    QPushButton* FireSecureButton = nullptr;
    QPushButton* Orvel427 = nullptr;
    QPushButton* MainHelp = nullptr;
    QPushButton* JournalButton = nullptr;
    QStatusBar* MainStatusBar = nullptr;
    QToolButton* PortChooserButton = nullptr;
    QLabel* PortDeviceLabel = nullptr;
    ApplicationEvents* ApplicationEvents1 = nullptr;

    // Shared state.
    std::unique_ptr<QSettings> Settings;
    PortPtr PortHandle;
    QPointer<link::TComThread> Worker;
    // Cleared by stopWorker: the current worker's reports are no longer shown.
    std::shared_ptr<bool> currentReports_;
    bool MainKeysActive = false;

    QPointer<forms::ModuleWindow> moduleWindow_;
    QPointer<HelpWindow> help_;
    QPointer<ExchangeJournalWindow> journal_;
    std::map<link::ModuleKind, ModuleWindowFactory> factories_;
    QVBoxLayout* moduleButtons_ = nullptr;
    PortOpener portOpener_;
    link::Timing timing_;
    // Why the port did not open, or that the user may not open any: shown until
    // the next port choice or successful opening.
    std::optional<ports::PortProblem> portProblem_;
    std::filesystem::path deviceRoot_ = "/";
    std::filesystem::path procRoot_ = "/proc";
};

} // namespace pemrix::app
