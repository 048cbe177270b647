#pragma once
// The controls of a module window under test, found by their object names and
// driven as a user drives them: clicks, typed text, focus moves.

#include "forms/radio_group.h"
#include "forms/up_down.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace pemrix::testing {

class WindowControls {
  public:
    virtual ~WindowControls() = default;

    // The window whose controls these are; nullptr once it is gone.
    virtual QWidget* controlsWindow() const = 0;

    template <class T> T* find(const QString& name) const {
        QWidget* window = controlsWindow();
        T* control = window != nullptr ? window->findChild<T*>(name) : nullptr;
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QCheckBox* box(const QString& name) const { return find<QCheckBox>(name); }
    // Authority box q<column><slot>.
    QCheckBox* q(int column, int slot) const {
        return box(QStringLiteral("q%1%2").arg(column).arg(slot));
    }
    // The authority boxes q1<slot>..q8<slot> as '1' (checked, enabled) and '0'.
    std::string checked(int slot) const { return authorityRow(slot, &QCheckBox::isChecked); }
    std::string enabled(int slot) const { return authorityRow(slot, &QCheckBox::isEnabled); }
    QLineEdit* edit(const QString& name) const { return find<QLineEdit>(name); }
    QLineEdit* id(int slot) const { return edit(QStringLiteral("Id%1").arg(slot)); }
    QPushButton* button(const QString& name) const { return find<QPushButton>(name); }
    forms::RadioGroup* group(const QString& name) const { return find<forms::RadioGroup>(name); }
    forms::UpDown* upDown(const QString& name) const { return find<forms::UpDown>(name); }
    QComboBox* combo(const QString& name) const { return find<QComboBox>(name); }
    QString statusText() const {
        QWidget* window = controlsWindow();
        auto* bar = window != nullptr ? window->findChild<QStatusBar*>("StatusBar1") : nullptr;
        return bar != nullptr ? bar->currentMessage() : QString();
    }

    // A click with the mouse: the control takes the focus, then toggles.
    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    void choose(const QString& groupName, int item) { click(group(groupName)->button(item)); }
    // Replaces the edit's text by typing, as a user selecting all and typing would.
    void type(QLineEdit* target, const QString& text) {
        click(target);
        target->selectAll();
        if (text.isEmpty())
            QTest::keyClick(target, Qt::Key_Delete);
        else
            QTest::keyClicks(target, text);
    }
    // Puts a complete key into a slot with authority in `columns`.
    void setKey(int slot, const QString& key, const std::vector<int>& columns) {
        type(id(slot), key);
        for (int column : columns)
            click(q(column, slot));
    }

  private:
    template <class Test> std::string authorityRow(int slot, Test test) const {
        std::string row;
        for (int column = 1; column <= 8; ++column)
            row += (q(column, slot)->*test)() ? '1' : '0';
        return row;
    }
};

} // namespace pemrix::testing
