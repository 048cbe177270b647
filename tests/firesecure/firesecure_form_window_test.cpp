// The Orvel-417 window as it is created and shows images: what it has and the
// Orvel-416 window has not (the loop grid with its loop types, three relays with
// seven modes, the factory button's second loop-type pass, its file line and its
// own status text). The shared buttons, keys and file mechanics are tested with the
// Orvel-416 window and in tests/forms.

#include "tests/firesecure/firesecure_form_rig.h"

#include "forms/accessible_names.h"
#include "image/expander_file.h"
#include "tests/support/temp_folder.h"

#include <QListWidget>
#include <gmock/gmock.h>

namespace pemrix::firesecure::testing {
namespace {

using ::testing::ElementsAre;
using WindowTest = FireSecureFormTest;

TEST_F(WindowTest, CreationStatesBeforeAnyImage) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Охранно-пожарный модуль \"Orvel - 417\""));
    EXPECT_EQ(form->helpTopic(), 29);
    EXPECT_EQ(pemrix::link::kindValue(form->moduleKind()), 1);
    EXPECT_EQ(form->minDelay(), 0);
    EXPECT_EQ(edit("DelayEdit")->text(), "1");
    EXPECT_EQ(edit("NumberEdit")->text(), "0");
    EXPECT_EQ(group("SO")->itemIndex(), 1);
    EXPECT_EQ(group("Taktik")->itemIndex(), 1);
    EXPECT_EQ(group("TM")->itemIndex(), 0);
    for (int loop = 1; loop <= 4; ++loop) {
        SCOPED_TRACE(loop);
        const bool fire = loop % 2 == 1;
        EXPECT_EQ(radio(QStringLiteral("ds%1").arg(loop + 4))->isChecked(), fire);
        EXPECT_EQ(radio(QStringLiteral("ds%1").arg(loop + 4) + QLatin1Char('1'))->isChecked(),
                  !fire);
    }
    const QStringList modes = {
        QStringLiteral("ПЦН тревога"),    QStringLiteral("ПЦН контрольный"),
        QStringLiteral("Исполнительный"), QStringLiteral("Контрольная лампа"),
        QStringLiteral("ПЦН внимание"),   QStringLiteral("Пожарная тревога"),
        QStringLiteral("Неисправность")};
    for (int relay = 1; relay <= 3; ++relay) {
        SCOPED_TRACE(relay);
        QComboBox* list = combo(QStringLiteral("Rele%1Combo").arg(relay));
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        EXPECT_EQ(items, modes);
        EXPECT_FALSE(list->isEditable());
        EXPECT_EQ(list->currentIndex(), 0);
    }
    EXPECT_FALSE(find<QListWidget>("ListBox1")->isVisibleTo(form));
    EXPECT_EQ(form->factoryImage(), fireSecureFactoryImage());
}

TEST_F(WindowTest, EveryOperatedControlHasAUniqueSpokenName) {
    open();
    EXPECT_THAT(forms::namingProblems(form), ::testing::IsEmpty());
    EXPECT_EQ(forms::spokenName(box("avks7")), QStringLiteral("Круглосуточно, ШС3"));
    EXPECT_EQ(forms::spokenName(radio("ds61")), QStringLiteral("Тип ШС охранный, ШС2"));
}

