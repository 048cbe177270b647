#pragma once
// A main window wired to test module windows and to ports that only record what
// happens to them, over a settings folder emptied for every test.

#include "app/main_form.h"
#include "forms/dialogs.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/test_module_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QString>
#include <gtest/gtest.h>
#include <memory>

namespace pemrix::app::testing {

using pemrix::testing::Journal;
using pemrix::testing::TestModuleWindow;

class RecordingPort : public link::SerialPort {
  public:
    RecordingPort(std::string device, Journal& journal)
        : device_(std::move(device)), journal_(journal) {}
    link::IoResult read(std::uint8_t*, std::size_t) override { return link::IoResult::done(0); }
    link::IoResult write(const std::uint8_t*, std::size_t count) override {
        return link::IoResult::done(count);
    }
    void purge(link::Purge) override {}
    void close() override {
        journal_.add("close " + device_);
        open_ = false;
    }
    bool isOpen() const override { return open_; }

  private:
    std::string device_;
    Journal& journal_;
    bool open_ = true;
};

// The settings folder of this test run.
inline QString configDir() {
    return QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
}

// Each test starts with a settings folder of its own, empty. Qt keeps the settings
// files a process has used in a cache, so a file rewritten behind its back under a
// path already used may go unseen; a new path per test keeps the tests apart. The
// environment follows, for the programs a test starts.
inline void clearConfig() {
    static const QString base = configDir();
    static int tests = 0;
    const QString dir = base + QStringLiteral("/test%1").arg(++tests);
    QDir().mkpath(dir);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
}

inline void writeConfig(const QString& relativePath, const QByteArray& content) {
    const QString path = configDir() + "/" + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

inline QByteArray readConfig(const QString& relativePath) {
    QFile file(configDir() + "/" + relativePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class MainFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        clearConfig();
        dialogs = &pemrix::testing::ScriptedDialogs::installNew();
    }
    void TearDown() override {
        deleteClosedWindows();
        form.reset();
        deleteClosedWindows();
        forms::Dialogs::install(nullptr);
        clearConfig();
    }

    // A main window whose three module buttons make test windows.
    TMainForm& makeForm() {
        form = std::make_unique<TMainForm>();
        form->setPortOpener([this](const std::string& device) {
            journal.add("open " + device);
            return std::make_shared<RecordingPort>(device, journal);
        });
        using Kind = link::ModuleKind;
        for (Kind kind : {Kind::Secure, Kind::FireSecure, Kind::Rele8})
            form->setModuleWindowFactory(kind, [this, kind](forms::ModuleHost& host) {
                return new TestModuleWindow(host, kind, journal);
            });
        return *form;
    }

    // Closed windows delete themselves once the loop gets to it.
    static void deleteClosedWindows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TestModuleWindow* openWindow() const {
        return dynamic_cast<TestModuleWindow*>(form->moduleWindow());
    }

    template <typename T> T* control(const char* name) const {
        return form->findChild<T*>(QString::fromLatin1(name));
    }

    Journal journal;
    pemrix::testing::ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<TMainForm> form;
};

} // namespace pemrix::app::testing
