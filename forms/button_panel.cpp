#include "forms/button_panel.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QPushButton>

namespace pemrix::forms {

ButtonPanel::ButtonPanel(std::span<const ButtonEntry> buttons, QWidget* parent)
    : QWidget(parent), grid_(new QGridLayout(this)) {
    setObjectName(QStringLiteral("ButtonPanel"));
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setHorizontalSpacing(6);
    grid_->setVerticalSpacing(4);
    for (const ButtonEntry& entry : buttons) {
        // The windows' tables keep the texts as the catalog's sources.
        auto* button = new QPushButton(QCoreApplication::translate("pemrix", entry.caption), this);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setToolTip(QCoreApplication::translate("pemrix", entry.hint));
        button->setEnabled(entry.enabled);
        // Enter in an edit must not press a button of the panel.
        button->setAutoDefault(false);
        grid_->addWidget(button, entry.row, entry.column);
        buttons_.push_back(button);
    }
}

QPushButton* ButtonPanel::button(const char* name) const {
    const QString wanted = QString::fromLatin1(name);
    for (QPushButton* button : buttons_)
        if (button->objectName() == wanted)
            return button;
    return nullptr;
}

void ButtonPanel::setColumnStretches(std::initializer_list<int> stretches) {
    int column = 0;
    for (int stretch : stretches)
        grid_->setColumnStretch(column++, stretch);
}

void ButtonPanel::addTrailing(QWidget* widget) {
    grid_->addWidget(widget, 0, grid_->columnCount(), grid_->rowCount(), 1);
}

} // namespace pemrix::forms
