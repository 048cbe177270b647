// The expander windows' shared controls and the operations of their buttons.

#include "forms/expander_window.h"

#include "forms/accessible_names.h"
#include "forms/button_panel.h"
#include "forms/config_file.h"
#include "forms/control_grid.h"
#include "forms/error_report.h"
#include "forms/module_host.h"
#include "forms/radio_group.h"
#include "forms/up_down.h"
#include "image/expander_file.h"
#include "image/expander_texts.h"
#include "link/module_profile.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace pemrix::forms {

namespace {

namespace texts = image::texts;

// In the order of creation, which is the order of the Tab key.
constexpr ButtonEntry ExpanderButtons[] = {
    {"WriteButton", QT_TRANSLATE_NOOP("pemrix", "Записать конфигурацию в прибор"),
     QT_TRANSLATE_NOOP("pemrix", "Записать конфигурацию в прибор (F2)"), false, 0, 0},
    {"ReadButton", QT_TRANSLATE_NOOP("pemrix", "Считать конфигурацию из прибора"),
     QT_TRANSLATE_NOOP("pemrix", "Считать конфигурацию из прибора (F3)"), false, 1, 0},
    {"ConnectButton", QT_TRANSLATE_NOOP("pemrix", "Установить связь"),
     QT_TRANSLATE_NOOP("pemrix", "Установить связь F4"), false, 0, 1},
    {"CancelButton", QT_TRANSLATE_NOOP("pemrix", "Разорвать связь"),
     QT_TRANSLATE_NOOP("pemrix", "Разорвать связь F5"), true, 1, 1},
    {"LoadIdButton", QT_TRANSLATE_NOOP("pemrix", "Считать идентификатор"),
     QT_TRANSLATE_NOOP("pemrix", "Считать идентификатор F6"), false, 0, 2},
    {"DefaultButton", QT_TRANSLATE_NOOP("pemrix", "Заводские установки"),
     QT_TRANSLATE_NOOP("pemrix", "Заводские установки F7"), true, 1, 2},
    {"SaveButton", QT_TRANSLATE_NOOP("pemrix", "Записать в файл"),
     QT_TRANSLATE_NOOP("pemrix", "Записать в файл F9"), true, 1, 3},
    {"LoadButton", QT_TRANSLATE_NOOP("pemrix", "Считать файл"),
     QT_TRANSLATE_NOOP("pemrix", "Считать файл F10"), true, 0, 3},
};

} // namespace

ExpanderWindow::ExpanderWindow(ModuleHost& host, QWidget* parent) : ModuleWindow(host, parent) {}

ExpanderWindow::~ExpanderWindow() = default;

ButtonPanel* ExpanderWindow::createExpanderButtonPanel() {
    ButtonPanel* panel = createButtonPanel(ExpanderButtons);
    // The write and read buttons are the widest; the others share the rest evenly.
    panel->setColumnStretches({4, 3, 3, 3});
    return panel;
}

IdentifierGroup* ExpanderWindow::createIdentifierGroup(const IdentifierGroup::Columns& columns,
                                                       IdentifierGroup::AuthorityRule rule) {
    IdentifierGroup::WindowHooks hooks{[this] { return TM != nullptr && TM->itemIndex() == 0; },
                                       [this](const QString& text) { status(text); }};
    IdBox = new IdentifierGroup(columns, std::move(rule), std::move(hooks), activeControls(), this);
    return IdBox;
}

void ExpanderWindow::createHiddenLists(std::span<const int> factory, QWidget* parent) {
    ListBox1 = makeHiddenList("ListBox1", {}, parent);
    createFactoryList(factory, parent);
}

RadioGroup* ExpanderWindow::createTM(QWidget* parent) {
    TM = new RadioGroup(QCoreApplication::translate("pemrix", texts::IdentifierOutput),
                        itemTexts(texts::IdentifierOutputItems), 1, parent);
    TM->setObjectName(QStringLiteral("TM"));
    TM->setItemIndex(0);
    makeCompact(TM);
    return TM;
}

RadioGroup* ExpanderWindow::createTaktik(QWidget* parent) {
    Taktik = new RadioGroup(QCoreApplication::translate("pemrix", texts::Loop1Tactic),
                            itemTexts(texts::Loop1TacticItems), 1, parent);
    Taktik->setObjectName(QStringLiteral("Taktik"));
    Taktik->setItemIndex(1);
    makeCompact(Taktik);
    return Taktik;
}

