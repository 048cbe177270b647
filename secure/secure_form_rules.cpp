// The input rules of the Orvel-416 window: delay and number ranges, the tactic's
// lowest delay, the identifier group's enabling and the authority rule that keeps
// each key either on 24-hour loops or on ordinary ones. Rules never refuse a choice
// with a message; only the ranges of the numeric fields speak.

#include "secure/secure_form.h"

#include "forms/dialogs.h"
#include "forms/error_report.h"
#include "forms/radio_group.h"
#include "forms/up_down.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace pemrix::secure {

namespace {

constexpr int MaxDelay = 254;
constexpr int MaxNumber = 15;

} // namespace

void TSecureForm::DelayEditChange() {
    if (DelayEdit->text().isEmpty())
        return;
    const int value = forms::StrToInt(DelayEdit);
    if (value >= MinDelay && value <= MaxDelay) {
        Delay->setPosition(value);
        return;
    }
    forms::Dialogs::instance().message(this, QStringLiteral("Диапазон возможных значений от ") +
                                                 QString::number(MinDelay) +
                                                 QStringLiteral(" до 254"));
    DelayEdit->setText(QString::number(MinDelay));
}

void TSecureForm::NumberEditChange() {
    if (NumberEdit->text().isEmpty())
        return;
    const int value = forms::StrToInt(NumberEdit);
    if (value >= 0 && value <= MaxNumber)
        return;
    forms::Dialogs::instance().message(this,
                                       QStringLiteral("Диапазон возможных значений от 0 до 15"));
    NumberEdit->setText(QStringLiteral("0"));
}

void TSecureForm::TaktikClick() {
    if (Taktik->itemIndex() == 1) {
        MinDelay = 1;
        if (Delay->position() == 0)
            Delay->setPosition(1);
    } else {
        MinDelay = 0;
    }
}

void TSecureForm::EnableIdentifierGroup(bool enable) {
    IdBox->setEnabled(enable);
    for (QWidget* control : IdBox->findChildren<QWidget*>())
        control->setEnabled(enable);
    LoadIdButton->setEnabled(enable);
    if (!WriteButton->isEnabled())
        LoadIdButton->setEnabled(false);
}

void TSecureForm::ChangeKS() {
    ChangeIDRules();
}

// Unchecking a box inside the rule runs the rule again (through the box's toggled
// signal), and every step reads the boxes afresh: the lowest checked loop of a row
// decides whether the row keeps 24-hour or ordinary loops.
void TSecureForm::ChangeIDRules() {
    if (TM->itemIndex() != 0)
        return;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        for (int loop = 1; loop <= LoopCount; ++loop) {
            const bool checked = q(loop, slot)->isChecked();
            if (checked) {
                const bool roundTheClock = Ks[loop - 1]->isChecked();
                for (int other = 1; other <= LoopCount; ++other) {
                    QCheckBox* box = q(other, slot);
                    if (Ks[other - 1]->isChecked() == roundTheClock) {
                        box->setEnabled(true);
                    } else {
                        box->setChecked(false);
                        box->setEnabled(false);
                    }
                }
            } else if (!rowHasAuthority(slot)) {
                for (int other = 1; other <= LoopCount; ++other)
                    q(other, slot)->setEnabled(true);
            }
        }
    }
}

bool TSecureForm::rowHasAuthority(int slot) const {
    for (int loop = 1; loop <= LoopCount; ++loop)
        if (q(loop, slot)->isChecked())
            return true;
    return false;
}

void TSecureForm::uncheckRow(int slot) {
    for (int loop = 1; loop <= LoopCount; ++loop)
        q(loop, slot)->setChecked(false);
}

} // namespace pemrix::secure
