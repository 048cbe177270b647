#pragma once
// "Журнал обмена": every byte of the exchanges with the module, one line each, while
// "Вести журнал" is checked (off at every start). The lines can be cleared and saved
// to a text file. The window stays usable while a module window holds the program
// modal: it then belongs to that window.

#include <QPointer>
#include <QWidget>
#include <memory>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace pemrix::link {
class ByteTrace;
}

namespace pemrix::app {

class JournalBuffer;

class ExchangeJournalWindow : public QWidget {
    Q_OBJECT
  public:
    // A window of its own, kept above `owner` and deleted with it.
    explicit ExchangeJournalWindow(QWidget* owner);
    ~ExchangeJournalWindow() override;

    // The trace to give a new exchange: every byte goes to this window. Nothing
    // while the journal is off.
    std::shared_ptr<link::ByteTrace> journalTrace() const;
    // Makes the window belong to `modal`, the module window that blocks every other
    // window while it is open; nullptr gives it back to its owner.
    void followModalWindow(QWidget* modal);
    // Moves the lines that have come into the view now, rather than on the timer.
    void showPendingLines();

    // Handlers of the window's controls.
    void RecordBoxToggled(bool checked);
    void ClearButtonClick();
    void SaveButtonClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void applyTransientParent();

    QCheckBox* RecordBox;
    QPlainTextEdit* JournalView;
    QPushButton* ClearButton;
    QPushButton* SaveButton;
    QTimer* drainTimer_;
    std::shared_ptr<JournalBuffer> buffer_;
    std::shared_ptr<link::ByteTrace> trace_;
    QPointer<QWidget> modal_;
};

} // namespace pemrix::app
