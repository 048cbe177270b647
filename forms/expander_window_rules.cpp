// The input rules both expander windows share: delay and number ranges, the
// tactic's lowest delay, the output type, the identifier group's enabling, and the
// link layouts that include it. Rules never refuse a choice with a message; only the
// ranges of the numeric fields speak.

#include "forms/expander_window.h"

#include "forms/dialogs.h"
#include "forms/error_report.h"
#include "forms/radio_group.h"
#include "forms/up_down.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

namespace pemrix::forms {

namespace {
constexpr int MaxDelay = 254;
constexpr int MaxNumber = 15;

QString rangeMessage(int lowest, int highest) {
    return QCoreApplication::translate("pemrix", "Диапазон возможных значений от %1 до %2")
        .arg(lowest)
        .arg(highest);
}
} // namespace

void ExpanderWindow::connectExpanderRules() {
    connect(DelayEdit, &QLineEdit::textChanged, this,
            [this] { runReported(this, [this] { DelayEditChange(); }); });
    connect(NumberEdit, &QLineEdit::textChanged, this,
            [this] { runReported(this, [this] { NumberEditChange(); }); });
    connect(TM, &RadioGroup::changed, this, [this] { TMClick(); });
    connect(Taktik, &RadioGroup::changed, this, [this] { TaktikClick(); });
}

void ExpanderWindow::prepareExpander() {
    MinDelay = 0;
    EnableIdentifierGroup(TM->itemIndex() == 0);
}

void ExpanderWindow::DelayEditChange() {
    if (DelayEdit->text().isEmpty())
        return;
    const int value = toInteger(DelayEdit);
    if (value >= MinDelay && value <= MaxDelay) {
        Delay->setPosition(value);
        return;
    }
    Dialogs::instance().message(this, rangeMessage(MinDelay, MaxDelay));
    DelayEdit->setText(QString::number(MinDelay));
}

void ExpanderWindow::NumberEditChange() {
    if (NumberEdit->text().isEmpty())
        return;
    const int value = toInteger(NumberEdit);
    if (value >= 0 && value <= MaxNumber)
        return;
    Dialogs::instance().message(this, rangeMessage(0, MaxNumber));
    NumberEdit->setText(QStringLiteral("0"));
}

void ExpanderWindow::TaktikClick() {
    if (Taktik->itemIndex() == 1) {
        MinDelay = 1;
        if (Delay->position() == 0)
            Delay->setPosition(1);
    } else {
        MinDelay = 0;
    }
}

// The only rule that enables LoadIdButton; the link layouts only disable it.
void ExpanderWindow::TMClick() {
    const int item = TM->itemIndex();
    EnableIdentifierGroup(item == 0);
    QPushButton* loadId = button(link::LinkButton::LoadId);
    if (item == 1) {
        loadId->setEnabled(false);
        IdBox->clearForSecretButton();
    } else if (item == 0) {
        loadId->setEnabled(button(link::LinkButton::Write)->isEnabled());
        activeControls().activate(IdBox->id(1));
        IdBox->setTargetIdEdit(IdBox->id(1));
    }
}

void ExpanderWindow::EnableIdentifierGroup(bool enable) {
    IdBox->setAllEnabled(enable);
    QPushButton* loadId = button(link::LinkButton::LoadId);
    loadId->setEnabled(enable);
    if (!button(link::LinkButton::Write)->isEnabled())
        loadId->setEnabled(false);
}

bool ExpanderWindow::keyReadSelected() const {
    return TM->itemIndex() == 0;
}

void ExpanderWindow::setLinkPending() {
    ModuleWindow::setLinkPending();
    EnableIdentifierGroup(TM->itemIndex() == 0);
}

void ExpanderWindow::setLinkDown() {
    setButtonEnabled(link::LinkButton::LoadId, false);
    ModuleWindow::setLinkDown();
    EnableIdentifierGroup(TM->itemIndex() == 0);
}

std::string ExpanderWindow::identifierText(int slot) const {
    return IdBox->identifierText(slot);
}

void ExpanderWindow::setIdentifierText(int slot, const std::string& text) {
    IdBox->setIdentifierText(slot, text);
}

} // namespace pemrix::forms
