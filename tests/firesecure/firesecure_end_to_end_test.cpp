// The Orvel-417 window on the road a user takes, against an Orvel-417 emulated on a
// pseudo-terminal: opened with F5 from the main window, linked, read, edited under
// the loop and relay rules, written, a key read into a slot, saved to a file and
// loaded back, closed. The shared road's failures are tested with the Orvel-416.

#include "tests/support/expander_end_to_end_rig.h"

#include "tests/support/temp_folder.h"

namespace pemrix::firesecure::testing {
namespace {

using pemrix::testing::Bytes;
using pemrix::testing::cells;
using ::testing::ElementsAre;

class FireSecureEndToEndTest : public pemrix::testing::ExpanderEndToEndTest {
  protected:
    FireSecureEndToEndTest() : ExpanderEndToEndTest("FireSecureButton") {}
};

// Every loop a security loop but loop 4; relay 1 on loops 1 and 2 "Исполнительный",
// relay 2 on loop 4 "ПЦН внимание", relay 3 on loop 3 "Контрольная лампа"; one key.
Bytes moduleImage() {
    // clang-format off
    Bytes image = {
        30,   // delay
        0x09, // integration time on loops 1 and 4
        0x82, // auto-arming of loop 2; loop 4 round the clock
        0x6B, // keyboard locked, keys, autonomous, relay 3 "Контрольная лампа"
        0x80, // loop 4 a fire loop
        0x83, // relay 1 on loops 1 and 2, relay 2 on loop 4
        0x22, // relay 1 "Исполнительный", relay 2 "ПЦН внимание"
        0x47, // number 7, relay 3 on loop 3
        0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F, 0x43, // arms loops 1 and 2, disarms loop 3
    };
    // clang-format on
    image.resize(64, 0xFF);
    return image;
}

TEST_F(FireSecureEndToEndTest, F5OpensTheWindowThatLinksReadsEditsWritesAndKeepsFiles) {
    emulator::EmulatorConfig config;
    config.model = pemrix::link::ModuleKind::FireSecure;
    config.image = moduleImage();
    config.keyCode = 0x00A1B2C3D4E5ULL;
    ASSERT_NO_FATAL_FAILURE(startModule(std::move(config)));
    QTest::keyClick(main.get(), Qt::Key_F5);
    takeWindow();
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Охранно-пожарный модуль \"Orvel - 417\""));
    ASSERT_TRUE(waitLinked());

    press(Qt::Key_F3);
    ASSERT_TRUE(waitStatus(QStringLiteral("Чтение конфигурации завершено")));
    EXPECT_EQ(form->BuildConfigImage(), cells(moduleImage()));
    EXPECT_EQ(combo("Rele3Combo")->currentText(), QStringLiteral("Контрольная лампа"));
    EXPECT_EQ(id(1)->text(), "0A1B2C3D4E5F");

    // Loop 1 turned fire: relay 1 goes to "ПЦН внимание" and leaves loop 2; loop 1
    // is now a 24-hour loop, so key 1, arming it, loses arming of ordinary loop 2.
    click(find<QRadioButton>("ds5"));
    EXPECT_EQ(combo("Rele1Combo")->currentText(), QStringLiteral("ПЦН внимание"));
    EXPECT_FALSE(box("pr2")->isChecked());
    EXPECT_TRUE(q(1, 1)->isChecked());
    EXPECT_FALSE(q(2, 1)->isChecked());
    EXPECT_TRUE(q(7, 1)->isChecked());

    press(Qt::Key_F2);
    ASSERT_TRUE(waitStatus(QStringLiteral("Запись конфигурации завершена")));
    const std::vector<int> written = form->BuildConfigImage();
    EXPECT_EQ(cells(module->image()), written);
    EXPECT_EQ(module->image()[4], 0x90) << "loops 1 and 4 fire loops";

    // F6 while TM is on "Идентификатор", although LoadIdButton is unusable.
    EXPECT_FALSE(button("LoadIdButton")->isEnabled());
    click(id(3));
    press(Qt::Key_F6);
    ASSERT_TRUE(waitStatus(QStringLiteral("Чтение идентификатора завершено")));
    EXPECT_EQ(id(3)->text(), "00A1B2C3D4E5");

    pemrix::testing::TempFolder folder;
    const QString file = QString::fromStdString((folder / "fire").string());
    dialogs->fileNames = {file};
    press(Qt::Key_F9);
    EXPECT_EQ(statusText(), QStringLiteral("Запись конфигурации в файл завершена"));
    const std::vector<int> saved = form->BuildConfigImage();
    press(Qt::Key_F7);
    EXPECT_EQ(form->BuildConfigImage(), form->factoryImage());
    dialogs->fileNames = {file + ".cfg"};
    press(Qt::Key_F10);
    EXPECT_EQ(statusText(), QStringLiteral("Чтение конфигурации из файла завершено"));
    EXPECT_EQ(form->BuildConfigImage(), saved);
    EXPECT_TRUE(dialogs->messages.isEmpty());

    form->close();
    EXPECT_TRUE(main->mainKeysActive());
    EXPECT_EQ(main->portHandle(), nullptr);
}

} // namespace
} // namespace pemrix::firesecure::testing
