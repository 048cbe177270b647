// Touch-memory keys in the Orvel-416 window: the output type (keys or a secret
// button), the identifier edits' filter and length rule, the target of a key read,
// and the check that runs before a configuration is written.

#include "secure/secure_form.h"

#include "forms/dialogs.h"
#include "forms/module_host.h"
#include "forms/radio_group.h"
#include "image/identifier_records.h"
#include "image/key_text.h"
#include "link/key_code.h"
#include "link/module_kind.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace pemrix::secure {

namespace {

QString keyText(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

void TSecureForm::TMClick() {
    const int item = TM->itemIndex();
    EnableIdentifierGroup(item == 0);
    if (item == 1) {
        LoadIdButton->setEnabled(false);
        for (int slot = 1; slot <= SlotCount; ++slot) {
            for (int loop = 1; loop <= LoopCount; ++loop) {
                q(loop, slot)->setChecked(false);
                q(loop, slot)->setEnabled(false);
            }
            id(slot)->clear();
        }
    } else if (item == 0) {
        LoadIdButton->setEnabled(WriteButton->isEnabled());
        activeControls().activate(id(1));
        TargetIdEdit = id(1);
    }
}

void TSecureForm::Id1Click(QLineEdit* edit) {
    TargetIdEdit = edit;
}

void TSecureForm::Id1Change(QLineEdit* edit) {
    if (!edit->isEnabled())
        return;
    activeControls().activate(edit);
    const std::string filtered = image::keepKeyDigits(edit->text().toStdString());
    if (keyText(filtered) != edit->text())
        edit->setText(keyText(filtered));
}

void TSecureForm::Id1Exit(QLineEdit* edit) {
    const qsizetype length = edit->text().size();
    if (length == 0 || length == link::KeyCodeDigits)
        return;
    if (forms::Dialogs::instance().question(this,
                                            QStringLiteral("Введен идентификатор малой длины"),
                                            QStringLiteral("Ввести заново?"))) {
        activeControls().keepLeavingControl();
        return;
    }
    edit->setText(keyText(image::padKeyText(edit->text().toStdString())));
}

void TSecureForm::LoadIdButtonClick(QObject*) {
    if (TargetIdEdit == nullptr || !TargetIdEdit->objectName().startsWith(QStringLiteral("Id")))
        return;
    const int slot = TargetIdEdit->property("tag").toInt();
    if (host() != nullptr)
        host()->startWorker(link::ModuleKind::Secure, link::Operation::KeyId, {slot});
}

bool TSecureForm::CheckIdentifiers() {
    if (TM->itemIndex() != 0)
        return true;
    std::array<QString, SlotCount> remembered;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        // Leaving the previous edit runs its length rule. When the user chooses to
        // complete a short key, nothing may be written before it is complete.
        if (!activeControls().activate(id(slot)))
            return false;
        const QString text = id(slot)->text();
        if (!text.isEmpty()) {
            remembered[slot - 1] = text;
            bool copy = false;
            for (int earlier = 1; earlier < slot; ++earlier)
                copy = copy || remembered[earlier - 1] == text;
            if (copy) {
                id(slot)->clear();
                uncheckRow(slot);
                status(QStringLiteral("Удалена копия идентификатора"));
                continue;
            }
            // The module would take such a record for the end of the list and lose
            // this key and every one after it.
            if (image::keyRecordByte(text.toStdString(), 0) == image::EndOfRecords) {
                forms::Dialogs::instance().message(
                    this, QString::fromUtf8(image::IdentifierStartsWithFFMessage));
                return false;
            }
            if (!rowHasAuthority(slot)) {
                if (forms::Dialogs::instance().question(
                        this, QStringLiteral("Идентификатор без полномочий"),
                        QStringLiteral("Удалить?")))
                    id(slot)->clear();
                return false;
            }
        } else if (rowHasAuthority(slot)) {
            if (forms::Dialogs::instance().question(
                    this, QStringLiteral("Полномочия установлены, а идентификатор не введен"),
                    QStringLiteral("Удалить?")))
                uncheckRow(slot);
            return false;
        }
    }
    return true;
}

std::string TSecureForm::identifierText(int slot) const {
    if (slot < 1 || slot > SlotCount)
        return {};
    return id(slot)->text().toStdString();
}

void TSecureForm::setIdentifierText(int slot, const std::string& text) {
    if (slot < 1 || slot > SlotCount)
        return;
    id(slot)->setText(keyText(text));
}

} // namespace pemrix::secure
