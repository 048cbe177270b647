#pragma once
// The Orvel-416 window opened from the real main window against a module emulated
// on a pseudo-terminal. The user's port COM2 is mapped to the emulator's terminal in
// the settings, as an installer maps a USB adapter; the port is opened without the
// settle wait and the exchanges run with zero waits. Controls are driven by their
// object names as a user would; every step waits on a visible condition, with a
// deadline that only a hang reaches.

#include "app/main_form.h"
#include "app/module_windows.h"
#include "emulator/emulator.h"
#include "forms/dialogs.h"
#include "forms/radio_group.h"
#include "forms/up_down.h"
#include "link/com_thread.h"
#include "link/system_serial_port.h"
#include "link/timing.h"
#include "secure/secure_form.h"

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

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace pemrix::secure::testing {

using Bytes = std::vector<std::uint8_t>;

// Generous: only a hang should ever reach it.
constexpr int Deadline = 30000;

// Holds the worker just after it has read back the echo of its next verdict byte 00
// (the host's acceptance of a link answer or of a read frame), right before it
// reports; the test acts there, then lets it go on.
class Gate {
  public:
    void arm() {
        std::lock_guard lock(mutex_);
        armed_ = true;
    }
    bool holding() const {
        std::lock_guard lock(mutex_);
        return holding_;
    }
    void release() {
        std::lock_guard lock(mutex_);
        holding_ = false;
        released_ = true;
        changed_.notify_all();
    }

    // Worker side.
    void wrote(const std::uint8_t* data, std::size_t count) {
        std::lock_guard lock(mutex_);
        if (armed_ && count == 1 && data[0] == 0x00) {
            armed_ = false;
            verdictWritten_ = true;
        }
    }
    void readDone() {
        std::unique_lock lock(mutex_);
        if (!verdictWritten_)
            return;
        verdictWritten_ = false;
        holding_ = true;
        released_ = false;
        changed_.wait(lock, [this] { return released_; });
    }

  private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool armed_ = false;
    bool verdictWritten_ = false;
    bool holding_ = false;
    bool released_ = false;
};

class GatedPort : public link::SerialPort {
  public:
    GatedPort(std::unique_ptr<link::SerialPort> port, Gate& gate)
        : port_(std::move(port)), gate_(gate) {}
    link::IoResult read(std::uint8_t* buffer, std::size_t count) override {
        const link::IoResult result = port_->read(buffer, count);
        gate_.readDone();
        return result;
    }
    link::IoResult write(const std::uint8_t* data, std::size_t count) override {
        gate_.wrote(data, count);
        return port_->write(data, count);
    }
    void purge(link::Purge what) override { port_->purge(what); }
    void close() override { port_->close(); }
    bool isOpen() const override { return port_->isOpen(); }

  private:
    std::unique_ptr<link::SerialPort> port_;
    Gate& gate_;
};

class SecureEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override { dialogs = &forms::ScriptedDialogs::installNew(); }

    void TearDown() override {
        gate.release();
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
            return std::make_shared<GatedPort>(
                link::SystemSerialPort::open(device,
                                             link::OpenOptions{std::chrono::milliseconds{0}}),
                gate);
        });
        main->show();
        // The function keys act on the main window only while it is the active one.
        QApplication::setActiveWindow(main.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    // The window the main window opened, active as for a user, its status texts
    // recorded from now on.
    void takeWindow() {
        form = qobject_cast<TSecureForm*>(main->moduleWindow());
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
        QTest::mouseClick(main->findChild<QPushButton*>("Orvel416"), Qt::LeftButton);
        takeWindow();
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
                   return status() == QStringLiteral("Связь установлена") &&
                          button("ReadButton")->isEnabled() && button("WriteButton")->isEnabled();
               }) &&
               waitIdle();
    }
    bool waitStatus(const QString& text) const {
        return waitFor([this, text] { return status() == text; }) && waitIdle();
    }

    template <class T> T* find(const QString& name) const {
        T* control = form ? form->findChild<T*>(name) : nullptr;
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QPushButton* button(const QString& name) const { return find<QPushButton>(name); }
    QCheckBox* box(const QString& name) const { return find<QCheckBox>(name); }
    QCheckBox* q(int loop, int slot) const {
        return box(QStringLiteral("q%1%2").arg(loop).arg(slot));
    }
    QLineEdit* edit(const QString& name) const { return find<QLineEdit>(name); }
    QLineEdit* id(int slot) const { return edit(QStringLiteral("Id%1").arg(slot)); }
    forms::RadioGroup* group(const QString& name) const { return find<forms::RadioGroup>(name); }
    QComboBox* combo(const QString& name) const { return find<QComboBox>(name); }
    QString status() const {
        return form ? form->findChild<QStatusBar*>("StatusBar1")->currentMessage() : QString();
    }

    // The boxes <prefix>1..<prefix>8 as a mask, bit n-1 for box n.
    int mask(const char* prefix) const {
        int bits = 0;
        for (int n = 1; n <= 8; ++n)
            if (box(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n))->isChecked())
                bits |= 1 << (n - 1);
        return bits;
    }
    int rowMask(int slot) const {
        int bits = 0;
        for (int loop = 1; loop <= 8; ++loop)
            if (q(loop, slot)->isChecked())
                bits |= 1 << (loop - 1);
        return bits;
    }

    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    void press(Qt::Key key) {
        QWidget* target = form->focusWidget() != nullptr ? form->focusWidget() : form.data();
        QTest::keyClick(target, key);
    }
    void type(QLineEdit* target, const QString& text) {
        click(target);
        target->selectAll();
        QTest::keyClicks(target, text);
    }
    // The buttons of the layout "no link": only ConnectButton usable.
    void expectDown() const {
        EXPECT_TRUE(button("ConnectButton")->isEnabled());
        EXPECT_FALSE(button("CancelButton")->isEnabled());
        EXPECT_FALSE(button("ReadButton")->isEnabled());
        EXPECT_FALSE(button("WriteButton")->isEnabled());
        EXPECT_FALSE(button("LoadIdButton")->isEnabled());
    }

    forms::ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<emulator::Emulator> module;
    std::unique_ptr<app::TMainForm> main;
    QPointer<TSecureForm> form;
    Gate gate;
    std::vector<std::string> opened;
    QStringList statuses;
    QStringList delayTexts;
};

} // namespace pemrix::secure::testing
