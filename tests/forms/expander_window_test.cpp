// Either expander window as it is created and opened: the controls both have with
// their names, captions, hints and states, accessible names, the link operations and
// layouts, the exchange reports as they reach it, and its size on the screen.

#include "tests/support/expander_window_rig.h"

#include "forms/accessible_names.h"
#include "link/reports.h"
#include "tests/forms/reachable_controls.h"

#include <QListWidget>
#include <QScreen>
#include <gmock/gmock.h>

#include <memory>

namespace pemrix::testing {
namespace {

using ::testing::ElementsAre;
using WindowTest = ExpanderWindowTest;
PEMRIX_OVER_EXPANDER_WINDOWS(WindowTest);

TEST_P(WindowTest, CreationClosesThePortTakesTheKeysAndStartsPending) {
    RecordingHost other;
    const std::unique_ptr<forms::ExpanderWindow> made(window().make(other));
    EXPECT_THAT(other.calls, ElementsAre("closePort", "created"));
    EXPECT_EQ(made->windowTitle(), window().title);
    EXPECT_EQ(made->helpTopic(), window().helpTopic);
    EXPECT_EQ(made->moduleKind(), window().kind);
    EXPECT_EQ(made->minDelay(), 0);
    EXPECT_EQ(made->targetIdEdit(), nullptr);
}

TEST_P(WindowTest, ButtonsCarryTheirCaptionsHintsAndInitialStates) {
    struct Row {
        const char* name;
        QString caption;
        QString hint;
        bool enabled;
    };
    const Row rows[] = {
        {"WriteButton", QStringLiteral("Записать конфигурацию в прибор"),
         QStringLiteral("Записать конфигурацию в прибор (F2)"), false},
        {"ReadButton", QStringLiteral("Считать конфигурацию из прибора"),
         QStringLiteral("Считать конфигурацию из прибора (F3)"), false},
        {"ConnectButton", QStringLiteral("Установить связь"), QStringLiteral("Установить связь F4"),
         false},
        {"CancelButton", QStringLiteral("Разорвать связь"), QStringLiteral("Разорвать связь F5"),
         true},
        {"LoadIdButton", QStringLiteral("Считать идентификатор"),
         QStringLiteral("Считать идентификатор F6"), false},
        {"DefaultButton", QStringLiteral("Заводские установки"),
         QStringLiteral("Заводские установки F7"), true},
        {"SaveButton", QStringLiteral("Записать в файл"), QStringLiteral("Записать в файл F9"),
         true},
        {"LoadButton", QStringLiteral("Считать файл"), QStringLiteral("Считать файл F10"), true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QPushButton* control = button(row.name);
        EXPECT_EQ(control->text(), row.caption);
        EXPECT_EQ(control->toolTip(), row.hint);
        EXPECT_EQ(control->isEnabled(), row.enabled);
    }
}

TEST_P(WindowTest, ChoicesOfferTheirItemsInOrder) {
    for (int relay = 1; relay <= window().relays; ++relay) {
        SCOPED_TRACE(relay);
        QComboBox* list = combo(QStringLiteral("Rele%1Combo").arg(relay));
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        EXPECT_EQ(items, window().relayModes);
        EXPECT_FALSE(list->isEditable());
        EXPECT_EQ(list->currentIndex(), 0);
    }
    struct Group {
        const char* name;
        QString title;
        QStringList items;
        int initial;
    };
    const Group groups[] = {
        {"TM",
         QStringLiteral("Тип выхода ТМ:"),
         {QStringLiteral("Идентификатор"), QStringLiteral("Секретная кнопка")},
         0},
        {"Taktik",
         QStringLiteral("Тактика работы ШС1:"),
         {QStringLiteral("Закр. дверь"), QStringLiteral("Откр. дверь")},
         1},
        {"SO",
         QStringLiteral("Силовой выход:"),
         {QStringLiteral("Звуковой"), QStringLiteral("Световой")},
         1},
    };
    for (const Group& g : groups) {
        SCOPED_TRACE(g.name);
        EXPECT_EQ(group(g.name)->title(), g.title);
        QStringList items;
        for (int i = 0; i < group(g.name)->count(); ++i)
            items << group(g.name)->button(i)->text();
        EXPECT_EQ(items, g.items);
        EXPECT_EQ(group(g.name)->itemIndex(), g.initial);
    }
    EXPECT_EQ(box("KeyBox")->text(), QStringLiteral("Блокировка клавиатуры"));
    EXPECT_EQ(box("AutoBox")->text(), QStringLiteral("Автономная работа"));
    EXPECT_EQ(edit("DelayEdit")->text(), window().initialDelay);
    EXPECT_EQ(edit("NumberEdit")->text(), "0");
    EXPECT_EQ(upDown("Delay")->maximum(), 254);
    EXPECT_EQ(upDown("Number")->maximum(), 15);
}

TEST_P(WindowTest, EveryKeySlotAndTheFactoryListExistByName) {
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(id(k)->maxLength(), 12);
        EXPECT_EQ(id(k)->property("tag").toInt(), k);
        for (int n = 1; n <= 8; ++n) {
            EXPECT_EQ(q(n, k)->property("tag").toInt(), k);
            EXPECT_FALSE(q(n, k)->isChecked());
        }
    }
    auto* factory = find<QListWidget>("ListBox2");
    EXPECT_TRUE(factory->isHidden());
    EXPECT_TRUE(find<QListWidget>("ListBox1")->isHidden());
    ASSERT_EQ(factory->count(), 64);
    EXPECT_EQ(factory->item(0)->text(), "45");
    EXPECT_EQ(factory->item(63)->text(), "255");
}

TEST_P(WindowTest, EveryOperatedControlHasAUniqueSpokenName) {
    open();
    EXPECT_THAT(forms::namingProblems(form), ::testing::IsEmpty());
    EXPECT_EQ(forms::spokenName(id(7)), QStringLiteral("Идентификатор 7"));
    EXPECT_EQ(forms::spokenName(edit("DelayEdit")), QStringLiteral("Время задержки"));
    EXPECT_EQ(forms::spokenName(edit("NumberEdit")), QStringLiteral("Номер расширителя"));
    EXPECT_EQ(forms::spokenName(combo("Rele2Combo")), QStringLiteral("Режим работы реле №2"));
    for (const auto& [name, spoken] : window().spokenNames)
        EXPECT_EQ(forms::spokenName(find<QWidget>(name)), spoken) << name;
}

TEST_P(WindowTest, WriteSendsTheImageReadAsksForOneARefusedStartLeavesThemUsable) {
    open();
    link();
    click(button("WriteButton"));
    ASSERT_EQ(host.workers.size(), 1u);
    EXPECT_EQ(host.workers[0].kind, window().kind);
    EXPECT_EQ(pemrix::link::operationValue(host.workers[0].operation), 1);
    EXPECT_EQ(host.workers[0].data, form->factoryImage());
    EXPECT_FALSE(button("WriteButton")->isEnabled());
    EXPECT_FALSE(button("ReadButton")->isEnabled());

    link::LinkUp(*form); // the write finished (WriteDone)
    click(button("ReadButton"));
    ASSERT_EQ(host.workers.size(), 2u);
    EXPECT_EQ(pemrix::link::operationValue(host.workers[1].operation), 2);
    EXPECT_TRUE(host.workers[1].data.empty());
    EXPECT_FALSE(button("WriteButton")->isEnabled());

    // A start the host refuses (another exchange still runs) leaves the buttons usable.
    link::LinkUp(*form);
    host.acceptWorkers = false;
    click(button("WriteButton"));
    click(button("ReadButton"));
    EXPECT_TRUE(button("WriteButton")->isEnabled());
    EXPECT_TRUE(button("ReadButton")->isEnabled());
}

TEST_P(WindowTest, BreakingAndMakingTheLinkSwitchLayouts) {
    open();
    link();
    host.calls.clear();
    click(button("CancelButton"));
    EXPECT_THAT(host.calls, ElementsAre("stopWorker", "closePort"));
    EXPECT_EQ(statusText(), QStringLiteral("Нет связи с расширителем"));
    EXPECT_FALSE(button("WriteButton")->isEnabled());
    EXPECT_FALSE(button("ReadButton")->isEnabled());
    EXPECT_FALSE(button("LoadIdButton")->isEnabled());
    EXPECT_TRUE(button("ConnectButton")->isEnabled());
    EXPECT_FALSE(button("CancelButton")->isEnabled());
    EXPECT_TRUE(find<QWidget>("IdBox")->isEnabled());

    host.calls.clear();
    click(button("ConnectButton"));
    EXPECT_THAT(host.calls, ElementsAre("closePort", "StartLink"));
    EXPECT_FALSE(button("ConnectButton")->isEnabled());
    EXPECT_TRUE(button("CancelButton")->isEnabled());
    EXPECT_FALSE(button("WriteButton")->isEnabled());
}

TEST_P(WindowTest, ReportsReachTheStatusBarAndTheButtons) {
    open();
    link::ShowReport(*form, 7, 3);
    EXPECT_EQ(statusText(), QStringLiteral("Установка связи с расширителем...Попытка №") + "3" +
                                QStringLiteral(" из 10"));
    link::ShowReport(*form, 8, 0);
    link::LinkUp(*form);
    EXPECT_EQ(statusText(), QStringLiteral("Связь установлена"));
    // The status bar's own message: what assistive tools read from it.
    EXPECT_EQ(forms::spokenName(find<QStatusBar>("StatusBar1")),
              QStringLiteral("Связь установлена"));
    EXPECT_TRUE(button("WriteButton")->isEnabled());
    EXPECT_TRUE(button("ReadButton")->isEnabled());
    EXPECT_FALSE(button("LoadIdButton")->isEnabled()) << "only the output-type rule enables it";

    link::ShowReport(*form, 1, 0);
    EXPECT_THAT(dialogs->messages, ElementsAre(QStringLiteral("Нет ответа от прибора")));
    EXPECT_EQ(statusText(), QStringLiteral("Нет ответа от расширителя"));
    EXPECT_TRUE(button("ConnectButton")->isEnabled());
    EXPECT_FALSE(button("CancelButton")->isEnabled());
}

TEST_P(WindowTest, AModuleOfAnotherKindClosesTheWindow) {
    open();
    host.calls.clear();
    link::ShowReport(*form, 2, 0);
    EXPECT_THAT(dialogs->messages,
                ElementsAre(QStringLiteral("Подключенный прибор имеет другой тип")));
    EXPECT_THAT(host.calls, ElementsAre("closed", "stopWorker", "closePort"));
    EXPECT_FALSE(form->isVisible());
}

TEST_P(WindowTest, FactorySettingsRestoreTheImageAndKeepTheLink) {
    open();
    link();
    click(box(window().roundTheClock(3)));
    choose("TM", 1);
    type(edit("NumberEdit"), "7");
    click(button("DefaultButton"));
    EXPECT_EQ(form->BuildConfigImage(), form->factoryImage());
    EXPECT_EQ(statusText(), QStringLiteral("Заводские установки выставлены"));
    EXPECT_TRUE(button("WriteButton")->isEnabled());
    EXPECT_TRUE(host.workers.empty());
}

TEST_P(WindowTest, ClosingGivesTheKeysBackStopsTheWorkerAndClosesThePort) {
    open();
    host.calls.clear();
    form->close();
    EXPECT_THAT(host.calls, ElementsAre("closed", "stopWorker", "closePort"));
}

// The window stays within the screen, every control reachable by scrolling on a small
// one. With room it is as drawn (wider where captions need it), write and read the
// widest buttons.
TEST_P(WindowTest, TheWindowFitsTheScreenAsDrawn) {
    open();
    const QRect screen = form->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(form->frameGeometry()))
        << "on a screen of " << screen.width() << "x" << screen.height();
    EXPECT_EQ(forms::testing::unreachableControls(form), QStringList());

    form->fitInto(QRect(0, 0, 2000, 2000));
    QApplication::processEvents();
    EXPECT_NEAR(form->height(), window().drawn.height(), window().drawn.height() * 0.02);
    EXPECT_GE(form->width(), window().drawn.width() * 0.98);
    for (QPushButton* other : form->findChildren<QPushButton*>()) {
        if (other != button("WriteButton") && other != button("ReadButton")) {
            EXPECT_LT(other->width(), button("WriteButton")->width());
        }
    }

    form->fitInto(QRect(0, 0, 480, 360));
    QApplication::processEvents();
    EXPECT_LE(form->width(), 480);
    EXPECT_LE(form->height(), 360);
    EXPECT_EQ(forms::testing::unreachableControls(form), QStringList());
    EXPECT_TRUE(find<QStatusBar>("StatusBar1")->isVisible());
}

} // namespace
} // namespace pemrix::testing
