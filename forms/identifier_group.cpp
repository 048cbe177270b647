// IdBox: its rows and columns, the wiring of its rules, and the rows as the image
// holds them.

#include "forms/identifier_group.h"

#include "forms/accessible_names.h"
#include "forms/active_control.h"
#include "forms/control_grid.h"
#include "forms/upper_case_validator.h"
#include "image/expander_texts.h"
#include "link/key_code.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace pemrix::forms {

namespace {

QString identifierRowHeading(int slot) {
    return QCoreApplication::translate("pemrix", "Идентификатор %1").arg(slot);
}

// The spoken name of a column: its heading, after the heading spanning it if any.
QString columnName(const IdentifierGroup::Columns& columns, int column) {
    const QString heading = columns.headings.value(column - 1);
    for (const auto& span : columns.spans)
        if (column >= span.firstColumn && column < span.firstColumn + span.count)
            return span.text + QLatin1Char(' ') + heading;
    return heading;
}

} // namespace

IdentifierGroup::IdentifierGroup(const Columns& columns, AuthorityRule rule, WindowHooks hooks,
                                 ActiveControl& activeControls, QWidget* parent)
    : QGroupBox(QCoreApplication::translate("pemrix", image::texts::IdentifierGroup), parent),
      rule_(std::move(rule)), hooks_(std::move(hooks)), activeControls_(activeControls) {
    setObjectName(QStringLiteral("IdBox"));
    createRows(columns);
    connectRules();
}

void IdentifierGroup::createRows(const Columns& columns) {
    auto* grid = new QGridLayout(this);
    makeTight(grid);
    grid->setVerticalSpacing(4);
    int headingRow = 0;
    if (!columns.spans.empty()) {
        for (const auto& span : columns.spans)
            grid->addWidget(makeHeading(span.text, this), 0, span.firstColumn, 1, span.count);
        headingRow = 1;
    }
    grid->addWidget(
        makeHeading(QCoreApplication::translate("pemrix", image::texts::KeyColumn), this),
        headingRow, 0);
    for (int column = 1; column <= ColumnCount; ++column)
        grid->addWidget(makeHeading(columns.headings.value(column - 1), this), headingRow, column);

    for (int slot = 1; slot <= SlotCount; ++slot) {
        const int row = headingRow + slot;
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromStdString(image::texts::identifierRow(slot)));
        edit->setProperty("tag", slot);
        edit->setMaxLength(link::KeyCodeDigits);
        edit->setValidator(new UpperCaseValidator(edit));
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("DDDDDDDDDDDD")) +
                            10);
        nameFromLabel(edit, identifierRowHeading(slot));
        Id[slot - 1] = edit;
        grid->addWidget(edit, row, 0);
        for (int column = 1; column <= ColumnCount; ++column) {
            QCheckBox* box = makeGridBox(this, QStringLiteral("q%1%2").arg(column).arg(slot),
                                         identifierRowHeading(slot), columnName(columns, column));
            box->setProperty("tag", slot);
            Q[column - 1][slot - 1] = box;
            grid->addWidget(box, row, column, Qt::AlignCenter);
        }
    }
}

void IdentifierGroup::connectRules() {
    for (int column = 1; column <= rule_.restrictedColumns; ++column)
        for (QCheckBox* box : Q[column - 1])
            connect(box, &QCheckBox::toggled, this, [this] { ChangeIDRules(); });
    for (QLineEdit* edit : Id) {
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { Id1Change(edit); });
        activeControls_.setExitRule(edit, [this, edit] { Id1Exit(edit); });
        edit->installEventFilter(this);
    }
}

bool IdentifierGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (edit != nullptr && mouse->button() == Qt::LeftButton &&
            std::find(Id.begin(), Id.end(), edit) != Id.end() &&
            edit->rect().contains(mouse->position().toPoint()))
            Id1Click(edit);
    }
    return QGroupBox::eventFilter(watched, event);
}

int IdentifierGroup::targetSlot() const {
    if (TargetIdEdit == nullptr || !TargetIdEdit->objectName().startsWith(QStringLiteral("Id")))
        return 0;
    return TargetIdEdit->property("tag").toInt();
}

void IdentifierGroup::setAllEnabled(bool enable) {
    setEnabled(enable);
    for (QWidget* control : findChildren<QWidget*>())
        control->setEnabled(enable);
}

void IdentifierGroup::clearForSecretButton() {
    for (int slot = 1; slot <= SlotCount; ++slot) {
        for (int column = 1; column <= ColumnCount; ++column) {
            q(column, slot)->setChecked(false);
            q(column, slot)->setEnabled(false);
        }
        id(slot)->clear();
    }
}

void IdentifierGroup::uncheckAll() {
    for (int slot = 1; slot <= SlotCount; ++slot)
        uncheckRow(slot);
}

void IdentifierGroup::uncheckRow(int slot) {
    for (int column = 1; column <= ColumnCount; ++column)
        q(column, slot)->setChecked(false);
}

bool IdentifierGroup::rowHasAuthority(int slot, int columns) const {
    for (int column = 1; column <= columns; ++column)
        if (q(column, slot)->isChecked())
            return true;
    return false;
}

image::IdentifierSlots IdentifierGroup::records() const {
    image::IdentifierSlots records;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        image::IdentifierSlot& record = records[slot - 1];
        record.keyText = id(slot)->text().toStdString();
        for (int column = 1; column <= ColumnCount; ++column)
            record.authority =
                image::withBit(record.authority, column - 1, q(column, slot)->isChecked());
    }
    return records;
}

void IdentifierGroup::showRecords(const image::IdentifierSlots& records) {
    uncheckAll();
    for (int slot = 1; slot <= SlotCount; ++slot) {
        id(slot)->clear();
        const image::IdentifierSlot& record = records[slot - 1];
        if (record.keyText.empty())
            continue;
        id(slot)->setText(QString::fromStdString(record.keyText));
        for (int column = 1; column <= ColumnCount; ++column)
            if (image::bitAt(record.authority, column - 1))
                q(column, slot)->setChecked(true);
    }
}

std::string IdentifierGroup::identifierText(int slot) const {
    if (slot < 1 || slot > SlotCount)
        return {};
    return id(slot)->text().toStdString();
}

void IdentifierGroup::setIdentifierText(int slot, const std::string& text) {
    if (slot < 1 || slot > SlotCount)
        return;
    id(slot)->setText(QString::fromStdString(text));
}

} // namespace pemrix::forms
