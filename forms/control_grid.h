#pragma once
// Building blocks of the module windows' grids: column headings, the text-less check
// boxes of a grid (named after their row and column for assistive tools), a control
// in a titled group, and the hidden string lists.

#include <QString>

#include <string>
#include <vector>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QListWidget;
class QWidget;

namespace pemrix::forms {

// The grids of a window stand side by side: tight columns keep the window near its
// given width.
void makeTight(QGridLayout* grid);

// "ШС<loop>": the heading of a loop's column.
QString loopHeading(int loop);

// A centred column heading.
QLabel* makeHeading(const QString& text, QWidget* parent);

// A check box without a caption, spoken as "<row>, <column>".
QCheckBox* makeGridBox(QWidget* parent, const QString& name, const QString& rowHeading,
                       const QString& columnHeading);

// A group's contents close to its frame, where a row or column of groups must keep
// within the window.
void makeCompact(QGroupBox* group);

// `content` alone inside a group titled `title`.
QGroupBox* wrapInGroup(const QString& title, QWidget* content, QWidget* parent);

// A hidden list of strings (a line buffer, or an image as decimal strings).
QListWidget* makeHiddenList(const char* name, const std::vector<std::string>& lines,
                            QWidget* parent);

} // namespace pemrix::forms
