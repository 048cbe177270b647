#pragma once
// The scrolled page of a module window. The window is as large as its page where the
// screen has room; where the screen is smaller, the window takes what there is and
// the page scrolls, so that every control stays reachable.

#include <QScrollArea>
#include <QSize>

namespace pemrix::forms {

class PageArea : public QScrollArea {
    Q_OBJECT
  public:
    explicit PageArea(QWidget* parent = nullptr);

    // The page the window's controls are laid out on.
    QWidget* page() const { return widget(); }
    // The size that shows the whole page without scroll bars, and no less than the
    // page's own minimum size.
    QSize wholeSize() const;
    // Keeps the page at its whole size and returns the size for the area within
    // `room`: the whole page where it fits; otherwise as much as fits, with room for
    // the scroll bars the cut page needs.
    QSize fitInto(QSize room);
};

// Makes a module window (its PageArea above its StatusBar1) no smaller than `client`,
// the client area it was drawn for; controls that need more room make it larger.
void keepDrawnClientSize(QWidget* window, QSize client);

} // namespace pemrix::forms
