// The application object: handler errors are shown and survived, Qt's own buttons
// speak Russian; and the whole program starts, shows its window and ends cleanly.

#include "app/pemrix_application.h"
#include "forms/dialogs.h"
#include "tests/support/scripted_dialogs.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace pemrix::app {
namespace {

class Thrower : public QObject {
  public:
    int handled = 0;

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            ++handled;
            throw std::runtime_error("'abc' is not a valid integer value");
        }
        return QObject::event(event);
    }
};

TEST(PemrixApplicationTest, AnErrorInAHandlerIsShownAndTheProgramGoesOn) {
    pemrix::testing::ScriptedDialogs& dialogs = pemrix::testing::ScriptedDialogs::installNew();
    Thrower thrower;
    QEvent first(QEvent::User);
    QEvent second(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&thrower, &first));
    EXPECT_FALSE(QCoreApplication::sendEvent(&thrower, &second));
    EXPECT_EQ(thrower.handled, 2);
    EXPECT_EQ(dialogs.errors, (QStringList{"'abc' is not a valid integer value",
                                           "'abc' is not a valid integer value"}));
    forms::Dialogs::install(nullptr);
}

TEST(PemrixApplicationTest, QtsOwnButtonsSpeakRussian) {
    // The texts of the standard Yes and No buttons, without their mnemonic marks.
    const auto button = [](const char* text) {
        return QCoreApplication::translate("QPlatformTheme", text).remove('&');
    };
    EXPECT_EQ(button("&Yes"), QString::fromUtf8("Да"));
    EXPECT_EQ(button("&No"), QString::fromUtf8("Нет"));
}

TEST(PemrixApplicationTest, TheProgramShowsItsWindowAndStoresThePortWhenItEnds) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", config.path());
    env.insert("PEMRIX_STARTUP_PROBE_FD", "1"); // the first paint is told on stdout
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(PEMRIX_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardOutput(), QByteArray("1"));

    QFile stored(config.path() + "/Pemrix/Pemrix.conf");
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), QByteArray("[Port]\nPortNumber=0\n"));
}

} // namespace
} // namespace pemrix::app

int main(int argc, char** argv) {
    pemrix::app::PemrixApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
