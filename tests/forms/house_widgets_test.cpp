// The house widgets that make Qt's controls behave as the module windows need:
// radio groups, spin buttons bound to an edit, upper-case edits, the general error
// report and the accessible-name convention.

#include "forms/accessible_names.h"
#include "forms/dialogs.h"
#include "forms/error_report.h"
#include "forms/radio_group.h"
#include "forms/up_down.h"
#include "forms/upper_case_validator.h"
#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>
#include <gtest/gtest.h>

namespace pemrix::forms {
namespace {

TEST(RadioGroupTest, ReportsEveryChangeOfItemOnceWhoeverMakesIt) {
    RadioGroup group(QStringLiteral("Тип:"),
                     {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    group.setObjectName(QStringLiteral("TM"));
    QList<int> changes;
    QObject::connect(&group, &RadioGroup::changed, [&](int index) { changes << index; });

    EXPECT_EQ(group.itemIndex(), -1);
    group.setItemIndex(1);
    group.setItemIndex(1); // the same item: no change
    group.button(2)->click();
    group.button(2)->click();
    group.setItemIndex(-1);
    EXPECT_EQ(changes, (QList<int>{1, 2, -1}));
    EXPECT_EQ(group.itemIndex(), -1);
    group.setItemIndex(0);
    EXPECT_EQ(group.itemIndex(), 0);
    EXPECT_EQ(group.button(1)->objectName(), QStringLiteral("TM_1"));
    EXPECT_EQ(group.count(), 3);
}

TEST(RadioGroupTest, FillsColumnsTopToBottom) {
    RadioGroup group(QStringLiteral("Выход:"), {"1", "2", "3"}, 2);
    group.show();
    EXPECT_EQ(group.button(0)->x(), group.button(1)->x());
    EXPECT_LT(group.button(0)->x(), group.button(2)->x());
}

struct Spin {
    QWidget window;
    QLineEdit* edit = new QLineEdit(QStringLiteral("0"), &window);
    UpDown* upDown = new UpDown(edit, 0, 15, &window);
};

TEST(UpDownTest, SettingThePositionRewritesTheEditSoItsRuleRuns) {
    Spin spin;
    QSignalSpy changed(spin.edit, &QLineEdit::textChanged);
    spin.upDown->setPosition(7);
    EXPECT_EQ(spin.edit->text(), "7");
    EXPECT_EQ(changed.count(), 1);
    spin.upDown->setPosition(7); // same text: nothing to run
    EXPECT_EQ(changed.count(), 1);
    spin.upDown->setPosition(99);
    EXPECT_EQ(spin.edit->text(), "15");
    spin.upDown->setPosition(-4);
    EXPECT_EQ(spin.edit->text(), "0");
}

TEST(UpDownTest, ThePositionIsReadFromTheText) {
    Spin spin;
    struct Row {
        const char* text;
        int position;
    };
    // Text that is no number in range keeps the last good position.
    const Row rows[] = {{"12", 12}, {" 3 ", 3}, {"abc", 3}, {"", 3}, {"16", 3}, {"15", 15}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        spin.edit->setText(QString::fromLatin1(row.text));
        EXPECT_EQ(spin.upDown->position(), row.position);
    }
}

TEST(UpDownTest, ButtonsAndArrowKeysStepWithoutWrapping) {
    Spin spin;
    spin.upDown->upButton()->click();
    spin.upDown->upButton()->click();
    EXPECT_EQ(spin.edit->text(), "2");
    spin.upDown->downButton()->click();
    spin.upDown->downButton()->click();
    spin.upDown->downButton()->click();
    EXPECT_EQ(spin.edit->text(), "0");
    spin.upDown->setPosition(15);
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(spin.edit, &up);
    EXPECT_EQ(spin.edit->text(), "15");
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(spin.edit, &down);
    EXPECT_EQ(spin.edit->text(), "14");
}

TEST(UpperCaseValidatorTest, CapitalisesTypedAndSetText) {
    QLineEdit edit;
    edit.setValidator(new UpperCaseValidator(&edit));
    QStringList seen;
    QObject::connect(&edit, &QLineEdit::textChanged, [&](const QString& text) { seen << text; });
    edit.setText(QStringLiteral("ab1"));
    EXPECT_EQ(edit.text(), "AB1");
    EXPECT_EQ(seen, QStringList{"AB1"}) << "one change, already in capitals";
    edit.insert(QStringLiteral("f"));
    EXPECT_EQ(edit.text(), "AB1F");
}

TEST(ErrorReportTest, ConversionErrorsBecomeTheErrorBoxAndStopTheHandler) {
    pemrix::testing::ScriptedDialogs& dialogs = pemrix::testing::ScriptedDialogs::installNew();
    EXPECT_EQ(toInteger(QStringLiteral(" -12 ")), -12);
    bool finished = false;
    EXPECT_FALSE(runReported(nullptr, [&] {
        toInteger(QStringLiteral("1O"));
        finished = true;
    }));
    EXPECT_FALSE(finished);
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("«1O» — не целое число.")});
    EXPECT_TRUE(runReported(nullptr, [&] { finished = true; }));
    EXPECT_TRUE(finished);
    EXPECT_THROW(toInteger(QStringLiteral("99999999999")), GeneralError);
    Dialogs::install(nullptr);
}

TEST(AccessibleNamesTest, NamesFollowOneConvention) {
    EXPECT_EQ(accessibleLabel(QStringLiteral(" &Время задержки: ")),
              QStringLiteral("Время задержки"));
    EXPECT_EQ(gridCellName(QStringLiteral("Тихая тревога"), QStringLiteral("ШС3")),
              QStringLiteral("Тихая тревога, ШС3"));
}

TEST(AccessibleNamesTest, FindsControlsWithoutOrWithTheSameName) {
    QWidget window;
    auto* named = new QCheckBox(QStringLiteral("Блокировка"), &window);
    named->setObjectName("named");
    auto* bare = new QCheckBox(&window);
    bare->setObjectName("bare");
    auto* twin = new QPushButton(QStringLiteral("Блокировка"), &window);
    twin->setObjectName("twin");
    auto* hidden = new QLineEdit(&window);
    hidden->hide();
    const QStringList problems = namingProblems(&window);
    EXPECT_EQ(problems.size(), 2) << problems.join("; ").toStdString();
    nameGridCell(bare, QStringLiteral("Автовзятие"), QStringLiteral("ШС1"));
    twin->setAccessibleName(QStringLiteral("Другая"));
    EXPECT_TRUE(namingProblems(&window).isEmpty());
    EXPECT_EQ(spokenName(bare), QStringLiteral("Автовзятие, ШС1"));
}

} // namespace
} // namespace pemrix::forms
