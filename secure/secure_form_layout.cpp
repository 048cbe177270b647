// TSecureForm's controls: names, captions, hints, item lists, initial states and
// their arrangement. Nothing here is connected; the rules are wired afterwards, so
// the initial states fire no rule.

#include "secure/secure_form.h"

#include "forms/accessible_names.h"
#include "forms/radio_group.h"
#include "forms/up_down.h"
#include "forms/upper_case_validator.h"
#include "link/key_code.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace pemrix::secure {

namespace {

const QString LoopHeading = QStringLiteral("ШС%1");
// The two grids stand side by side: tight columns keep the window near its given width.
const QMargins GridMargins(4, 6, 4, 6);
constexpr int GridColumnSpacing = 2;

QString loopHeading(int loop) {
    return LoopHeading.arg(loop);
}
QString identifierRowHeading(int slot) {
    return QStringLiteral("Идентификатор %1").arg(slot);
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint, bool enabled) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setEnabled(enabled);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* makeGridBox(QWidget* parent, const QString& name, const QString& row,
                       const QString& column) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    forms::nameGridCell(box, row, column);
    return box;
}

QLabel* makeHeading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QGroupBox* wrapInGroup(const QString& title, QWidget* content, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(content);
    return group;
}

const QStringList RelayModes = {
    QStringLiteral("ПЦН тревога"),
    QStringLiteral("ПЦН контрольный"),
    QStringLiteral("Исполнительный"),
    QStringLiteral("Контрольная лампа"),
};

} // namespace

void TSecureForm::createControls() {
    setObjectName(QStringLiteral("SecureForm"));
    setWindowTitle(QStringLiteral("Охранный модуль \"Orvel - 416\""));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto* main = new QVBoxLayout(page());
    main->setContentsMargins(4, 4, 4, 4);
    main->setSpacing(6);
    main->addWidget(createButtonPanel());

    auto* middle = new QHBoxLayout;
    middle->setSpacing(4);
    auto* left = new QVBoxLayout;
    // The loop grid takes up any height the identifier grid has over the left column.
    left->addWidget(createLoopGroup(), 1);
    left->addWidget(createRelayModes());
    middle->addLayout(left);
    middle->addWidget(createIdentifierGroup());
    main->addLayout(middle);

    main->addWidget(createBottomRow());

    // Along the window's bottom edge, outside the page: never scrolled away.
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setStyleSheet(QStringLiteral("QStatusBar { border-top: 1px solid palette(mid); }"));
    setBottomBar(StatusBar1);
}

QWidget* TSecureForm::createButtonPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("ButtonPanel"));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    WriteButton = makeButton(panel, "WriteButton", QStringLiteral("Записать конфигурацию в прибор"),
                             QStringLiteral("Записать конфигурацию в прибор (F2)"), false);
    ReadButton = makeButton(panel, "ReadButton", QStringLiteral("Считать конфигурацию из прибора"),
                            QStringLiteral("Считать конфигурацию из прибора (F3)"), false);
    ConnectButton = makeButton(panel, "ConnectButton", QStringLiteral("Установить связь"),
                               QStringLiteral("Установить связь F4"), false);
    CancelButton = makeButton(panel, "CancelButton", QStringLiteral("Разорвать связь"),
                              QStringLiteral("Разорвать связь F5"), true);
    LoadIdButton = makeButton(panel, "LoadIdButton", QStringLiteral("Считать идентификатор"),
                              QStringLiteral("Считать идентификатор F6"), false);
    DefaultButton = makeButton(panel, "DefaultButton", QStringLiteral("Заводские установки"),
                               QStringLiteral("Заводские установки F7"), true);
    SaveButton = makeButton(panel, "SaveButton", QStringLiteral("Записать в файл"),
                            QStringLiteral("Записать в файл F9"), true);
    LoadButton = makeButton(panel, "LoadButton", QStringLiteral("Считать файл"),
                            QStringLiteral("Считать файл F10"), true);

    grid->addWidget(WriteButton, 0, 0);
    grid->addWidget(ConnectButton, 0, 1);
    grid->addWidget(LoadIdButton, 0, 2);
    grid->addWidget(LoadButton, 0, 3);
    grid->addWidget(ReadButton, 1, 0);
    grid->addWidget(CancelButton, 1, 1);
    grid->addWidget(DefaultButton, 1, 2);
    grid->addWidget(SaveButton, 1, 3);
    // The write and read buttons are the widest; the others share the rest evenly.
    grid->setColumnStretch(0, 4);
    for (int column = 1; column < 4; ++column)
        grid->setColumnStretch(column, 3);
    return panel;
}

