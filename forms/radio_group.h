#pragma once
// A titled group of radio buttons that behaves as one control: an item index, and a
// `changed` signal on every change of item, made by the user or by code.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace pemrix::forms {

class RadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    // Items are laid out top to bottom, filling `columns` columns from the left.
    RadioGroup(const QString& title, const QStringList& items, int columns = 1,
               QWidget* parent = nullptr);

    // The checked item, or -1 when none is.
    int itemIndex() const;
    // Checks item `index` (-1 unchecks all). Emits `changed` when the item changes.
    void setItemIndex(int index);

    int count() const;
    QRadioButton* button(int index) const;

  signals:
    // The item just chosen; -1 when the group was cleared.
    void changed(int index);

  private:
    void onToggled(int id, bool checked);

    QButtonGroup* group_;
    bool clearing_ = false;
};

} // namespace pemrix::forms
