#pragma once
// Spin buttons paired with an edit field. The edit holds the value: the position is
// read from its text, and setting the position writes the text, so the edit's change
// rule runs exactly as it does for typing. The range never wraps.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace pemrix::forms {

class UpDown : public QWidget {
    Q_OBJECT
  public:
    UpDown(QLineEdit* edit, int minimum, int maximum, QWidget* parent = nullptr);

    QLineEdit* edit() const { return edit_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    // The edit's number when it is one inside the range, else the last such position.
    int position() const;
    // Clamped to the range; rewrites the edit's text (its rule runs on a change).
    void setPosition(int value);
    // Moves by `steps`, stopping at the ends of the range.
    void stepBy(int steps);

    // Names the edit after its label and the two buttons after the edit.
    void setAccessibleLabel(const QString& label);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

    QSize sizeHint() const override;

  protected:
    // Up and Down in the edit step the value, as the spin buttons do.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool positionFromText(int* value) const;
    void rememberText();

    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_;
    int maximum_;
    int last_;
};

} // namespace pemrix::forms
