#pragma once
// Message boxes and file dialogs of the whole program go through one service, so
// tests can answer them from a script instead of a person.

#include <QString>
#include <memory>

class QWidget;

namespace pemrix::forms {

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // A modal box with the text and an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // A modal error box with an OK button (errors of handlers the program survives).
    virtual void error(QWidget* parent, const QString& text) = 0;
    // A Yes/No box with a caption; true for Yes.
    virtual bool question(QWidget* parent, const QString& caption, const QString& text) = 0;
    // File dialogs; an empty result means the user cancelled. A name typed without
    // extension gets the default suffix. Opening accepts a name of a file that does not
    // exist (whoever opens it reports that); saving replaces a file without asking.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& defaultSuffix) = 0;

    // The service in use: the real dialogs unless another one was installed.
    static Dialogs& instance();
    // Replaces the service; nullptr restores the real dialogs.
    static void install(std::unique_ptr<Dialogs> dialogs);
};

// The real QMessageBox / QFileDialog.
class QtDialogs : public Dialogs {
  public:
    void message(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& caption, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& filter,
                         const QString& defaultSuffix) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& filter,
                         const QString& defaultSuffix) override;
};

} // namespace pemrix::forms
