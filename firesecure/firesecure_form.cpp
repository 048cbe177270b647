// TFireSecureForm's creation: its controls and their arrangement, the rules wired to
// them, then the creation handler. Nothing is connected while controls are made, so
// the creation states fire no rule.

#include "firesecure/firesecure_form.h"

#include "firesecure/firesecure_fields.h"
#include "forms/accessible_names.h"
#include "forms/button_panel.h"
#include "forms/control_grid.h"
#include "forms/page_area.h"
#include "forms/radio_group.h"
#include "image/expander_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pemrix::firesecure {

namespace {

namespace texts = image::texts;

// Asked for when the window is made: the catalog is chosen after static data is built.
QString fireText() {
    return QCoreApplication::translate("pemrix", FireWord);
}
QString guardText() {
    return QCoreApplication::translate("pemrix", GuardWord);
}

// A loop type radio button's row heading: "Тип ШС пожарный".
QString loopTypeHeading(const QString& word) {
    return QCoreApplication::translate("pemrix", "Тип ШС %1").arg(word);
}

// The client area the window was drawn for, its status bar included.
constexpr QSize DrawnClientSize(758, 522);

} // namespace

// The base closes the port the host still holds and takes the function keys over.
TFireSecureForm::TFireSecureForm(forms::ModuleHost& host, QWidget* parent)
    : forms::ExpanderWindow(host, parent) {
    createControls();
    connectExpanderRules();
    connectRules();
    FormCreate();
}

TFireSecureForm::~TFireSecureForm() = default;

void TFireSecureForm::FormCreate() {
    prepareExpander();
    for (QComboBox* combo : ReleCombo)
        combo->setCurrentIndex(0);
}

void TFireSecureForm::connectRules() {
    for (int loop = 1; loop <= LoopCount; ++loop) {
        // A radio button runs its rule only when it becomes checked.
        for (QRadioButton* radio : {FireType[loop - 1], GuardType[loop - 1]})
            connect(radio, &QRadioButton::toggled, this, [this](bool checked) {
                if (checked)
                    ChangeShS();
            });
        connect(Avks[LoopCount + loop - 1], &QCheckBox::toggled, this, [this] { ChangeAVKS(); });
    }
    for (QCheckBox* box : Pr)
        connect(box, &QCheckBox::toggled, this, [this] { ChangePriv(); });
    // ss5 runs no rule.
    for (int loop = 2; loop <= LoopCount; ++loop)
        connect(Ss[loop - 1], &QCheckBox::toggled, this, [this] { ChangePriv(); });
    // Only the user's pick runs the relay-mode rule, not an item set by code.
    for (QComboBox* combo : ReleCombo)
        connect(combo, &QComboBox::activated, this, [this] { ChangeRele(); });
    GroupBox2->installEventFilter(this);
}

bool TFireSecureForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == GroupBox2 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        ChangePriv();
    return forms::ExpanderWindow::eventFilter(watched, event);
}

void TFireSecureForm::createControls() {
    setObjectName(QStringLiteral("FireSecureForm"));
    setWindowTitle(
        QCoreApplication::translate("pemrix", "Охранно-пожарный модуль \"Orvel - 417\""));

    auto* main = new QVBoxLayout(page());
    main->setContentsMargins(2, 4, 2, 4);
    main->setSpacing(6);
    main->addWidget(createExpanderButtonPanel());

    auto* middle = new QHBoxLayout;
    middle->setSpacing(2);
    middle->addWidget(createLoopGroup());
    middle->addWidget(createMiddleColumn());

    QStringList columns;
    for (int column = 1; column <= forms::IdentifierGroup::ColumnCount; ++column)
        columns << forms::loopHeading((column - 1) % LoopCount + 1);
    middle->addWidget(createIdentifierGroup(
        {columns,
         {{QCoreApplication::translate("pemrix", ArmingSpan), 1, LoopCount},
          {QCoreApplication::translate("pemrix", DisarmingSpan), 5, LoopCount}}},
        {LoopCount, [this](int loop) { return Avks[LoopCount + loop - 1]->isChecked(); }}));
    // The key rows keep their height; the group's spare height goes below them.
    if (auto* rows = qobject_cast<QGridLayout*>(IdBox->layout()))
        rows->setRowStretch(rows->rowCount(), 1);
    createHiddenLists(fireSecureFactoryImage(), IdBox);
    main->addLayout(middle, 1);
    main->addWidget(createRelayModes());
    forms::keepDrawnClientSize(this, DrawnClientSize);
}

