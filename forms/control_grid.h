#pragma once
// Building blocks of the module windows' grids: column headings, the text-less check
// boxes of a grid (named after their row and column for assistive tools), the loop
// grids and relay-mode rows of the expanders, a control in a titled group, and the
// hidden string lists.

#include <QString>
#include <QStringList>

#include <span>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
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

// The texts of a list's items in the user's language, from the tables the windows share
// with their images (catalog sources).
QStringList itemTexts(std::span<const char* const> items);

// A centred column heading.
QLabel* makeHeading(const QString& text, QWidget* parent);

// A check box without a caption, spoken as "<row>, <column>".
QCheckBox* makeGridBox(QWidget* parent, const QString& name, const QString& rowHeading,
                       const QString& columnHeading);

// The grid of the loop group `group`: tight columns, the headings "ШС1".."ШС<loops>"
// over columns 1..loops of row 0.
QGridLayout* makeLoopGrid(QGroupBox* group, int loops);

// Row `row` of a loop grid: `label` in column 0, then boxes[i] (made here) in column
// i + 1, named <prefix><firstDigit + i> and spoken as "<label>, ШС<i + 1>".
void addLoopRow(QGridLayout* grid, int row, const QString& label, const char* prefix,
                int firstDigit, std::span<QCheckBox*> boxes);

// The row "RelayModes": for relay n = 1..combos.size(), combos[n - 1] (made here) is
// the list Rele<n>Combo of `modes` in a group "Режим работы реле №<n>:" of stretch
// `stretch`.
QWidget* makeRelayModeRow(std::span<QComboBox*> combos, const QStringList& modes, int stretch,
                          QWidget* parent);

// A group's contents close to its frame, where a row or column of groups must keep
// within the window.
void makeCompact(QGroupBox* group);

// `content` alone inside a group titled `title`.
QGroupBox* wrapInGroup(const QString& title, QWidget* content, QWidget* parent);

// A hidden list of strings (a line buffer, or an image as decimal strings).
QListWidget* makeHiddenList(const char* name, const std::vector<std::string>& lines,
                            QWidget* parent);

} // namespace pemrix::forms
