// TSecureForm's creation: its controls and their arrangement, the rules wired to
// them, then the creation handler. Nothing is connected while controls are made, so
// the initial states fire no rule.

#include "secure/secure_form.h"

#include "forms/accessible_names.h"
#include "forms/button_panel.h"
#include "forms/control_grid.h"
#include "forms/page_area.h"
#include "forms/radio_group.h"
#include "image/expander_texts.h"
#include "secure/secure_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

namespace pemrix::secure {

namespace {

namespace texts = image::texts;

// The client area the window was drawn for, its status bar included.
constexpr QSize DrawnClientSize(743, 515);

} // namespace

// The base closes the port the host still holds and takes the function keys over.
TSecureForm::TSecureForm(forms::ModuleHost& host, QWidget* parent)
    : forms::ExpanderWindow(host, parent) {
    createControls();
    connectExpanderRules();
    for (QCheckBox* box : Ks)
        connect(box, &QCheckBox::toggled, this, [this] { ChangeKS(); });
    FormCreate();
}

TSecureForm::~TSecureForm() = default;

void TSecureForm::FormCreate() {
    prepareExpander();
    for (QComboBox* combo : ReleCombo)
        combo->setCurrentIndex(0);
    IdBox->uncheckAll();
}

// A change of a 24-hour loop may take authorities away from the keys.
void TSecureForm::ChangeKS() {
    IdBox->ChangeIDRules();
}

void TSecureForm::createControls() {
    setObjectName(QStringLiteral("SecureForm"));
    setWindowTitle(QCoreApplication::translate("pemrix", "Охранный модуль \"Orvel - 416\""));

    auto* main = new QVBoxLayout(page());
    main->setContentsMargins(4, 4, 4, 4);
    main->setSpacing(6);
    main->addWidget(createExpanderButtonPanel());

    auto* middle = new QHBoxLayout;
    middle->setSpacing(4);
    auto* left = new QVBoxLayout;
    // The loop grid takes up any height the identifier grid has over the left column.
    left->addWidget(createLoopGroup(), 1);
    left->addWidget(forms::makeRelayModeRow(ReleCombo, forms::itemTexts(RelayModeItems), 0, this));
    middle->addLayout(left, 1);

    QStringList loops;
    for (int loop = 1; loop <= LoopCount; ++loop)
        loops << forms::loopHeading(loop);
    middle->addWidget(
        createIdentifierGroup({loops, {}},
                              {LoopCount, [this](int loop) { return Ks[loop - 1]->isChecked(); }}),
        1);
    // The key rows share the group's spare height evenly, as the loop rows do: their
    // controls keep their height, an empty cell at each row's end takes the rest.
    if (auto* rows = qobject_cast<QGridLayout*>(IdBox->layout())) {
        const int end = rows->columnCount();
        for (int row = 0; row < rows->rowCount(); ++row)
            rows->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), row,
                          end);
    }
    createHiddenLists(secureFactoryImage(), IdBox);
    // The grids take whatever height the window has over its controls' needs.
    main->addLayout(middle, 1);

    main->addWidget(createBottomRow());
    forms::keepDrawnClientSize(this, DrawnClientSize);
}

QGroupBox* TSecureForm::createLoopGroup() {
    auto* group = new QGroupBox(QCoreApplication::translate("pemrix", texts::LoopGroup), this);
    group->setObjectName(QStringLiteral("LoopBox"));
    QGridLayout* grid = forms::makeLoopGrid(group, LoopCount);
    forms::addLoopRow(grid, 1, QCoreApplication::translate("pemrix", texts::IntegrationTime), "it",
                      1, It);
    forms::addLoopRow(grid, 2, QCoreApplication::translate("pemrix", texts::AutoArming), "av", 1,
                      Av);
    forms::addLoopRow(grid, 3, QCoreApplication::translate("pemrix", texts::SilentAlarm), "tt", 1,
                      Tt);
    forms::addLoopRow(grid, 4, QCoreApplication::translate("pemrix", texts::RoundTheClock), "ks", 1,
                      Ks);

    // Rows 5 and 6: each relay box stands between the columns of its pair of loops.
    const QString relayRows[] = {QCoreApplication::translate("pemrix", texts::RelayBinding1),
                                 QCoreApplication::translate("pemrix", texts::RelayBinding2)};
    for (int relay = 0; relay < 2; ++relay) {
        const int gridRow = 5 + relay;
        grid->addWidget(new QLabel(relayRows[relay], group), gridRow, 0);
        for (int pair = 0; pair < 4; ++pair) {
            const int index = relay * 4 + pair;
            const int firstLoop = pair * 2 + 1;
            const QString columns = forms::loopHeading(firstLoop) +
                                    QString::fromUtf8(LoopPairDash) +
                                    forms::loopHeading(firstLoop + 1);
            QCheckBox* box = forms::makeGridBox(group, QStringLiteral("pr%1").arg(index + 1),
                                                relayRows[relay], columns);
            Pr[index] = box;
            grid->addWidget(box, gridRow, firstLoop, 1, 2, Qt::AlignCenter);
        }
    }
    return group;
}

QWidget* TSecureForm::createBottomRow() {
    auto* row = new QWidget(this);
    row->setObjectName(QStringLiteral("BottomRow"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    // One row, left to right, as narrow as its group titles allow.
    layout->addWidget(createTM(row));
    layout->addWidget(createTaktik(row));
    layout->addWidget(createDelayGroup(QStringLiteral("0"), row));
    layout->addWidget(createNumberGroup(row));
    layout->addWidget(createModeFrame(row));
    layout->addWidget(createSO(2, row));
    return row;
}

} // namespace pemrix::secure
