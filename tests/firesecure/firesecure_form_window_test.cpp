// The Orvel-417 window as it is created and shows images: what it has and the
// Orvel-416 window has not (the loop grid with its loop types, three relays with
// seven modes, the factory button's second loop-type pass, its middle column). What
// the two windows share is tested over both in tests/forms.

#include "tests/firesecure/firesecure_form_rig.h"

#include <gmock/gmock.h>

namespace pemrix::firesecure::testing {
namespace {

using WindowTest = FireSecureFormTest;

TEST_F(WindowTest, CreationStatesBeforeAnyImage) {
    for (int loop = 1; loop <= 4; ++loop) {
        SCOPED_TRACE(loop);
        const bool fire = loop % 2 == 1;
        EXPECT_EQ(radio(QStringLiteral("ds%1").arg(loop + 4))->isChecked(), fire);
        EXPECT_EQ(radio(QStringLiteral("ds%1").arg(loop + 4) + QLatin1Char('1'))->isChecked(),
                  !fire);
    }
    EXPECT_EQ(form->factoryImage(), fireSecureFactoryImage());
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
    setLoopType(1, true);
    click(box("ds1"));
    combo("Rele1Combo")->setCurrentIndex(2);
    click(button("DefaultButton"));
    EXPECT_EQ(form->BuildConfigImage(), form->factoryImage());
    EXPECT_EQ(state("ds1"), "--");
}

// As drawn, where the screen has room: the mode boxes under the middle column's groups.
TEST_F(WindowTest, TheModeBoxesAreInTheMiddleColumnUnderTheOutputType) {
    open();
    form->fitInto(QRect(0, 0, 2000, 2000));
    EXPECT_TRUE(find<QWidget>("MiddleColumn")->isAncestorOf(box("KeyBox")));
    EXPECT_GT(box("KeyBox")->mapTo(form, QPoint(0, 0)).y(),
              group("TM")->mapTo(form, QPoint(0, group("TM")->height())).y());
}

} // namespace
} // namespace pemrix::firesecure::testing
