// TReleForm's creation: the button panel with the variant chooser, the eight relay
// tabs, the module settings on tab 1, the rules wired to them, then the creation
// handler. Nothing is connected while controls are made, so the initial states fire
// no rule.

#include "relay/relay_form.h"

#include "forms/accessible_names.h"
#include "forms/button_panel.h"
#include "forms/control_grid.h"
#include "forms/radio_group.h"
#include "relay/relay_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pemrix::relay {

namespace {

// In the order of creation, which is the order of the Tab key: the first row, then
// the second.
constexpr forms::ButtonEntry ReleButtons[] = {
    {"WriteButton", QT_TRANSLATE_NOOP("pemrix", "Записать в прибор"),
     QT_TRANSLATE_NOOP("pemrix", "Записать конфигурацию в прибор (F2)"), false, 0, 0},
    {"ConnectButton", QT_TRANSLATE_NOOP("pemrix", "Установить связь"),
     QT_TRANSLATE_NOOP("pemrix", "Установить связь F4"), false, 0, 1},
    {"LoadButton", QT_TRANSLATE_NOOP("pemrix", "Считать файл"),
     QT_TRANSLATE_NOOP("pemrix", "Считать файл F10"), true, 0, 2},
    {"SaveButton", QT_TRANSLATE_NOOP("pemrix", "Записать в файл"),
     QT_TRANSLATE_NOOP("pemrix", "Записать в файл F9"), true, 0, 3},
    {"ReadButton", QT_TRANSLATE_NOOP("pemrix", "Считать из прибора"),
     QT_TRANSLATE_NOOP("pemrix", "Считать конфигурацию из прибора (F3)"), false, 1, 0},
    {"CancelButton", QT_TRANSLATE_NOOP("pemrix", "Разорвать связь"),
     QT_TRANSLATE_NOOP("pemrix", "Разорвать связь F5"), true, 1, 1},
    {"DefaultButton", QT_TRANSLATE_NOOP("pemrix", "Заводские установки"),
     QT_TRANSLATE_NOOP("pemrix", "Заводские установки F7"), true, 1, 2},
};

constexpr int SourcesPerColumn = 12;

// Every tab repeats its controls: the relay's name comes first in what is spoken.
QString relayName(int relay) {
    return QCoreApplication::translate("pemrix", "Реле %1").arg(relay);
}

// A text of the relay's tables in the user's language.
QString shown(const char* text) {
    return QCoreApplication::translate("pemrix", text);
}

} // namespace

TReleForm::TReleForm(forms::ModuleHost& host, QWidget* parent) : forms::ModuleWindow(host, parent) {
    createControls();
    connectRules();
    FormCreate();
}

TReleForm::~TReleForm() = default;

void TReleForm::FormCreate() {
    // The layout alone: the window opens in demonstration mode until the module answers.
    forms::ModuleWindow::setLinkPending();
    showEightRelays(false);
    demonstration_ = true;
}

void TReleForm::createControls() {
    setObjectName(QStringLiteral("ReleForm"));
    setWindowTitle(QCoreApplication::translate("pemrix", "Молуль релейный \"Orvel-426/427\""));

    auto* main = new QVBoxLayout(page());
    main->setContentsMargins(4, 4, 4, 4);
    main->setSpacing(6);
    forms::ButtonPanel* panel = createButtonPanel(ReleButtons);
    panel->setColumnStretches({1, 1, 1, 1});
    panel->addTrailing(createVariantFrame());
    // The panel's height the window was drawn with; the tab area is below it.
    panel->setMinimumHeight(73);
    main->addWidget(panel);

    Rele = new QTabWidget(page());
    Rele->setObjectName(QStringLiteral("Rele"));
    for (int relay = 1; relay <= RelayCount; ++relay)
        Rele->addTab(createRelayTab(relay), QString::fromStdString(relayTabTitle(relay)));
    main->addWidget(Rele, 1);
    createFactoryList(relayFactoryImage(), page());
}

QWidget* TReleForm::createVariantFrame() {
    Demo = new QGroupBox(this);
    Demo->setObjectName(QStringLiteral("Demo"));
    auto* layout = new QVBoxLayout(Demo);
    layout->setContentsMargins(8, 2, 8, 2);
    Orvel426 = new QRadioButton(QStringLiteral("Orvel - 426"), Demo);
    Orvel426->setObjectName(QStringLiteral("Orvel426"));
    Orvel426->setChecked(true);
    Orvel427 = new QRadioButton(QStringLiteral("Orvel - 427"), Demo);
    Orvel427->setObjectName(QStringLiteral("Orvel427"));
    layout->addWidget(Orvel426);
    layout->addWidget(Orvel427);
    // Hidden, the frame keeps its place: the buttons do not move when it appears.
    QSizePolicy keep = Demo->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    Demo->setSizePolicy(keep);
    showVariantChooser(false);
    return Demo;
}

