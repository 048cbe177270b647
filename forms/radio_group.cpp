#include "forms/radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace pemrix::forms {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    const int columnCount = std::max(1, columns);
    const int rows = (static_cast<int>(items.size()) + columnCount - 1) / columnCount;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        layout->addWidget(button, rows > 0 ? i % rows : 0, rows > 0 ? i / rows : 0);
    }
    connect(group_, &QButtonGroup::idToggled, this, &RadioGroup::onToggled);
    // The buttons are found as "<group>_<item>", e.g. "TM_1".
    connect(this, &QObject::objectNameChanged, this, [this](const QString& name) {
        for (QAbstractButton* button : group_->buttons())
            button->setObjectName(QStringLiteral("%1_%2").arg(name).arg(group_->id(button)));
    });
}

int RadioGroup::itemIndex() const {
    return group_->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (index == itemIndex())
        return;
    if (QAbstractButton* target = group_->button(index)) {
        target->setChecked(true);
        return;
    }
    // An exclusive group cannot be emptied by unchecking its button.
    QAbstractButton* checked = group_->checkedButton();
    if (checked == nullptr)
        return;
    group_->setExclusive(false);
    clearing_ = true;
    checked->setChecked(false);
    clearing_ = false;
    group_->setExclusive(true);
    emit changed(-1);
}

int RadioGroup::count() const {
    return static_cast<int>(group_->buttons().size());
}

QRadioButton* RadioGroup::button(int index) const {
    return qobject_cast<QRadioButton*>(group_->button(index));
}

void RadioGroup::onToggled(int id, bool checked) {
    // The old button reports "off" before the new one reports "on": one change each.
    if (checked && !clearing_)
        emit changed(id);
}

} // namespace pemrix::forms
