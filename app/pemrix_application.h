#pragma once
// The application object: Russian texts in Qt's own dialogs, and an error box
// instead of a crash for an exception thrown by any handler. Before it exists, the
// answer to a command line that only asks about the program.

#include <QApplication>
#include <optional>
#include <string>

namespace pemrix::app {

// The name the desktop knows the program by: its .desktop file, AppStream
// metainfo and icons carry it too.
inline constexpr const char desktopId[] = PEMRIX_APP_ID;

// "pemrix 3.4 (14.03.2005)": the version text of the main window's status bar.
std::string versionLine();

// The text to print for --version or --help, which need no display and start no
// window; nothing for any other command line, which starts the program as always
// (Qt's own options such as -platform included).
std::optional<std::string> commandLineAnswer(int argc, const char* const* argv);

class PemrixApplication : public QApplication {
    Q_OBJECT
  public:
    PemrixApplication(int& argc, char** argv);

    // Delivers the event; an exception from its handler is shown and the program
    // goes on.
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error the way every unexpected failure is shown.
    static void showError(const QString& text);
    // Shows the exception being handled; call it only inside a catch block.
    static void showCurrentError();
};

} // namespace pemrix::app
