// The application object: handler errors are shown and survived, Qt's own buttons
// speak Russian; and the whole program starts, shows its window and ends cleanly.

#include "app/pemrix_application.h"
#include "forms/dialogs.h"
#include "tests/support/scripted_dialogs.h"

#include <QDir>
#include <QIcon>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

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

TEST(PemrixApplicationTest, OnlyVersionAndHelpAreAnsweredWithoutAWindow) {
    const std::string version = "pemrix 3.4 (14.03.2005)\n";
    const std::string help = "Использование: pemrix";
    struct Row {
        std::vector<const char*> args;
        std::optional<std::string> answerStart; // nothing: the program starts
    };
    const Row rows[] = {
        {{"pemrix"}, std::nullopt},
        {{"pemrix", "-platform", "offscreen"}, std::nullopt},
        {{"pemrix", "--versions"}, std::nullopt},
        {{"pemrix", "-version"}, std::nullopt},
        {{"pemrix", "--version"}, version},
        {{"pemrix", "-platform", "offscreen", "--version"}, version},
        {{"pemrix", "--help"}, help},
        {{"pemrix", "--help", "--version"}, help},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.args));
        const auto answer = commandLineAnswer(int(row.args.size()), row.args.data());
        ASSERT_EQ(answer.has_value(), row.answerStart.has_value());
        if (answer) {
            EXPECT_EQ(answer->substr(0, row.answerStart->size()), *row.answerStart);
        }
    }
}

TEST(PemrixApplicationTest, TheDesktopKnowsTheProgramByItsIdAndIcon) {
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.pemrix.Configurator"));
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    EXPECT_EQ(sizes.size(), 7);
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(256, 256)));
}

TEST(PemrixApplicationTest, TheProgramShowsItsWindowAndStoresThePortWhenItEnds) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", config.path());
    env.insert("PEMRIX_STARTUP_PROBE_FD", "1"); // the first paint is told on stdout
    env.remove("XDG_RUNTIME_DIR");              // as in a root shell: no warning either
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(PEMRIX_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardOutput(), QByteArray("1"));
    EXPECT_EQ(program.readAllStandardError(), QByteArray());

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
