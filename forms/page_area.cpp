#include "forms/page_area.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>

namespace pemrix::forms {

PageArea::PageArea(QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("PageArea"));
    setFrameShape(QFrame::NoFrame);
    // The area itself is no stop of the Tab key: the order runs through the page's
    // controls alone, and the area scrolls each one into view as it gets the focus.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    // Shown on a screen smaller than the page; spoken like every other control.
    horizontalScrollBar()->setAccessibleName(
        QCoreApplication::translate("pemrix", "Прокрутка окна по горизонтали"));
    verticalScrollBar()->setAccessibleName(
        QCoreApplication::translate("pemrix", "Прокрутка окна по вертикали"));
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("Page"));
    setWidget(content);
}

QSize PageArea::wholeSize() const {
    return page()
        ->sizeHint()
        .expandedTo(page()->minimumSizeHint())
        .expandedTo(page()->minimumSize());
}

QSize PageArea::fitInto(QSize room) {
    const QSize whole = wholeSize();
    // A squeezed page would overlap or hide its controls: it scrolls instead.
    page()->setMinimumSize(whole);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    // A scroll bar along one edge takes room from the other, which may then need one too.
    bool cutWidth = whole.width() > room.width();
    bool cutHeight = whole.height() > room.height();
    if (cutWidth && !cutHeight)
        cutHeight = whole.height() + bar > room.height();
    if (cutHeight && !cutWidth)
        cutWidth = whole.width() + bar > room.width();
    const QSize wanted(whole.width() + (cutHeight ? bar : 0),
                       whole.height() + (cutWidth ? bar : 0));
    return wanted.boundedTo(room.expandedTo(QSize(0, 0)));
}

void keepDrawnClientSize(QWidget* window, QSize client) {
    const auto* bar = window->findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
    const int barHeight = bar != nullptr ? bar->sizeHint().height() : 0;
    if (auto* area = window->findChild<PageArea*>())
        area->page()->setMinimumSize(client.width(), client.height() - barHeight);
}

} // namespace pemrix::forms