QGroupBox* TFireSecureForm::createLoopGroup() {
    GroupBox2 = new QGroupBox(QCoreApplication::translate("pemrix", texts::LoopGroup), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    QGridLayout* grid = forms::makeLoopGrid(GroupBox2, LoopCount);

    // Each row: its label, the prefix of its boxes, the digit of its first box, and
    // where the boxes go.
    struct Row {
        QString label;
        const char* prefix;
        int firstDigit;
        QCheckBox** boxes;
    };
    const Row rows[] = {
        {QCoreApplication::translate("pemrix", texts::IntegrationTime), "ittt", 1, &Ittt[0]},
        {QCoreApplication::translate("pemrix", texts::AutoArming), "avks", 1, &Avks[0]},
        {QCoreApplication::translate("pemrix", texts::SilentAlarm), "ittt", 5, &Ittt[LoopCount]},
        {QCoreApplication::translate("pemrix", texts::RoundTheClock), "avks", 5, &Avks[LoopCount]},
        {QCoreApplication::translate("pemrix", texts::RelayBinding1), "pr", 1, &Pr[0]},
        {QCoreApplication::translate("pemrix", texts::RelayBinding2), "pr", 5, &Pr[LoopCount]},
        {QCoreApplication::translate("pemrix", RelayBinding3), "ss", 5, &Ss[0]},
        {QCoreApplication::translate("pemrix", DoubleTriggering), "ds", 1, &Ds[0]},
    };
    int gridRow = 1;
    for (const Row& row : rows)
        forms::addLoopRow(grid, gridRow++, row.label, row.prefix, row.firstDigit,
                          std::span<QCheckBox*>(row.boxes, LoopCount));

    // "Тип ШС:" with the words of the upper and the lower buttons beside them.
    auto* typeLabel = new QWidget(GroupBox2);
    auto* typeLayout = new QHBoxLayout(typeLabel);
    typeLayout->setContentsMargins(0, 0, 0, 0);
    typeLayout->addWidget(new QLabel(QCoreApplication::translate("pemrix", LoopType), typeLabel));
    auto* words = new QVBoxLayout;
    for (const QString& word : {fireText(), guardText()}) {
        auto* label = new QLabel(word, typeLabel);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        words->addWidget(label);
    }
    typeLayout->addLayout(words, 1);
    grid->addWidget(typeLabel, gridRow, 0);
    for (int loop = 1; loop <= LoopCount; ++loop)
        grid->addWidget(createLoopTypePair(loop, GroupBox2), gridRow, loop, Qt::AlignCenter);
    grid->setRowStretch(gridRow + 1, 1);
    return GroupBox2;
}

// The pair of one loop on a panel of its own, so that the four pairs are independent.
// At creation loops 1 and 3 are fire loops, 2 and 4 security loops.
QWidget* TFireSecureForm::createLoopTypePair(int loop, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("LoopTypePanel%1").arg(loop));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    const QString column = forms::loopHeading(loop);
    auto* fire = new QRadioButton(panel);
    fire->setObjectName(QStringLiteral("ds%1").arg(loop + 4));
    forms::nameGridCell(fire, loopTypeHeading(fireText()), column);
    auto* guard = new QRadioButton(panel);
    guard->setObjectName(QStringLiteral("ds%1").arg(loop + 4) + QLatin1Char('1'));
    forms::nameGridCell(guard, loopTypeHeading(guardText()), column);
    (loop % 2 == 1 ? fire : guard)->setChecked(true);
    layout->addWidget(fire);
    layout->addWidget(guard);
    FireType[loop - 1] = fire;
    GuardType[loop - 1] = guard;
    return panel;
}

// Number, delay, power output, tactic and output type, and under them the mode boxes.
// The Tab key reaches the mode boxes first, so they are made first.
QWidget* TFireSecureForm::createMiddleColumn() {
    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("MiddleColumn"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    QGroupBox* modes = createModeFrame(column);
    layout->addWidget(createNumberGroup(column));
    layout->addWidget(createDelayGroup(QStringLiteral("1"), column));
    layout->addWidget(createSO(1, column));
    layout->addWidget(createTaktik(column));
    layout->addWidget(createTM(column));
    layout->addWidget(modes);
    layout->addStretch(1);
    return column;
}

QWidget* TFireSecureForm::createRelayModes() {
    QWidget* row = forms::makeRelayModeRow(ReleCombo, forms::itemTexts(RelayModeItems), 1, this);
    // The module's picture in its frame at the lower right.
    auto* picture = new QLabel(QStringLiteral("Orvel - 417"), row);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setAlignment(Qt::AlignCenter);
    QFont font = picture->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    picture->setFont(font);
    picture->setMinimumWidth(picture->sizeHint().width() + 24);
    row->layout()->addWidget(picture);
    return row;
}

} // namespace pemrix::firesecure
