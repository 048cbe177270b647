#include "forms/up_down.h"

#include "forms/accessible_names.h"
#include "image/decimal_text.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace pemrix::forms {

namespace {

QToolButton* makeArrow(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The edit keeps the focus; its Up and Down keys do what the buttons do.
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedWidth(16);
    return button;
}

} // namespace

UpDown::UpDown(QLineEdit* edit, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), edit_(edit), up_(makeArrow(Qt::UpArrow, this)),
      down_(makeArrow(Qt::DownArrow, this)), minimum_(minimum),
      maximum_(std::max(minimum, maximum)), last_(minimum) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    // Together the two buttons are as tall as the edit beside them.
    const int height = edit_->sizeHint().height();
    up_->setFixedHeight(height / 2);
    down_->setFixedHeight(height - height / 2);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    rememberText();
    connect(edit_, &QLineEdit::textChanged, this, &UpDown::rememberText);
    connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
    edit_->installEventFilter(this);
}

bool UpDown::positionFromText(int* value) const {
    const auto parsed = image::parseInteger(edit_->text().toStdString());
    if (!parsed || parsed.value() < minimum_ || parsed.value() > maximum_)
        return false;
    *value = parsed.value();
    return true;
}

void UpDown::rememberText() {
    int value = 0;
    if (positionFromText(&value))
        last_ = value;
}

int UpDown::position() const {
    int value = 0;
    return positionFromText(&value) ? value : last_;
}

void UpDown::setPosition(int value) {
    const int clamped = std::clamp(value, minimum_, maximum_);
    last_ = clamped;
    edit_->setText(QString::number(clamped));
}

void UpDown::stepBy(int steps) {
    const long long target = static_cast<long long>(position()) + steps;
    const int clamped = static_cast<int>(std::clamp<long long>(target, minimum_, maximum_));
    if (clamped != position() || edit_->text() != QString::number(clamped))
        setPosition(clamped);
}

void UpDown::setAccessibleLabel(const QString& label) {
    nameFromLabel(edit_, label);
    const QString name = accessibleLabel(label);
    up_->setAccessibleName(QCoreApplication::translate("pemrix", "%1: увеличить").arg(name));
    down_->setAccessibleName(QCoreApplication::translate("pemrix", "%1: уменьшить").arg(name));
}

QSize UpDown::sizeHint() const {
    return {16, edit_->sizeHint().height()};
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            if (edit_->isEnabled() && !edit_->isReadOnly())
                stepBy(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pemrix::forms
