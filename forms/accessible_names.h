#pragma once
// One naming convention for what a screen reader says about a module window's
// controls, so that every control a user operates has a name of its own:
//   - buttons, check boxes and radio buttons with a caption are named by it;
//   - an edit or drop-down list by the label or group title that stands for it
//     ("Время задержки");
//   - a text-less box of a grid by its row and column headings
//     ("Тихая тревога, ШС3", "Идентификатор 7, ШС3").

#include <QString>
#include <QStringList>

class QWidget;

namespace pemrix::forms {

// A caption as a name: without mnemonic ampersands, surrounding blanks and a
// trailing colon ("Время задержки:" → "Время задержки").
QString accessibleLabel(const QString& caption);

// "<row>, <column>".
QString gridCellName(const QString& rowHeading, const QString& columnHeading);

void nameFromLabel(QWidget* control, const QString& caption);
void nameGridCell(QWidget* control, const QString& rowHeading, const QString& columnHeading);

// The name assistive tools read for the widget: the one given to it, else the one
// Qt derives from its caption.
QString spokenName(QWidget* widget);

// The controls under `root` a user can operate (buttons, edits, lists, spin boxes),
// leaving out hidden ones.
QList<QWidget*> operatedControls(QWidget* root);

// Describes each operated control under `root` that has no spoken name or shares
// it with another one ("<objectName>: <problem>"); empty when all is well.
QStringList namingProblems(QWidget* root);

} // namespace pemrix::forms
