#pragma once
// The application object: Russian texts in Qt's own dialogs, and an error box
// instead of a crash for an exception thrown by any handler.

#include <QApplication>

namespace pemrix::app {

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
