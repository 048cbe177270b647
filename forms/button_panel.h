#pragma once
// The row of buttons across the top of a module window, built from a table: each
// button's object name, caption, hint, state at creation and place in the grid.
// A widget may stand at the panel's right end over all rows (the relay window's
// variant frame).

#include <QWidget>

#include <initializer_list>
#include <span>
#include <vector>

class QGridLayout;
class QPushButton;

namespace pemrix::forms {

struct ButtonEntry {
    const char* name;
    const char* caption; // UTF-8, a catalog source (QT_TRANSLATE_NOOP)
    const char* hint;    // UTF-8, a catalog source (QT_TRANSLATE_NOOP)
    bool enabled;
    int row;
    int column;
};

class ButtonPanel : public QWidget {
    Q_OBJECT
  public:
    ButtonPanel(std::span<const ButtonEntry> buttons, QWidget* parent);

    // The button of that object name, or nullptr.
    QPushButton* button(const char* name) const;
    const std::vector<QPushButton*>& buttons() const { return buttons_; }

    // How the columns share the panel's width, column 0 first.
    void setColumnStretches(std::initializer_list<int> stretches);
    // Puts `widget` at the right end, over every row.
    void addTrailing(QWidget* widget);

  private:
    QGridLayout* grid_;
    std::vector<QPushButton*> buttons_;
};

} // namespace pemrix::forms