QGroupBox* TSecureForm::createLoopGroup() {
    auto* group = new QGroupBox(QStringLiteral("Настройки ШС:"), this);
    group->setObjectName(QStringLiteral("LoopBox"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(GridMargins);
    grid->setHorizontalSpacing(GridColumnSpacing);
    grid->setVerticalSpacing(6);
    for (int loop = 1; loop <= LoopCount; ++loop)
        grid->addWidget(makeHeading(loopHeading(loop), group), 0, loop);

    struct Row {
        QString label;
        const char* prefix;
        std::array<QCheckBox*, LoopCount>* boxes;
    };
    const Row rows[] = {
        {QStringLiteral("Время интегрирования"), "it", &It},
        {QStringLiteral("Автовзятие"), "av", &Av},
        {QStringLiteral("Тихая тревога"), "tt", &Tt},
        {QStringLiteral("Круглосуточно"), "ks", &Ks},
    };
    int gridRow = 1;
    for (const Row& row : rows) {
        grid->addWidget(new QLabel(row.label, group), gridRow, 0);
        for (int loop = 1; loop <= LoopCount; ++loop) {
            const QString name = QString::fromLatin1(row.prefix) + QString::number(loop);
            QCheckBox* box = makeGridBox(group, name, row.label, loopHeading(loop));
            (*row.boxes)[loop - 1] = box;
            grid->addWidget(box, gridRow, loop, Qt::AlignCenter);
        }
        ++gridRow;
    }

    // Each relay box stands between the columns of its pair of loops.
    const QString relayRows[] = {QStringLiteral("Привязка реле 1"),
                                 QStringLiteral("Привязка реле 2")};
    for (int relay = 0; relay < 2; ++relay) {
        grid->addWidget(new QLabel(relayRows[relay], group), gridRow, 0);
        for (int pair = 0; pair < 4; ++pair) {
            const int index = relay * 4 + pair;
            const int firstLoop = pair * 2 + 1;
            const QString columns =
                loopHeading(firstLoop) + QStringLiteral("–") + loopHeading(firstLoop + 1);
            QCheckBox* box = makeGridBox(group, QStringLiteral("pr%1").arg(index + 1),
                                         relayRows[relay], columns);
            Pr[index] = box;
            grid->addWidget(box, gridRow, firstLoop, 1, 2, Qt::AlignCenter);
        }
        ++gridRow;
    }
    return group;
}

QGroupBox* TSecureForm::createIdentifierGroup() {
    IdBox = new QGroupBox(QStringLiteral("Полномочия идентификаторов:"), this);
    IdBox->setObjectName(QStringLiteral("IdBox"));
    auto* grid = new QGridLayout(IdBox);
    grid->setContentsMargins(GridMargins);
    grid->setHorizontalSpacing(GridColumnSpacing);
    grid->setVerticalSpacing(4);
    grid->addWidget(makeHeading(QStringLiteral("Номер"), IdBox), 0, 0);
    for (int loop = 1; loop <= LoopCount; ++loop)
        grid->addWidget(makeHeading(loopHeading(loop), IdBox), 0, loop);

    for (int slot = 1; slot <= SlotCount; ++slot) {
        auto* edit = new QLineEdit(IdBox);
        edit->setObjectName(QStringLiteral("Id%1").arg(slot));
        edit->setProperty("tag", slot);
        edit->setMaxLength(link::KeyCodeDigits);
        edit->setValidator(new forms::UpperCaseValidator(edit));
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("DDDDDDDDDDDD")) +
                            10);
        forms::nameFromLabel(edit, identifierRowHeading(slot));
        Id[slot - 1] = edit;
        grid->addWidget(edit, slot, 0);
        for (int loop = 1; loop <= LoopCount; ++loop) {
            QCheckBox* box = makeGridBox(IdBox, QStringLiteral("q%1%2").arg(loop).arg(slot),
                                         identifierRowHeading(slot), loopHeading(loop));
            box->setProperty("tag", slot);
            Q[loop - 1][slot - 1] = box;
            grid->addWidget(box, slot, loop, Qt::AlignCenter);
        }
    }

    // Hidden line buffers: the configuration file's lines and the factory image.
    ListBox1 = new QListWidget(IdBox);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->hide();
    ListBox2 = new QListWidget(IdBox);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->hide();
    for (const std::string& value : secureFactoryImageStrings())
        ListBox2->addItem(QString::fromStdString(value));
    return IdBox;
}