TEST_F(WindowTest, ImagesAreShownThroughTheRulesAndBuiltBack) {
    struct Row {
        const char* what;
        std::vector<std::pair<int, int>> cells;
        int relay1, relay2, relay3;
        std::vector<std::pair<int, int>> builtBack; // cells the window builds
    };
    const Row rows[] = {
        {"factory", {}, 0, 5, 6, {{3, 194}, {4, 192}, {5, 195}, {6, 40}, {7, 193}}},
        {"relay 1 on fire loops in 0x2C", {{5, 0xCC}, {6, 0x2C}}, 4, 5, 6, {{6, 0x2C}}},
        {"bits 6 and 7 of byte 6 ignored", {{5, 0xCC}, {6, 0xEC}}, 4, 5, 6, {{6, 0x2C}}},
        {"code 7 shows no item and is built back", {{6, 0x3F}}, -1, -1, 6, {{6, 0x3F}}},
        {"all security loops correct the fire modes", {{4, 0x00}}, 0, 0, 0, {{4, 0x00}, {6, 0}}},
        {"relay 1 and 3 on loops 1 and 3, number 15",
         {{4, 0xD0}, {5, 0xC5}, {7, 0x5F}},
         4,
         5,
         6,
         {{7, 0x5F}}},
        // The delay is shown before the tactic: 0 passes, then "Откр. дверь" raises it.
        {"delay 0 with the open-door tactic", {{0, 0}, {3, 194 | 16}}, 0, 5, 6, {{0, 1}, {3, 210}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        open();
        std::vector<int> image = form->factoryImage();
        for (auto [offset, value] : row.cells)
            image[static_cast<std::size_t>(offset)] = value;
        form->ApplyConfigImage(image);
        EXPECT_THAT(dialogs->messages, ::testing::IsEmpty());
        EXPECT_EQ(mode(1), row.relay1);
        EXPECT_EQ(mode(2), row.relay2);
        EXPECT_EQ(mode(3), row.relay3);
        const std::vector<int> built = form->BuildConfigImage();
        for (auto [offset, value] : row.builtBack)
            EXPECT_EQ(built[static_cast<std::size_t>(offset)], value) << "cell " << offset;
    }
    open();
    EXPECT_EQ(form->BuildConfigImage(), form->factoryImage());
}

// Relay 3's binding is set after the relay 1 and 2 bindings: a binding change there
// finds relay 3 bound to nothing, forces "ПЦН контрольный", and relay 3's fire
// binding then raises it to "Неисправность", whatever fire mode the image held.
TEST_F(WindowTest, Relay3ModeOfAnImageDependsOnWhatTheWindowShowedBefore) {
    struct Row {
        int imageMode;
        int relay1Binding;
        int expected;
    };
    const Row rows[] = {
        {4, 0xC1, 6},
        {5, 0xC1, 6},
        {4, 0xC3, 4},
        {5, 0xC3, 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.imageMode << " " << row.relay1Binding);
        open();
        click(box("ss7"));
        click(box("ss8"));
        ASSERT_EQ(mode(3), 1);
        std::vector<int> image = form->factoryImage();
        image[3] = (image[3] & 0x1F) | (row.imageMode << 5);
        image[5] = row.relay1Binding;
        form->ApplyConfigImage(image);
        EXPECT_EQ(mode(3), row.expected);
    }
}

TEST_F(WindowTest, FactoryButtonRestoresTheImageAndRunsTheLoopTypeRuleAgain) {
    open();
    link();
    setLoopType(1, true);
    click(box("ds1"));
    combo("Rele1Combo")->setCurrentIndex(2);
    click(button("DefaultButton"));
    EXPECT_EQ(statusText(), QStringLiteral("Заводские установки выставлены"));
    EXPECT_EQ(form->BuildConfigImage(), form->factoryImage());
    EXPECT_EQ(state("ds1"), "--");
    EXPECT_TRUE(button("WriteButton")->isEnabled());
    EXPECT_TRUE(host.workers.empty());
}

TEST_F(WindowTest, FilesCarryKind1AndRefuseAnOrvel416File) {
    open();
    pemrix::testing::TempFolder folder;
    const auto file = folder / "fire.cfg";
    dialogs->fileNames = {QString::fromStdString(file.string())};
    click(button("SaveButton"));
    EXPECT_EQ(statusText(), QStringLiteral("Запись конфигурации в файл завершена"));
    std::string text = pemrix::testing::readBytes(file);
    EXPECT_EQ(text, pemrix::image::expanderFileText(fireSecureFactoryImage(),
                                                    pemrix::link::ModuleKind::FireSecure));
    EXPECT_TRUE(text.ends_with("\r\n255\r\n1\r\n"));

    text.replace(text.size() - 3, 1, "2");
    text.replace(0, 2, "99");
    pemrix::testing::writeBytes(file, text);
    dialogs->fileNames = {QString::fromStdString(file.string())};
    click(button("LoadButton"));
    EXPECT_THAT(dialogs->messages,
                ElementsAre(QStringLiteral(
                    "Ошибка чтения файла конфигурации. Нет совпадения типа прибора.")));
    EXPECT_EQ(edit("DelayEdit")->text(), "45");
}

// As drawn, where the screen has room: 758 x 522, wider only where the columns'
// captions need it; the mode boxes under the middle column's groups.
TEST_F(WindowTest, TheWindowIsAsDrawnWhereTheScreenHasRoom) {
    open();
    form->fitInto(QRect(0, 0, 2000, 2000));
    EXPECT_NEAR(form->height(), 522, 522 * 0.02);
    EXPECT_GE(form->width(), 758 * 0.98);
    EXPECT_TRUE(find<QWidget>("MiddleColumn")->isAncestorOf(box("KeyBox")));
    EXPECT_GT(box("KeyBox")->mapTo(form, QPoint(0, 0)).y(),
              group("TM")->mapTo(form, QPoint(0, group("TM")->height())).y());
}

} // namespace
} // namespace pemrix::firesecure::testing
