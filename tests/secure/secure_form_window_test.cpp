// The Orvel-416 window as it is created and opened: its controls with their names,
// captions, hints and states, accessible names, the link operations and layouts, and
// the exchange reports as they reach it.

#include "tests/secure/secure_form_rig.h"

#include "forms/accessible_names.h"
#include "link/reports.h"
#include "tests/forms/reachable_controls.h"

#include <QListWidget>
#include <QScreen>
#include <gmock/gmock.h>

namespace pemrix::secure::testing {
namespace {

using ::testing::ElementsAre;
using WindowTest = SecureFormTest;

TEST_F(WindowTest, CreationClosesThePortTakesTheKeysAndStartsPending) {
    RecordingHost other;
    TSecureForm window(other);
    EXPECT_THAT(other.calls, ElementsAre("closePort", "created"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Охранный модуль \"Orvel - 416\""));
    EXPECT_EQ(window.minDelay(), 0);
    EXPECT_EQ(window.targetIdEdit(), nullptr);
    other.calls.clear();
}

TEST_F(WindowTest, ButtonsCarryTheirCaptionsHintsAndInitialStates) {
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

TEST_F(WindowTest, ChoicesOfferTheirItemsInOrder) {
    const QStringList modes = {QStringLiteral("ПЦН тревога"), QStringLiteral("ПЦН контрольный"),
                               QStringLiteral("Исполнительный"),
                               QStringLiteral("Контрольная лампа")};
    for (const char* name : {"Rele1Combo", "Rele2Combo"}) {
        SCOPED_TRACE(name);
        QStringList items;
        for (int i = 0; i < combo(name)->count(); ++i)
            items << combo(name)->itemText(i);
        EXPECT_EQ(items, modes);
        EXPECT_FALSE(combo(name)->isEditable());
        EXPECT_EQ(combo(name)->currentIndex(), 0);
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
    EXPECT_EQ(edit("DelayEdit")->text(), "0");
    EXPECT_EQ(edit("NumberEdit")->text(), "0");
    EXPECT_EQ(upDown("Delay")->maximum(), 254);
    EXPECT_EQ(upDown("Number")->maximum(), 15);
}

TEST_F(WindowTest, EveryGridControlExistsByName) {
    for (const char* prefix : {"it", "av", "tt", "ks", "pr"})
        for (int n = 1; n <= 8; ++n)
            EXPECT_NE(form->findChild<QCheckBox*>(QStringLiteral("%1%2").arg(prefix).arg(n)),
                      nullptr)
                << prefix << n;
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

TEST_F(WindowTest, EveryOperatedControlHasAUniqueSpokenName) {
    open();
    EXPECT_THAT(forms::namingProblems(form), ::testing::IsEmpty());
    EXPECT_EQ(forms::spokenName(box("tt3")), QStringLiteral("Тихая тревога, ШС3"));
    EXPECT_EQ(forms::spokenName(q(3, 7)), QStringLiteral("Идентификатор 7, ШС3"));
    EXPECT_EQ(forms::spokenName(id(7)), QStringLiteral("Идентификатор 7"));
    EXPECT_EQ(forms::spokenName(edit("DelayEdit")), QStringLiteral("Время задержки"));
    EXPECT_EQ(forms::spokenName(edit("NumberEdit")), QStringLiteral("Номер расширителя"));
    EXPECT_EQ(forms::spokenName(combo("Rele2Combo")), QStringLiteral("Режим работы реле №2"));
    EXPECT_EQ(forms::spokenName(box("pr6")), QStringLiteral("Привязка реле 2, ШС3–ШС4"));
}

TEST_F(WindowTest, TheFactoryImageIsShownAndBuiltBackUnchanged) {
    open();
    EXPECT_EQ(form->BuildConfigImage(), form->factoryImage());
    EXPECT_EQ(edit("DelayEdit")->text(), "45");
    EXPECT_EQ(group("Taktik")->itemIndex(), 0);
    EXPECT_EQ(group("SO")->itemIndex(), 0);
    EXPECT_EQ(edit("NumberEdit")->text(), "1");
    EXPECT_TRUE(box("tt7")->isChecked());
    EXPECT_TRUE(box("pr3")->isChecked());
    EXPECT_FALSE(box("pr4")->isChecked());
    EXPECT_TRUE(box("pr8")->isChecked());
}

TEST_F(WindowTest, AnImageIsShownFieldByField) {
    open();
    std::vector<int> image(64, 255);
    const int head[] = {200, 0x81, 0x42, 0xE0 | 0x1D, 0x18, 0x00, 0x5A, 0xE5};
    std::copy(std::begin(head), std::end(head), image.begin());
    form->ApplyConfigImage(image);
    EXPECT_EQ(edit("DelayEdit")->text(), "200");
    EXPECT_TRUE(box("it1")->isChecked());
    EXPECT_TRUE(box("it8")->isChecked());
    EXPECT_TRUE(box("tt2")->isChecked());
    EXPECT_TRUE(box("KeyBox")->isChecked());
    EXPECT_EQ(group("TM")->itemIndex(), 1);
    EXPECT_EQ(group("SO")->itemIndex(), 1);
    EXPECT_TRUE(box("AutoBox")->isChecked());
    EXPECT_EQ(group("Taktik")->itemIndex(), 1);
    EXPECT_TRUE(box("av4")->isChecked());
    EXPECT_TRUE(box("av5")->isChecked());
    EXPECT_TRUE(box("pr2")->isChecked());
    EXPECT_TRUE(box("pr7")->isChecked());
    EXPECT_EQ(edit("NumberEdit")->text(), "5");
    EXPECT_EQ(combo("Rele1Combo")->currentIndex(), 2);
    EXPECT_EQ(combo("Rele2Combo")->currentIndex(), 3);
    // Bits 5..7 of byte 3 are not kept.
    auto built = form->BuildConfigImage();
    image[3] = 0x1D;
    EXPECT_EQ(built, image);
}

TEST_F(WindowTest, ValuesOutsideAByteAreShownWithoutFailing) {
    open();
    std::vector<int> image = form->factoryImage();
    image[0] = 300;  // read as its low byte, 44
    image[7] = -1;   // 255: number 15, both relays "Контрольная лампа"
    image[8] = 1000; // a record starting 0xE8
    form->ApplyConfigImage(image);
    EXPECT_EQ(edit("DelayEdit")->text(), "44");
    EXPECT_EQ(edit("NumberEdit")->text(), "15");
    EXPECT_EQ(combo("Rele2Combo")->currentIndex(), 3);
    EXPECT_EQ(id(1)->text(), "E8FFFFFFFFFF");
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_F(WindowTest, WriteSendsTheImageAndReadAsksForOne) {
    open();
    link();
    click(button("WriteButton"));
    ASSERT_EQ(host.workers.size(), 1u);
    EXPECT_EQ(pemrix::link::kindValue(host.workers[0].kind), 2);
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
}

TEST_F(WindowTest, AnExchangeTheHostRefusesLeavesTheButtonsUsable) {
    open();
    link();
    host.acceptWorkers = false;
    click(button("WriteButton"));
    click(button("ReadButton"));
    EXPECT_TRUE(button("WriteButton")->isEnabled());
    EXPECT_TRUE(button("ReadButton")->isEnabled());
}

TEST_F(WindowTest, BreakingAndMakingTheLinkSwitchLayouts) {
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

TEST_F(WindowTest, ReportsReachTheStatusBarAndTheButtons) {
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

TEST_F(WindowTest, AModuleOfAnotherKindClosesTheWindow) {
    open();
    host.calls.clear();
    link::ShowReport(*form, 2, 0);
    EXPECT_THAT(dialogs->messages,
                ElementsAre(QStringLiteral("Подключенный прибор имеет другой тип")));
    EXPECT_THAT(host.calls, ElementsAre("closed", "stopWorker", "closePort"));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(WindowTest, FactorySettingsRestoreTheImageAndKeepTheLink) {
    open();
    link();
    click(box("it3"));
    choose("TM", 1);
    type(edit("NumberEdit"), "7");
    click(button("DefaultButton"));
    EXPECT_EQ(form->BuildConfigImage(), form->factoryImage());
    EXPECT_EQ(statusText(), QStringLiteral("Заводские установки выставлены"));
    EXPECT_TRUE(button("WriteButton")->isEnabled());
    EXPECT_TRUE(host.workers.empty());
}

TEST_F(WindowTest, ClosingGivesTheKeysBackStopsTheWorkerAndClosesThePort) {
    open();
    host.calls.clear();
    form->close();
    EXPECT_THAT(host.calls, ElementsAre("closed", "stopWorker", "closePort"));
}

// The window stays within the screen, every control reachable by scrolling on a small
// one. With room it is as drawn: 743 x 515 (wider where the bottom row's captions need
// it), that row in one line, write and read the widest buttons.
TEST_F(WindowTest, TheWindowFitsTheScreenAsDrawn) {
    open();
    const QRect screen = form->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(form->frameGeometry()))
        << "on a screen of " << screen.width() << "x" << screen.height();
    EXPECT_EQ(forms::testing::unreachableControls(form), QStringList());

    form->fitInto(QRect(0, 0, 2000, 2000));
    QApplication::processEvents();
    EXPECT_NEAR(form->height(), 515, 515 * 0.02);
    EXPECT_GE(form->width(), 743 * 0.98);
    // TM, Taktik, the delay and number groups, the mode frame, SO: made in this order.
    const auto row =
        find<QWidget>("BottomRow")->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(row.size(), 6);
    for (qsizetype i = 1; i < row.size(); ++i) {
        EXPECT_EQ(row[i]->y(), row[0]->y()) << i;
        EXPECT_GT(row[i]->x(), row[i - 1]->geometry().right()) << i;
    }
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
} // namespace pemrix::secure::testing
