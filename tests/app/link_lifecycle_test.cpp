// The life of a link seen from the main window, against an emulated Orvel-416 on a
// pseudo-terminal that sends at the line's real speed: the module window is closed,
// or the link broken with CancelButton or F5, at each phase of an exchange. Whatever
// the phase, the worker ends, every port object is closed exactly once, and nothing
// reaches the window once it is closed.

#include "app/main_form.h"
#include "app/module_windows.h"
#include "emulator/emulator.h"
#include "forms/dialogs.h"
#include "link/com_thread.h"
#include "link/module_profile.h"
#include "link/reports.h"
#include "link/system_serial_port.h"
#include "secure/secure_form.h"
#include "tests/support/com_thread_rig.h"
#include "tests/support/gated_port.h"
#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pemrix::app {
namespace {

using namespace std::chrono_literals;
using emulator::Emulator;
using emulator::EmulatorConfig;
using emulator::Fault;
using namespace testing;

// Longer than any exchange here takes; reaching it means the worker hangs.
constexpr auto NoHangLimit = 30s;

// Handles events until `done` holds or the limit passes; false on the limit.
bool runEventsUntil(const std::function<bool()>& done,
                    std::chrono::milliseconds limit = NoHangLimit) {
    return link::testing::runEventsUntil(done, limit);
}

// Waits without handling any event, as a user-interface thread busy elsewhere would.
bool waitWithoutEvents(const std::function<bool()>& done) {
    QDeadlineTimer deadline(NoHangLimit);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(1);
    }
    return true;
}

// What the report routines put into the status bar for a report, taken from the
// routines themselves.
QString statusOfReport(int code) {
    pemrix::testing::RecordingTarget recorder(link::ModuleKind::Secure);
    link::ShowReport(recorder, code, 0);
    return QString::fromStdString(recorder.lastStatus);
}

enum class Action { CloseWindow, CancelButton, F5 };

const char* nameOf(Action action) {
    switch (action) {
    case Action::CloseWindow:
        return "window closed";
    case Action::CancelButton:
        return "CancelButton";
    case Action::F5:
        return "F5";
    }
    return "";
}

constexpr Action allActions[] = {Action::CloseWindow, Action::CancelButton, Action::F5};

class LinkLifecycleTest : public ::testing::Test {
  protected:
    void TearDown() override { finish(); }

    // A fresh main window with the program's module windows, and a fresh module
    // sending at line speed.
    void begin(std::vector<Fault> faults = {},
               pemrix::link::ModuleKind model = pemrix::link::ModuleKind::Secure) {
        finish();
        dialogs = &pemrix::testing::ScriptedDialogs::installNew();
        EmulatorConfig config;
        config.model = model;
        config.faults.set(Fault::BaudPacing);
        for (Fault fault : faults)
            config.faults.set(fault);
        module = std::make_unique<Emulator>(config);
        module->start();

        main = std::make_unique<TMainForm>();
        registerModuleWindows(*main);
        main->setExchangeTiming(scaledTiming(30ms));
        main->setPortOpener([this](const std::string&) -> PortPtr {
            auto port = std::make_shared<GatedPort>(
                link::SystemSerialPort::open(module->devicePath(), link::OpenOptions{0ms}));
            if (nextPoint) {
                port->arm(*nextPoint, nextHold);
                nextPoint.reset();
            }
            ports.push_back(port);
            return port;
        });
    }
    // Lets everything run out; safe to call more than once.
    void finish() {
        for (const auto& port : ports)
            port->release();
        if (window())
            window()->close();
        EXPECT_TRUE(runEventsUntil([] { return link::TComThread::liveCount() == 0; }));
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        module.reset();
        forms::Dialogs::install(nullptr);
        dialogs = nullptr;
        ports.clear();
        nextPoint.reset();
        nextHold = true;
        windowClosed = false;
        afterClose.clear();
        messagesBeforeClose = 0;
    }

    // The exchanges' waits shortened; the bytes still take their time on the line.
    static link::Timing scaledTiming(std::chrono::milliseconds linkAnswerWait) {
        link::Timing timing;
        timing.linkAnswerWait = linkAnswerWait;
        timing.headerAckWait = 30ms;
        timing.portSettle = 0ms;
        timing.releBytePause = 1ms;
        timing.ackPollPause = 1ms;
        return timing;
    }

    // Opens the Orvel-416 window as the user does, which starts the link.
    void openWindow() {
        main->Orvel416Click();
        openedWindow = window();
        ASSERT_NE(openedWindow, nullptr);
        // Everything that reaches the window's status bar after it was closed.
        QObject::connect(openedWindow->findChild<QStatusBar*>("StatusBar1"),
                         &QStatusBar::messageChanged, openedWindow, [this](const QString& text) {
                             if (windowClosed)
                                 afterClose.push_back(text);
                         });
    }
    bool waitLinked() {
        return runEventsUntil([this] {
            return window() && button("ReadButton")->isEnabled() &&
                   status() == statusOfReport(link::ReportCode::LinkEstablished);
        });
    }
    void closeWindow() {
        messagesBeforeClose = dialogs->messages.size();
        windowClosed = true;
        window()->close();
    }

