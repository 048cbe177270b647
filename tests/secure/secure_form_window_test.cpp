// The Orvel-416 window's own controls and images: its eight-loop grid, its factory
// settings, an image shown field by field, and its bottom row. What it shares with the
// Orvel-417 window is tested over both windows in tests/forms.

#include "secure/secure_form.h"
#include "tests/support/module_window_rig.h"

#include <QGroupBox>

namespace pemrix::secure::testing {
namespace {

using WindowTest = pemrix::testing::ModuleWindowTest<TSecureForm>;

TEST_F(WindowTest, EveryGridControlExistsByName) {
    for (const char* prefix : {"it", "av", "tt", "ks", "pr"})
        for (int n = 1; n <= 8; ++n)
            EXPECT_NE(form->findChild<QCheckBox*>(QStringLiteral("%1%2").arg(prefix).arg(n)),
                      nullptr)
                << prefix << n;
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

// With room, the bottom row in one line: TM, Taktik, the delay and number groups, the
// mode frame, SO, made in this order.
TEST_F(WindowTest, TheBottomRowIsOneLineWhereTheScreenHasRoom) {
    open();
    form->fitInto(QRect(0, 0, 2000, 2000));
    QApplication::processEvents();
    const auto row =
        find<QWidget>("BottomRow")->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(row.size(), 6);
    for (qsizetype i = 1; i < row.size(); ++i) {
        EXPECT_EQ(row[i]->y(), row[0]->y()) << i;
        EXPECT_GT(row[i]->x(), row[i - 1]->geometry().right()) << i;
    }
}

} // namespace
} // namespace pemrix::secure::testing
