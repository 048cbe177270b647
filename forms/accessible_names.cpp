#include "forms/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QWidget>

namespace pemrix::forms {

QString accessibleLabel(const QString& caption) {
    QString name = caption;
    name.remove(QLatin1Char('&'));
    name = name.trimmed();
    while (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

QString gridCellName(const QString& rowHeading, const QString& columnHeading) {
    return accessibleLabel(rowHeading) + QStringLiteral(", ") + accessibleLabel(columnHeading);
}

void nameFromLabel(QWidget* control, const QString& caption) {
    control->setAccessibleName(accessibleLabel(caption));
}

void nameGridCell(QWidget* control, const QString& rowHeading, const QString& columnHeading) {
    control->setAccessibleName(gridCellName(rowHeading, columnHeading));
}

QString spokenName(QWidget* widget) {
    // A name given to the control wins; Qt derives the others (on Linux a drop-down
    // list's derived name is its current item, its label comes as a relation).
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget))
        return face->text(QAccessible::Name);
    return widget->accessibleName();
}

QList<QWidget*> operatedControls(QWidget* root) {
    QList<QWidget*> controls;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root))
            continue;
        // The line edit inside a spin box or combo box belongs to its owner.
        if (qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) != nullptr ||
            qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr)
            continue;
        if (qobject_cast<QAbstractButton*>(widget) != nullptr ||
            qobject_cast<QLineEdit*>(widget) != nullptr ||
            qobject_cast<QComboBox*>(widget) != nullptr ||
            qobject_cast<QAbstractSpinBox*>(widget) != nullptr ||
            qobject_cast<QAbstractSlider*>(widget) != nullptr ||
            qobject_cast<QAbstractItemView*>(widget) != nullptr)
            controls << widget;
    }
    return controls;
}

QStringList namingProblems(QWidget* root) {
    QStringList problems;
    QHash<QString, QWidget*> owners;
    for (QWidget* control : operatedControls(root)) {
        const QString name = spokenName(control).trimmed();
        if (name.isEmpty()) {
            problems << control->objectName() + QStringLiteral(": no name");
            continue;
        }
        if (QWidget* other = owners.value(name)) {
            problems << control->objectName() + QStringLiteral(": same name as ") +
                            other->objectName() + QStringLiteral(" (") + name + QStringLiteral(")");
            continue;
        }
        owners.insert(name, control);
    }
    return problems;
}

} // namespace pemrix::forms