RadioGroup* ExpanderWindow::createSO(int columns, QWidget* parent) {
    SO = new RadioGroup(QCoreApplication::translate("pemrix", texts::PowerOutput),
                        itemTexts(texts::PowerOutputItems), columns, parent);
    SO->setObjectName(QStringLiteral("SO"));
    SO->setItemIndex(1);
    makeCompact(SO);
    return SO;
}

QGroupBox* ExpanderWindow::createDelayGroup(const QString& initialText, QWidget* parent) {
    DelayEdit = new QLineEdit(initialText, parent);
    DelayEdit->setObjectName(QStringLiteral("DelayEdit"));
    Delay = new UpDown(DelayEdit, 0, 254, parent);
    Delay->setObjectName(QStringLiteral("Delay"));
    return createSpinnerGroup(QCoreApplication::translate("pemrix", texts::Delay), DelayEdit, Delay,
                              parent);
}

QGroupBox* ExpanderWindow::createNumberGroup(QWidget* parent) {
    NumberEdit = new QLineEdit(QStringLiteral("0"), parent);
    NumberEdit->setObjectName(QStringLiteral("NumberEdit"));
    Number = new UpDown(NumberEdit, 0, 15, parent);
    Number->setObjectName(QStringLiteral("Number"));
    return createSpinnerGroup(QCoreApplication::translate("pemrix", texts::ExpanderNumber),
                              NumberEdit, Number, parent);
}

QGroupBox* ExpanderWindow::createSpinnerGroup(const QString& title, QLineEdit* edit, UpDown* upDown,
                                              QWidget* parent) {
    upDown->setAccessibleLabel(title);
    auto* group = new QGroupBox(title, parent);
    auto* pair = new QHBoxLayout(group);
    pair->setContentsMargins(8, 4, 8, 4);
    pair->setSpacing(0);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 10);
    pair->addWidget(edit);
    pair->addWidget(upDown);
    pair->addStretch(1);
    return group;
}

QGroupBox* ExpanderWindow::createModeFrame(QWidget* parent) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QStringLiteral("ModeFrame"));
    auto* boxes = new QVBoxLayout(frame);
    KeyBox = new QCheckBox(QCoreApplication::translate("pemrix", texts::KeyboardLocked), frame);
    KeyBox->setObjectName(QStringLiteral("KeyBox"));
    AutoBox = new QCheckBox(QCoreApplication::translate("pemrix", texts::Autonomous), frame);
    AutoBox->setObjectName(QStringLiteral("AutoBox"));
    boxes->addWidget(KeyBox);
    boxes->addWidget(AutoBox);
    makeCompact(frame);
    return frame;
}

image::ModeFlags ExpanderWindow::modeFlags() const {
    return {KeyBox->isChecked(), TM->itemIndex() == 0, SO->itemIndex() != 0, AutoBox->isChecked(),
            Taktik->itemIndex() != 0};
}

void ExpanderWindow::applyModeFlags(const image::ModeFlags& flags) {
    KeyBox->setChecked(flags.keyboardLocked);
    TM->setItemIndex(flags.identifiersInUse ? 0 : 1);
    SO->setItemIndex(flags.lightOutput ? 1 : 0);
    AutoBox->setChecked(flags.autonomous);
    Taktik->setItemIndex(flags.openDoorTactic ? 1 : 0);
}

void ExpanderWindow::LoadIdButtonClick(QObject*) {
    const int slot = IdBox->targetSlot();
    if (slot == 0)
        return;
    // A key read disables no button.
    host().startWorker(moduleKind(), link::Operation::KeyId, {slot});
}

ConfigFileSave ExpanderWindow::fileSave() {
    ConfigFileSave save;
    save.text = [this] {
        return image::expanderConfigFileText(BuildConfigImage(), moduleKind(), IdBox->records(),
                                             TM->itemIndex() == 0);
    };
    return save;
}

ConfigFileLoad ExpanderWindow::fileLoad() {
    ConfigFileLoad load;
    load.parse = [this](std::string_view text, std::string_view fileName) {
        return image::parseExpanderFile(text, moduleKind(), fileName);
    };
    return load;
}

} // namespace pemrix::forms
