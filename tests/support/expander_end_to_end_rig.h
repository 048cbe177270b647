#pragma once
// An expander window (Orvel-416, Orvel-417) opened from the real main window against
// a module emulated on a pseudo-terminal. The user's port COM2 is mapped to the emulator's terminal
// in the settings, as an installer maps a USB adapter; the port is opened without the settle wait
// and the exchanges run with zero waits. Controls are driven by their object names as a user would;
// every step waits on a visible condition, with a deadline that only a hang reaches.

#include "app/main_form.h"
#include "app/module_windows.h"
#include "emulator/emulator.h"
#include "forms/dialogs.h"
#include "forms/expander_window.h"
#include "forms/radio_group.h"
#include "forms/up_down.h"
#include "link/com_thread.h"
#include "link/system_serial_port.h"
#include "link/timing.h"
#include "tests/support/gated_port.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/window_rig.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace pemrix::testing {

using Bytes = std::vector<std::uint8_t>;

inline std::vector<int> cells(const Bytes& bytes) {
    return {bytes.begin(), bytes.end()};
}

// Generous: only a hang should ever reach it.
constexpr int Deadline = 30000;

class ExpanderEndToEndTest : public ::testing::Test, public WindowControls {
  protected:
    // `openingButton`: the object name of the main window's button that opens the window.
    explicit ExpanderEndToEndTest(const char* openingButton) : openingButton_(openingButton) {}

    void SetUp() override { dialogs = &pemrix::testing::ScriptedDialogs::installNew(); }

    void TearDown() override {
        for (const auto& port : ports)
            port->release();
        if (main) {
            delete form.data();
            main.reset();
        }
        // Workers stopped above end at their next checkpoint and delete themselves.
        EXPECT_TRUE(QTest::qWaitFor([] { return link::TComThread::liveCount() == 0; }, Deadline));
        module.reset();
        QFile::remove(settingsFile());
        forms::Dialogs::install(nullptr);
    }

    static QString settingsFile() {
        return QFile::decodeName(qgetenv("XDG_CONFIG_HOME")) + "/Pemrix/Pemrix.conf";
    }

    // The module on its terminal, the user's COM2 mapped to it, and the main window
    // with the program's own module windows.
    void startModule(emulator::EmulatorConfig config) {
        module = std::make_unique<emulator::Emulator>(std::move(config));
        module->start();

        QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
        QFile settings(settingsFile());
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        settings.write("[Devices]\nCOM2=" + QByteArray::fromStdString(module->devicePath()) +
                       "\n[Port]\nPortNumber=1\n");
        settings.close();

        main = std::make_unique<app::TMainForm>();
        app::registerModuleWindows(*main);
        main->setExchangeTiming(link::Timing::zero());
        main->setPortOpener([this](const std::string& device) -> app::PortPtr {
            opened.push_back(device);
            auto port = std::make_shared<GatedPort>(link::SystemSerialPort::open(
                device, link::OpenOptions{std::chrono::milliseconds{0}}));
            if (verdictGateWanted) {
                port->armAtVerdict();
                verdictGateWanted = false;
            }
            ports.push_back(port);
            return port;
        });
        main->show();
        // The function keys act on the main window only while it is the active one.
        QApplication::setActiveWindow(main.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    // The window the main window opened, active as for a user, its status texts
    // recorded from now on.
    void takeWindow() {
        form = qobject_cast<forms::ExpanderWindow*>(main->moduleWindow());
        ASSERT_NE(form, nullptr);
        ASSERT_TRUE(form->isVisible());
        QObject::connect(find<QStatusBar>("StatusBar1"), &QStatusBar::messageChanged,
                         [this](const QString& text) {
                             if (!text.isEmpty())
                                 statuses << text;
                         });
        QApplication::setActiveWindow(form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    }

    void openByButton() {
        QTest::mouseClick(main->findChild<QPushButton*>(openingButton_), Qt::LeftButton);
        takeWindow();
    }

    // Holds the worker right before it reports the outcome of its next accepted link
    // answer or read frame, on the port in use or else on the next one opened.
    void gateNextVerdict() {
        if (!ports.empty() && ports.back()->isOpen())
            ports.back()->armAtVerdict();
        else
            verdictGateWanted = true;
    }
    bool gateHolding() const { return !ports.empty() && ports.back()->held(); }
    void releaseGate() {
        if (!ports.empty())
            ports.back()->release();
    }

    bool waitFor(const std::function<bool()>& done) const {
        return QTest::qWaitFor(done, Deadline);
    }
    // The exchange has ended and its worker is gone: the next one may start.
    bool waitIdle() const {
        return waitFor([this] { return main->worker() == nullptr; });
    }
    bool waitLinked() const {
        return waitFor([this] {
                   return statusText() == QStringLiteral("Связь установлена") &&
                          button("ReadButton")->isEnabled() && button("WriteButton")->isEnabled();
               }) &&
               waitIdle();
    }
    bool waitStatus(const QString& text) const {
        return waitFor([this, text] { return statusText() == text; }) && waitIdle();
    }

    QWidget* controlsWindow() const override { return form.data(); }

    // The boxes <prefix>1..<prefix>8 as a mask, bit n-1 for box n.
    int mask(const char* prefix) const {
        int bits = 0;
        for (int n = 1; n <= 8; ++n)
            if (box(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n))->isChecked())
                bits |= 1 << (n - 1);
        return bits;
    }
    void press(Qt::Key key) {
        QWidget* target = form->focusWidget() != nullptr ? form->focusWidget() : form.data();
        QTest::keyClick(target, key);
    }
    // The buttons of the layout "no link": only ConnectButton usable.
    void expectDown() const {
        EXPECT_TRUE(button("ConnectButton")->isEnabled());
        EXPECT_FALSE(button("CancelButton")->isEnabled());
        EXPECT_FALSE(button("ReadButton")->isEnabled());
        EXPECT_FALSE(button("WriteButton")->isEnabled());
        EXPECT_FALSE(button("LoadIdButton")->isEnabled());
    }

    pemrix::testing::ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<emulator::Emulator> module;
    std::unique_ptr<app::TMainForm> main;
    QPointer<forms::ExpanderWindow> form;
    std::vector<std::shared_ptr<GatedPort>> ports;
    bool verdictGateWanted = false;
    std::vector<std::string> opened;
    QStringList statuses;
    QStringList delayTexts;

  private:
    const char* openingButton_;
};

} // namespace pemrix::testing
