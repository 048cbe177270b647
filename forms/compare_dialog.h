#pragma once
// The fields where a window's settings differ from a configuration file, in a table:
// group, field, the value in the window and the value in the file.

#include <QDialog>
#include <QString>

#include <vector>

namespace pemrix::forms {

struct FieldDifference {
    QString group;
    QString field;
    QString inWindow;
    QString inFile;
};

class CompareDialog : public QDialog {
    Q_OBJECT
  public:
    CompareDialog(const QString& fileName, const std::vector<FieldDifference>& differences,
                  QWidget* parent);
};

// What the window says when nothing differs.
QString sameAsFileText(const QString& fileName);

} // namespace pemrix::forms
