#include "forms/control_grid.h"

#include "forms/accessible_names.h"
#include "image/expander_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>

namespace pemrix::forms {

void makeTight(QGridLayout* grid) {
    grid->setContentsMargins(4, 6, 4, 6);
    grid->setHorizontalSpacing(2);
}

QString loopHeading(int loop) {
    return QString::fromStdString(image::texts::loopHeading(loop));
}

QStringList itemTexts(std::span<const char* const> items) {
    QStringList texts;
    for (const char* item : items)
        texts << QCoreApplication::translate("pemrix", item);
    return texts;
}

QLabel* makeHeading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QCheckBox* makeGridBox(QWidget* parent, const QString& name, const QString& rowHeading,
                       const QString& columnHeading) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    nameGridCell(box, rowHeading, columnHeading);
    return box;
}

QGridLayout* makeLoopGrid(QGroupBox* group, int loops) {
    auto* grid = new QGridLayout(group);
    makeTight(grid);
    grid->setVerticalSpacing(6);
    for (int loop = 1; loop <= loops; ++loop)
        grid->addWidget(makeHeading(loopHeading(loop), group), 0, loop);
    return grid;
}

void addLoopRow(QGridLayout* grid, int row, const QString& label, const char* prefix,
                int firstDigit, std::span<QCheckBox*> boxes) {
    QWidget* group = grid->parentWidget();
    grid->addWidget(new QLabel(label, group), row, 0);
    for (int loop = 1; loop <= static_cast<int>(boxes.size()); ++loop) {
        const QString name = QString::fromLatin1(prefix) + QString::number(firstDigit + loop - 1);
        QCheckBox* box = makeGridBox(group, name, label, loopHeading(loop));
        boxes[static_cast<std::size_t>(loop - 1)] = box;
        grid->addWidget(box, row, loop, Qt::AlignCenter);
    }
}

QWidget* makeRelayModeRow(std::span<QComboBox*> combos, const QStringList& modes, int stretch,
                          QWidget* parent) {
    auto* row = new QWidget(parent);
    row->setObjectName(QStringLiteral("RelayModes"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int relay = 1; relay <= static_cast<int>(combos.size()); ++relay) {
        const QString title = QString::fromStdString(image::texts::relayModeTitle(relay));
        auto* combo = new QComboBox(row);
        combo->setObjectName(QStringLiteral("Rele%1Combo").arg(relay));
        combo->addItems(modes);
        combo->setEditable(false);
        nameFromLabel(combo, title);
        combos[static_cast<std::size_t>(relay - 1)] = combo;
        layout->addWidget(wrapInGroup(title, combo, row), stretch);
    }
    return row;
}

void makeCompact(QGroupBox* group) {
    group->layout()->setContentsMargins(6, 2, 6, 2);
    group->layout()->setSpacing(2);
}

QGroupBox* wrapInGroup(const QString& title, QWidget* content, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(content);
    return group;
}

QListWidget* makeHiddenList(const char* name, const std::vector<std::string>& lines,
                            QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->hide();
    for (const std::string& line : lines)
        list->addItem(QString::fromStdString(line));
    return list;
}

} // namespace pemrix::forms
