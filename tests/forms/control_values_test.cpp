// Rows of check boxes as the bits of an image byte, and mode lists as mode codes.

#include "forms/control_values.h"

#include <QCheckBox>
#include <QComboBox>
#include <gtest/gtest.h>

#include <array>

namespace pemrix::forms {
namespace {

TEST(ControlValuesTest, ARowOfBoxesIsTheBitsFromItsFirstBit) {
    struct Row {
        int firstBit;
        std::uint8_t mask;
        std::array<bool, 4> checked;
        std::uint8_t builtBack; // only the row's own bits
    };
    for (const Row& row : {Row{0, 0xA5, {true, false, true, false}, 0x05},
                           Row{4, 0xA5, {false, true, false, true}, 0xA0},
                           Row{4, 0x0F, {false, false, false, false}, 0x00}}) {
        SCOPED_TRACE(row.firstBit);
        std::array<QCheckBox, 4> boxes;
        const std::array<QCheckBox*, 4> row4 = {&boxes[0], &boxes[1], &boxes[2], &boxes[3]};
        checkFromMask(row4, row.mask, row.firstBit);
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(boxes[i].isChecked(), row.checked[i]) << i;
        EXPECT_EQ(maskOf(row4, row.firstBit), row.builtBack);
    }
}

// The Orvel-417's three-bit mode fields may carry code 7, which names no item.
TEST(ControlValuesTest, ACodeWithoutAnItemShowsNoItemAndIsBuiltBackUntilOneIsPicked) {
    QComboBox combo;
    combo.addItems({"0", "1", "2", "3", "4", "5", "6"});
    EXPECT_EQ(comboCode(&combo), 0);

    struct Step {
        int set; // -1: the user picks item 2 instead
        int shownIndex;
        int code;
    };
    for (const Step& step :
         {Step{3, 3, 3}, Step{7, -1, 7}, Step{-1, 2, 2}, Step{7, -1, 7}, Step{6, 6, 6}}) {
        SCOPED_TRACE(step.set);
        if (step.set >= 0)
            setComboCode(&combo, step.set);
        else
            combo.setCurrentIndex(2);
        EXPECT_EQ(combo.currentIndex(), step.shownIndex);
        EXPECT_EQ(comboCode(&combo), step.code);
    }
    QComboBox empty;
    empty.addItems({"0", "1"});
    empty.setCurrentIndex(-1);
    EXPECT_EQ(comboCode(&empty), 0) << "no item and no code kept";
}

} // namespace
} // namespace pemrix::forms