QWidget* TReleForm::createRelayTab(int relay) {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("Rele%1").arg(relay));
    // The tab area the window was drawn for; fonts larger than its own make it grow.
    tab->setMinimumSize(665, 369);
    auto* columns = new QHBoxLayout(tab);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->setSpacing(6);
    columns->addWidget(createSourceGroup(relay, tab), 0, Qt::AlignTop);

    auto* middle = new QVBoxLayout;
    middle->addWidget(createTypeGroup(relay, tab));
    auto* right = new QVBoxLayout;
    right->addWidget(createModeGroup(relay, tab));
    if (relay == 1) {
        Ved = new forms::RadioGroup(shown(ControllingDeviceTitle),
                                    forms::itemTexts(ControllingDeviceItems), 1, tab);
        Ved->setObjectName(QStringLiteral("Ved"));
        Ved->setItemIndex(ControllingDevice::OrvelTevRpu);
        right->addWidget(Ved);
        middle->addWidget(createModuleSettings(tab));
    }
    middle->addStretch(1);
    right->addStretch(1);
    columns->addLayout(middle);
    columns->addLayout(right);
    return tab;
}

QGroupBox* TReleForm::createSourceGroup(int relay, QWidget* parent) {
    const QString title = QString::fromStdString(sourceGroupTitle(relay));
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QStringLiteral("SourceBox%1").arg(relay));
    auto* grid = new QGridLayout(group);
    forms::makeTight(grid);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    const int columnCount = SourceCount / SourcesPerColumn;
    for (int column = 0; column < columnCount; ++column) {
        grid->addWidget(forms::makeHeading(QCoreApplication::translate("pemrix", "№:"), group), 0,
                        column * 2, 1, 2);
        // A little air between the columns of sources.
        grid->setColumnMinimumWidth(column * 2, 22);
        for (int row = 0; row < SourcesPerColumn; ++row) {
            const int source = column * SourcesPerColumn + row + 1;
            auto* number = new QLabel(QString::number(source), group);
            number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            QCheckBox* box = forms::makeGridBox(
                group, QStringLiteral("iz%1%2").arg(relay).arg(source), relayName(relay),
                QCoreApplication::translate("pemrix", "ИИ %1").arg(source));
            number->setBuddy(box);
            tabs_[relay - 1].sources[source - 1] = box;
            grid->addWidget(number, row + 1, column * 2);
            grid->addWidget(box, row + 1, column * 2 + 1);
        }
    }
    return group;
}

QGroupBox* TReleForm::createTypeGroup(int relay, QWidget* parent) {
    auto* group = new QGroupBox(shown(TypeGroupTitle), parent);
    group->setObjectName(QStringLiteral("TypeBox%1").arg(relay));
    auto* grid = new QGridLayout(group);
    forms::makeTight(grid);
    grid->setVerticalSpacing(3);
    int row = 0;
    for (const TypeRow& typeRow : TypeRows) {
        const QString label = shown(typeRow.label);
        QCheckBox* box =
            forms::makeGridBox(group, QStringLiteral("typeiz%1%2").arg(relay).arg(typeRow.type),
                               relayName(relay), label);
        // The type "взятие/снятие" means nothing to the controlling device at creation.
        box->setEnabled(typeRow.type != 7);
        tabs_[relay - 1].types[static_cast<std::size_t>(typeIndex(typeRow.type))] = box;
        auto* text = new QLabel(label, group);
        text->setBuddy(box);
        grid->addWidget(box, row, 0);
        grid->addWidget(text, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* TReleForm::createModeGroup(int relay, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("Rele%1Combo").arg(relay));
    combo->addItems(forms::itemTexts(RelayModeItems));
    combo->setEditable(false);
    combo->setCurrentIndex(-1);
    forms::nameGridCell(combo, relayName(relay), shown(ModeGroupTitle));
    tabs_[relay - 1].mode = combo;
    return forms::wrapInGroup(shown(ModeGroupTitle), combo, parent);
}

QWidget* TReleForm::createModuleSettings(QWidget* parent) {
    auto* row = new QWidget(parent);
    row->setObjectName(QStringLiteral("ModuleSettings"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* speed = new QGroupBox(shown(SpeedTitle), row);
    speed->setObjectName(QStringLiteral("SpeedBox"));
    auto* speedLayout = new QVBoxLayout(speed);
    R1200 = new QRadioButton(shown(SpeedItems[0]), speed);
    R1200->setObjectName(QStringLiteral("R1200"));
    R1200->setChecked(true);
    R4800 = new QRadioButton(shown(SpeedItems[1]), speed);
    R4800->setObjectName(QStringLiteral("R4800"));
    speedLayout->addWidget(R1200);
    speedLayout->addWidget(R4800);
    layout->addWidget(speed);

    auto* caption = new QLabel(shown(VersionCaption), row);
    version = new QLabel(QStringLiteral(" "), row);
    version->setObjectName(QStringLiteral("version"));
    layout->addWidget(caption, 0, Qt::AlignTop);
    layout->addWidget(version, 1, Qt::AlignTop);
    return row;
}

void TReleForm::connectRules() {
    connect(Ved, &forms::RadioGroup::changed, this, [this] { VedClick(); });
    for (const RelayTab& tab : tabs_)
        connect(tab.mode, &QComboBox::activated, this, [this] { Rele1ComboChange(); });
    for (QRadioButton* variant : {Orvel426, Orvel427})
        connect(variant, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                Orvel426Click();
        });
}

} // namespace pemrix::relay