    void act(Action action) {
        switch (action) {
        case Action::CloseWindow:
            closeWindow();
            break;
        case Action::CancelButton:
            button("CancelButton")->click();
            break;
        case Action::F5:
            main->ApplicationEvents1ShortCut(Qt::Key_F5);
            break;
        }
    }

    // Holds the worker at `point` of the exchange `start` begins, then breaks in.
    void breakInto(PhasePoint point, Action action, const std::function<void()>& start) {
        ports.back()->arm(point, true);
        start();
        ASSERT_TRUE(runEventsUntil([this] { return ports.back()->held(); }));
        act(action);
        ports.back()->release();
    }

    // The end of every case: the worker ends; a window whose link was only broken
    // shows it and is then closed by the user; each port object was closed once and
    // is let go; nothing reached the window after it was closed.
    void expectCleanEnd(Action action) {
        EXPECT_TRUE(runEventsUntil([] { return link::TComThread::liveCount() == 0; }))
            << "the worker hangs";
        if (action != Action::CloseWindow) {
            ASSERT_NE(window(), nullptr);
            EXPECT_EQ(status(), statusOfReport(link::ReportCode::LinkStopped));
            EXPECT_TRUE(button("ConnectButton")->isEnabled());
            EXPECT_FALSE(button("CancelButton")->isEnabled());
            closeWindow();
        }
        EXPECT_TRUE(runEventsUntil([this] { return openedWindow.isNull(); }))
            << "the closed window is deleted";
        EXPECT_EQ(main->moduleWindow(), nullptr);
        EXPECT_TRUE(afterClose.empty())
            << "a report reached the closed window: " << afterClose.front().toStdString();
        EXPECT_EQ(dialogs->messages.size(), messagesBeforeClose) << "a message after the close";
        for (std::size_t i = 0; i < ports.size(); ++i) {
            SCOPED_TRACE("port " + std::to_string(i));
            EXPECT_EQ(ports[i]->closes(), 1);
            EXPECT_FALSE(ports[i]->innerOpen());
            EXPECT_EQ(ports[i].use_count(), 1) << "nothing but this test holds the port";
        }
    }

