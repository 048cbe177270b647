#pragma once
// Whether every control of a module window can be reached: scrolled into view, each
// control that takes the focus must lie wholly inside the part of the page the
// window shows.

#include "forms/page_area.h"

#include <QScrollBar>
#include <QStringList>
#include <QWidget>

namespace pemrix::forms::testing {

// The object names (or class names) of the controls that stay out of view.
inline QStringList unreachableControls(QWidget* window) {
    auto* area = window->findChild<PageArea*>();
    if (area == nullptr)
        return {QStringLiteral("no page")};
    QWidget* const view = area->viewport();
    const QRect viewInWindow(view->mapTo(window, QPoint(0, 0)), view->size());
    QStringList unreachable;
    if (!window->rect().contains(viewInWindow))
        unreachable << QStringLiteral("page area");
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(window) ||
            qobject_cast<QScrollBar*>(control) != nullptr)
            continue;
        // The whole control, not only an edit's text cursor as the focus would show.
        const QPoint centre =
            control->mapTo(area->page(), QPoint(control->width() / 2, control->height() / 2));
        area->ensureVisible(centre.x(), centre.y(), control->width() / 2 + 1,
                            control->height() / 2 + 1);
        const QRect shown(control->mapTo(view, QPoint(0, 0)), control->size());
        if (!view->rect().contains(shown))
            unreachable << (control->objectName().isEmpty()
                                ? QString::fromLatin1(control->metaObject()->className())
                                : control->objectName());
    }
    return unreachable;
}

} // namespace pemrix::forms::testing
