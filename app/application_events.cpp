#include "app/application_events.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace pemrix::app {

ApplicationEvents::ApplicationEvents(QObject* parent) : QObject(parent) {
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->installEventFilter(this);
}

bool ApplicationEvents::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* press = static_cast<QKeyEvent*>(event);
    auto* receiver = static_cast<QWidget*>(watched);
    if (handedUp(press, receiver))
        return false;
    Press entry{press, press->key(), press->timestamp(), receiver};
    emit ShortCut(entry.key);
    // Remembered only now: presses made in a dialog the handler ran came and went
    // meanwhile, and this one must stay among the newest for its way up.
    recent_[next_] = std::move(entry);
    next_ = (next_ + 1) % recent_.size();
    return false;
}

bool ApplicationEvents::handedUp(const QKeyEvent* press, QWidget* receiver) {
    for (Press& earlier : recent_) {
        if (earlier.event != press || earlier.key != press->key() ||
            earlier.timestamp != press->timestamp() || earlier.receiver == nullptr)
            continue;
        if (earlier.receiver->isWindow() || earlier.receiver->parentWidget() != receiver)
            continue;
        earlier.receiver = receiver;
        return true;
    }
    return false;
}

} // namespace pemrix::app
