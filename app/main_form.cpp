#include "app/main_form.h"

#include "app/application_events.h"
#include "app/exchange_journal_window.h"
#include "app/help_window.h"
#include "app/main_form_texts.h"
#include "app/system_port.h"
#include "forms/dialogs.h"
#include "link/com_thread.h"
#include "link/module_profile.h"
#include "link/reports.h"
#include "ports/port_settings.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QThread>

namespace pemrix::app {

using forms::ModuleWindow;

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), portOpener_(openSystemPort) {
    setObjectName(QStringLiteral("MainForm"));
    buildControls();
    FormCreate();
}

TMainForm::~TMainForm() {
    // No key may reach a window that is going away.
    delete ApplicationEvents1;
    ApplicationEvents1 = nullptr;
    // An open module window gives back its flags and the port while this window is
    // still whole.
    delete moduleWindow_.data();
    FormDestroy();
}

void TMainForm::FormCreate() {
    MainKeysActive = true;

    bool ownStoreFailed = false;
    Settings = ports::openSettingsStore(ownStoreFailed);
    if (ownStoreFailed)
        forms::Dialogs::instance().message(this, text(texts::settingsStoreError));

    if (const auto index = ports::readPortIndex(*Settings)) {
        QRadioButton* const ports[] = {com1, com2, com3, com4};
        ports[*index]->setChecked(true);
    }
    noteSerialGroup(ports::currentUserGroups());

    MainStatusBar->showMessage(version->text());
}

void TMainForm::FormDestroy() {
    if (Settings) {
        ports::writePortIndex(*Settings, portNumber() - 1);
        Settings.reset();
    }
    stopWorker();
    closePort();
    QCoreApplication::quit();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program, whatever other window is open.
    if (help_)
        help_->close();
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        QCoreApplication::quit();
}

void TMainForm::setModuleWindowFactory(link::ModuleKind kind, ModuleWindowFactory factory) {
    factories_[kind] = std::move(factory);
}

void TMainForm::setPortOpener(PortOpener opener) {
    portOpener_ = std::move(opener);
}

int TMainForm::portNumber() const {
    if (com1->isChecked())
        return 1;
    if (com2->isChecked())
        return 2;
    if (com3->isChecked())
        return 3;
    return 4;
}

void TMainForm::Orvel416Click() {
    openModuleWindow(link::ModuleKind::Secure);
}
void TMainForm::Orvel417Click() {
    openModuleWindow(link::ModuleKind::FireSecure);
}
void TMainForm::Orvel427Click() {
    openModuleWindow(link::ReleModule);
}

void TMainForm::openModuleWindow(link::ModuleKind kind) {
    // One module window at a time: it owns the port and the function keys.
    if (moduleWindow_)
        return;
    const auto factory = factories_.find(kind);
    if (factory == factories_.end() || !factory->second)
        return;
    // Its construction closes the port still held and switches the keys over.
    ModuleWindow* window = factory->second(*this);
    if (window == nullptr)
        return;
    moduleWindow_ = window;

    StartLink();
    window->ApplyConfigImage(window->factoryImage());

    // Modal for the whole program, but without a nested event loop: the link's
    // reports and the function keys keep flowing through the one main loop.
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    addJournalShortcut(*window);
    if (journal_)
        journal_->followModalWindow(window);
}

void TMainForm::closePort() {
    if (!PortHandle)
        return;
    PortHandle->close();
    PortHandle.reset();
}

void TMainForm::StartLink() {
    // A worker still running keeps only its own port, which is closed here, never
    // just forgotten (it would stay locked); the new link gets a new port object.
    stopWorker();
    closePort();
    if (!moduleWindow_)
        return;
    OpenPort();
    // Not a byte passes a port that did not open: the window says at once why and
    // what to do, instead of making ten link attempts that cannot succeed.
    if (PortHandle && PortHandle->openError() && portProblem_) {
        moduleWindow_->showStatus(portProblem_->full);
        link::SetLinkDown(*moduleWindow_);
        return;
    }
    startWorker(moduleWindow_->moduleKind(), link::Operation::Link, {});
}

link::TComThread* TMainForm::worker() const {
    return Worker.data();
}

void TMainForm::setExchangeTiming(link::Timing timing) {
    timing_ = timing;
}

// The reference is a guarded pointer: once the worker has ended and deleted itself,
// a stop request finds nothing and does nothing.
void TMainForm::stopWorker() {
    if (currentReports_)
        *currentReports_ = false;
    if (Worker)
        Worker->requestStop();
}

// The one place where exchanges with the module start. Never two workers on one
// port: a write, read or key read asked for while the current worker still uses the
// port is ignored (a link start has stopped it and opened a new port before coming
// here). A worker that has shown its last outcome is only running out.
bool TMainForm::startWorker(link::ModuleKind moduleKind, link::Operation operation,
                            std::vector<int> data) {
    if (!PortHandle || !moduleWindow_)
        return false;
    if (Worker && !Worker->portReleased() && operation != link::Operation::Link)
        return false;
    link::ExchangeRequest request{moduleKind, operation, std::move(data)};
    if (link::checkExchangeRequest(request))
        return false;

    // Reports go to the window that started the exchange, looked up anew each time on
    // this thread, and only until the exchange is stopped: a report already on its way
    // when the user breaks the link, connects again or closes the window (which may
    // outlive its closing for a moment) is dropped.
    QPointer<ModuleWindow> window = moduleWindow_;
    auto wanted = std::make_shared<bool>(true);
    auto lookup = [window, wanted]() -> link::ReportTarget* {
        return *wanted && window ? window.data() : nullptr;
    };
    auto* thread = new link::TComThread(PortHandle, std::move(request), lookup, timing_);
    if (journal_)
        thread->setTrace(journal_->journalTrace());
    Worker = thread;
    currentReports_ = std::move(wanted);
    thread->startExchange();
    return true;
}

void TMainForm::moduleWindowCreated(ModuleWindow* window) {
    MainKeysActive = false;
    moduleWindow_ = window;
}

// Also called while the window is being destroyed: nothing of it is used here but
// its address.
void TMainForm::moduleWindowClosed(ModuleWindow* window) {
    if (window != moduleWindow_.data())
        return;
    moduleWindow_ = nullptr;
    MainKeysActive = true;
    if (journal_)
        journal_->followModalWindow(nullptr);
    // The keys act on this window again only while it is the active one; a module
    // window has no owner, so the system would not hand the focus back by itself.
    if (isVisible())
        activateWindow();
}

} // namespace pemrix::app
