#pragma once
// Catches every key press of the application, before the focused control sees it,
// and reports it once per press. The press is never consumed.

#include <QObject>
#include <QPointer>
#include <array>
#include <cstddef>

class QKeyEvent;
class QWidget;

namespace pemrix::app {

class ApplicationEvents : public QObject {
    Q_OBJECT
  public:
    // Installs itself on the running application.
    explicit ApplicationEvents(QObject* parent = nullptr);

  signals:
    // A key went down (Qt::Key value), whatever window or control it is meant for.
    void ShortCut(int key);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Qt hands a press that a control ignores on to each parent in turn, with the
    // same event object. The last few presses are remembered with where each went
    // last, so that every press counts once.
    struct Press {
        const QEvent* event = nullptr;
        int key = 0;
        quint64 timestamp = 0;
        QPointer<QWidget> receiver;
    };
    bool handedUp(const QKeyEvent* press, QWidget* receiver);

    std::array<Press, 8> recent_{};
    std::size_t next_ = 0;
};

} // namespace pemrix::app