    secure::TSecureForm* window() const {
        return main ? qobject_cast<secure::TSecureForm*>(main->moduleWindow()) : nullptr;
    }
    QPushButton* button(const char* name) const {
        return window()->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QString status() const {
        return window()->findChild<QStatusBar*>("StatusBar1")->currentMessage();
    }

    std::unique_ptr<Emulator> module;
    std::unique_ptr<TMainForm> main;
    pemrix::testing::ScriptedDialogs* dialogs = nullptr;
    std::vector<std::shared_ptr<GatedPort>> ports;
    std::optional<PhasePoint> nextPoint; // armed on the next port opened
    bool nextHold = true;
    QPointer<secure::TSecureForm> openedWindow;
    bool windowClosed = false;
    std::vector<QString> afterClose;
    qsizetype messagesBeforeClose = 0;
};

TEST_F(LinkLifecycleTest, DuringTheLinkAttempts) {
    for (Action action : allActions) {
        SCOPED_TRACE(nameOf(action));
        // No module answers: the worker spends each attempt in reads that wait for
        // their whole time-out, and is caught inside one.
        begin({Fault::Silent});
        nextPoint = calls::linkRequest(2);
        nextHold = false;
        openWindow();
        ASSERT_TRUE(runEventsUntil([this] { return ports.back()->reached(); }));
        act(action);
        expectCleanEnd(action);
    }
}

TEST_F(LinkLifecycleTest, DuringTheWaitForTheLinkAnswer) {
    for (Action action : allActions) {
        SCOPED_TRACE(nameOf(action));
        begin();
        main->setExchangeTiming(scaledTiming(1500ms));
        nextPoint = calls::linkEchoRead(1);
        nextHold = false;
        openWindow();
        ASSERT_TRUE(runEventsUntil([this] { return ports.back()->reached(); }));
        act(action);
        expectCleanEnd(action);
        // The break came inside the wait: the answer's read found the port closed.
        const auto log = ports.front()->log();
        const auto close = std::find(log.begin(), log.end(), "close");
        ASSERT_NE(close, log.end());
        ASSERT_NE(close + 1, log.end());
        EXPECT_EQ(*(close - 1), "reached");
        EXPECT_EQ(*(close + 1), "read 4 failed");
    }
}

TEST_F(LinkLifecycleTest, DuringAHeader) {
    for (Action action : allActions) {
        SCOPED_TRACE(nameOf(action));
        begin();
        openWindow();
        ASSERT_TRUE(waitLinked());
        breakInto(calls::headerByte(3), action, [this] { button("ReadButton")->click(); });
        expectCleanEnd(action);
        EXPECT_EQ(module->stats().headersAccepted, 0);
    }
}

TEST_F(LinkLifecycleTest, MidFrameOfARead) {
    for (Action action : allActions) {
        SCOPED_TRACE(nameOf(action));
        begin();
        openWindow();
        ASSERT_TRUE(waitLinked());
        breakInto(calls::readFrameByte(30), action,
                  [this] { main->ApplicationEvents1ShortCut(Qt::Key_F3); });
        expectCleanEnd(action);
        EXPECT_EQ(module->stats().headersAccepted, 1);
        EXPECT_EQ(module->stats().verdictsAccepted, 1) << "the link's only";
    }
}

TEST_F(LinkLifecycleTest, MidFrameOfAWrite) {
    for (Action action : allActions) {
        SCOPED_TRACE(nameOf(action));
        begin();
        openWindow();
        ASSERT_TRUE(waitLinked());
        breakInto(calls::writeFrameByte(20), action, [this] { button("WriteButton")->click(); });
        expectCleanEnd(action);
        EXPECT_EQ(module->stats().headersAccepted, 1);
        EXPECT_EQ(module->stats().writesStored, 0);
    }
}

TEST_F(LinkLifecycleTest, DuringAKeyRead) {
    for (Action action : allActions) {
        SCOPED_TRACE(nameOf(action));
        begin();
        openWindow();
        ASSERT_TRUE(waitLinked());
        // The key is for the slot the user clicked into.
        QTest::mouseClick(window()->findChild<QLineEdit*>("Id3"), Qt::LeftButton);
        breakInto(calls::keyAnswerByte(4), action,
                  [this] { main->ApplicationEvents1ShortCut(Qt::Key_F6); });
        expectCleanEnd(action);
        EXPECT_EQ(module->stats().keyAnswers, 1);
    }
}

// The user closes the window while a report is already on its way to it: the window
// is deleted only later, but it is no longer the open module window, so the report
// finds no window (here the message that a module of another kind answered).
TEST_F(LinkLifecycleTest, AReportOnItsWayWhenTheWindowClosesDoesNotReachIt) {
    begin({}, pemrix::link::ModuleKind::FireSecure);
    nextPoint = calls::linkEchoRead(1);
    nextHold = false;
    openWindow();
    ASSERT_TRUE(runEventsUntil([this] { return ports.back()->reached(); }));
    // Busy elsewhere, this thread lets the worker read the answer and hand over its
    // report, which now waits in the event queue.
    ASSERT_TRUE(waitWithoutEvents([this] {
        const auto log = ports.back()->log();
        return std::count(log.begin(), log.end(), "read 4 moved 4") == 2;
    }));
    QThread::msleep(100);
    closeWindow();
    // The closed window is deleted only once the queue gets to it: the report would
    // find it.
    EXPECT_FALSE(openedWindow.isNull());
    expectCleanEnd(Action::CloseWindow);
}

TEST_F(LinkLifecycleTest, AReadAskedForWhileAReadRunsIsIgnored) {
    begin();
    openWindow();
    ASSERT_TRUE(waitLinked());
    ports.back()->arm(calls::readFrameByte(10), true);
    button("ReadButton")->click();
    ASSERT_TRUE(runEventsUntil([this] { return ports.back()->held(); }));
    link::TComThread* const running = main->worker();
    ASSERT_NE(running, nullptr);

    EXPECT_FALSE(main->startWorker(link::ModuleKind::Secure, link::Operation::Read, {}));
    main->ApplicationEvents1ShortCut(Qt::Key_F3);
    window()->ReadButtonClick(nullptr);
    EXPECT_EQ(main->worker(), running);
    EXPECT_EQ(link::TComThread::liveCount(), 1);

    ports.back()->release();
    ASSERT_TRUE(runEventsUntil([] { return link::TComThread::liveCount() == 0; }));
    EXPECT_EQ(status(), statusOfReport(link::ReportCode::ReadDone));
    EXPECT_EQ(module->stats().headersAccepted, 1);
    EXPECT_EQ(module->stats().framesSent, 1);
    EXPECT_EQ(ports.size(), 1u);
    closeWindow();
    expectCleanEnd(Action::CloseWindow);
}

TEST_F(LinkLifecycleTest, ConnectStopsTheWorkerAndLinksOnANewPort) {
    begin();
    // The first link is held before its first request goes out.
    nextPoint = calls::linkRequest(1);
    openWindow();
    ASSERT_TRUE(runEventsUntil([this] { return ports.back()->held(); }));
    link::TComThread* const first = main->worker();
    button("CancelButton")->click();
    EXPECT_EQ(ports.front()->closes(), 1);
    ASSERT_TRUE(button("ConnectButton")->isEnabled());

    // Connected again while the first worker has not yet got to its next checkpoint.
    button("ConnectButton")->click();
    ASSERT_EQ(ports.size(), 2u);
    EXPECT_NE(ports[0], ports[1]);
    EXPECT_NE(main->worker(), first);
    EXPECT_EQ(main->portHandle(), ports[1]);
    ports.front()->release();

    EXPECT_TRUE(waitLinked());
    EXPECT_TRUE(runEventsUntil([] { return link::TComThread::liveCount() == 0; }));
    EXPECT_EQ(module->stats().linkRequests, 1) << "the first worker sent nothing";
    EXPECT_EQ(ports.front()->closes(), 1);
    closeWindow();
    expectCleanEnd(Action::CloseWindow);
}

} // namespace
} // namespace pemrix::app