QWidget* TSecureForm::createRelayModes() {
    auto* row = new QWidget(this);
    row->setObjectName(QStringLiteral("RelayModes"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const QString titles[] = {QStringLiteral("Режим работы реле №1:"),
                              QStringLiteral("Режим работы реле №2:")};
    QComboBox** combos[] = {&Rele1Combo, &Rele2Combo};
    for (int relay = 0; relay < 2; ++relay) {
        auto* combo = new QComboBox(row);
        combo->setObjectName(QStringLiteral("Rele%1Combo").arg(relay + 1));
        combo->addItems(RelayModes);
        combo->setEditable(false);
        forms::nameFromLabel(combo, titles[relay]);
        *combos[relay] = combo;
        layout->addWidget(wrapInGroup(titles[relay], combo, row));
    }
    return row;
}

QWidget* TSecureForm::createBottomRow() {
    auto* row = new QWidget(this);
    row->setObjectName(QStringLiteral("BottomRow"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    TM = new forms::RadioGroup(
        QStringLiteral("Тип выхода ТМ:"),
        {QStringLiteral("Идентификатор"), QStringLiteral("Секретная кнопка")}, 1, row);
    TM->setObjectName(QStringLiteral("TM"));
    TM->setItemIndex(0);

    Taktik = new forms::RadioGroup(QStringLiteral("Тактика работы ШС1:"),
                                   {QStringLiteral("Закр. дверь"), QStringLiteral("Откр. дверь")},
                                   1, row);
    Taktik->setObjectName(QStringLiteral("Taktik"));
    Taktik->setItemIndex(1);
    // The row stands in three columns of two, so that it is no wider than the grids
    // above it: the two radio groups, the two numeric groups, the mode boxes above
    // the power output. Each column takes an even share of the width to spare.
    auto* choices = new QVBoxLayout;
    choices->addWidget(TM);
    choices->addWidget(Taktik);
    layout->addLayout(choices, 1);

    const QString delayTitle = QStringLiteral("Время задержки:");
    DelayEdit = new QLineEdit(QStringLiteral("0"), row);
    DelayEdit->setObjectName(QStringLiteral("DelayEdit"));
    Delay = new forms::UpDown(DelayEdit, 0, 254, row);
    Delay->setObjectName(QStringLiteral("Delay"));
    Delay->setAccessibleLabel(delayTitle);

    const QString numberTitle = QStringLiteral("Номер расширителя:");
    NumberEdit = new QLineEdit(QStringLiteral("0"), row);
    NumberEdit->setObjectName(QStringLiteral("NumberEdit"));
    Number = new forms::UpDown(NumberEdit, 0, 15, row);
    Number->setObjectName(QStringLiteral("Number"));
    Number->setAccessibleLabel(numberTitle);

    const std::pair<QString, forms::UpDown*> spinners[] = {{delayTitle, Delay},
                                                           {numberTitle, Number}};
    auto* numbers = new QVBoxLayout;
    for (const auto& [title, upDown] : spinners) {
        auto* group = new QGroupBox(title, row);
        auto* pair = new QHBoxLayout(group);
        pair->setContentsMargins(8, 4, 8, 4);
        pair->setSpacing(0);
        upDown->edit()->setFixedWidth(
            upDown->edit()->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 10);
        pair->addWidget(upDown->edit());
        pair->addWidget(upDown);
        pair->addStretch(1);
        numbers->addWidget(group);
    }
    layout->addLayout(numbers, 1);

    auto* right = new QVBoxLayout;
    auto* frame = new QGroupBox(row);
    frame->setObjectName(QStringLiteral("ModeFrame"));
    auto* boxes = new QHBoxLayout(frame);
    boxes->setContentsMargins(8, 4, 8, 4);
    KeyBox = new QCheckBox(QStringLiteral("Блокировка клавиатуры"), frame);
    KeyBox->setObjectName(QStringLiteral("KeyBox"));
    AutoBox = new QCheckBox(QStringLiteral("Автономная работа"), frame);
    AutoBox->setObjectName(QStringLiteral("AutoBox"));
    boxes->addWidget(KeyBox);
    boxes->addWidget(AutoBox);
    right->addWidget(frame);

    SO = new forms::RadioGroup(QStringLiteral("Силовой выход:"),
                               {QStringLiteral("Звуковой"), QStringLiteral("Световой")}, 2, row);
    SO->setObjectName(QStringLiteral("SO"));
    SO->setItemIndex(1);
    right->addWidget(SO);
    layout->addLayout(right, 1);
    return row;
}

} // namespace pemrix::secure
