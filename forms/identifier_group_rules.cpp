// The rules of IdBox: the key edits' filter and length rule, the target of a key
// read, the check before a write and the authority rule.

#include "forms/identifier_group.h"

#include "forms/active_control.h"
#include "forms/dialogs.h"
#include "image/key_text.h"
#include "link/key_code.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>

namespace pemrix::forms {

void IdentifierGroup::Id1Click(QLineEdit* edit) {
    TargetIdEdit = edit;
}

void IdentifierGroup::Id1Change(QLineEdit* edit) {
    if (!edit->isEnabled())
        return;
    activeControls_.activate(edit);
    const QString filtered =
        QString::fromStdString(image::keepKeyDigits(edit->text().toStdString()));
    if (filtered != edit->text())
        edit->setText(filtered);
}

void IdentifierGroup::Id1Exit(QLineEdit* edit) {
    const qsizetype length = edit->text().size();
    if (length == 0 || length == link::KeyCodeDigits)
        return;
    if (Dialogs::instance().question(
            window(), QCoreApplication::translate("pemrix", "Введен идентификатор малой длины"),
            QCoreApplication::translate("pemrix", "Ввести заново?"))) {
        activeControls_.keepLeavingControl();
        return;
    }
    edit->setText(QString::fromStdString(image::padKeyText(edit->text().toStdString())));
}

bool IdentifierGroup::CheckIdentifiers() {
    if (!hooks_.keysInUse())
        return true;
    std::array<QString, SlotCount> remembered;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        // Leaving the previous edit runs its length rule. When the user chooses to
        // complete a short key, nothing may be written before it is complete.
        if (!activeControls_.activate(id(slot)))
            return false;
        const QString text = id(slot)->text();
        if (!text.isEmpty()) {
            remembered[slot - 1] = text;
            if (std::find(remembered.begin(), remembered.begin() + slot - 1, text) !=
                remembered.begin() + slot - 1) {
                id(slot)->clear();
                uncheckRow(slot);
                hooks_.status(
                    QCoreApplication::translate("pemrix", "Удалена копия идентификатора"));
                continue;
            }
            // The module would take such a record for the end of the list and lose
            // this key and every one after it.
            if (image::keyRecordByte(text.toStdString(), 0) == image::EndOfRecords) {
                Dialogs::instance().message(
                    window(),
                    QCoreApplication::translate("pemrix", image::IdentifierStartsWithFFMessage));
                return false;
            }
            if (!rowHasAuthority(slot)) {
                if (Dialogs::instance().question(
                        window(),
                        QCoreApplication::translate("pemrix", "Идентификатор без полномочий"),
                        QCoreApplication::translate("pemrix", "Удалить?")))
                    id(slot)->clear();
                return false;
            }
        } else if (rowHasAuthority(slot)) {
            if (Dialogs::instance().question(
                    window(),
                    QCoreApplication::translate(
                        "pemrix", "Полномочия установлены, а идентификатор не введен"),
                    QCoreApplication::translate("pemrix", "Удалить?")))
                uncheckRow(slot);
            return false;
        }
    }
    return true;
}

// Unchecking a box inside the rule runs the rule again (through the box's toggled
// signal), and every step reads the boxes afresh: the lowest checked column of a row
// decides whether the row keeps 24-hour or ordinary loops.
void IdentifierGroup::ChangeIDRules() {
    if (!hooks_.keysInUse())
        return;
    const int columns = rule_.restrictedColumns;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        for (int column = 1; column <= columns; ++column) {
            if (q(column, slot)->isChecked()) {
                const bool roundTheClock = rule_.roundTheClock(column);
                for (int other = 1; other <= columns; ++other) {
                    QCheckBox* box = q(other, slot);
                    if (rule_.roundTheClock(other) == roundTheClock) {
                        box->setEnabled(true);
                    } else {
                        box->setChecked(false);
                        box->setEnabled(false);
                    }
                }
            } else if (!rowHasAuthority(slot, columns)) {
                for (int other = 1; other <= columns; ++other)
                    q(other, slot)->setEnabled(true);
            }
        }
    }
}

} // namespace pemrix::forms
