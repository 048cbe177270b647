#include "forms/control_grid.h"

#include "forms/accessible_names.h"

#include <QCheckBox>
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
    return QStringLiteral("ШС%1").arg(loop);
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
