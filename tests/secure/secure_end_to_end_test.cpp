// The Orvel-416 window on the road a user takes, against a module emulated on a
// pseudo-terminal: opened from the main window, linked, read, edited, written, keys
// read into slots, the link broken and made again. Also a module of another kind, a
// silent module, and exchanges that the user cuts short or doubles up.

#include "tests/support/expander_end_to_end_rig.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

namespace pemrix::secure::testing {
namespace {

using pemrix::testing::Bytes;
using pemrix::testing::cells;
using pemrix::testing::Deadline;

class SecureEndToEndTest : public pemrix::testing::ExpanderEndToEndTest {
  protected:
    SecureEndToEndTest() : ExpanderEndToEndTest("Orvel416") {}
};

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The module's image before the user reads it: every field away from the factory
// settings, so that each control shows that it was set from the module.
Bytes moduleImage() {
    // clang-format off
    Bytes image = {
        77,   // delay
        0x25, // integration time: loops 1, 3, 6
        0x92, // silent alarm: loops 2, 5, 8
        0x1F, // keyboard locked, keys, light output, autonomous, open-door tactic
        0x41, // auto-arming: loops 1, 7
        0x0C, // 24-hour loops 3, 4
        0x5A, // relay binding: pr2, pr4, pr5, pr7
        0xE9, // number 9, relay 1 "Исполнительный", relay 2 "Контрольная лампа"
        0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F, 0x0C, // key 1 over the 24-hour loops 3, 4
        0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0x83, // key 2 over loops 1, 2, 8
    };
    // clang-format on
    image.resize(64, 0xFF);
    return image;
}

// What the window sends after the edits the user makes in the whole-road test.
Bytes editedImage() {
    // clang-format off
    Bytes image = {
        120,  // delay typed
        0x27, // it2 ticked
        0x92,
        0x1B, // power output "Звуковой"
        0x41,
        0x0C,
        0x5A,
        0xDB, // number 11 (two clicks up), relay 1 "ПЦН контрольный"
        0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F, 0x0C,
        0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0x03, // loop 8 unticked
        0x00, 0xC0, 0xFF, 0xEE, 0x00, 0x01, 0x30, // key 3 typed, over loops 5, 6
    };
    // clang-format on
    image.resize(64, 0xFF);
    return image;
}

constexpr std::uint64_t ModuleKey = 0x00A1B2C3D4E5ULL;
const QString ModuleKeyText = QStringLiteral("00A1B2C3D4E5");

// The Orvel-416 holding moduleImage(), with ModuleKey presented to it.
emulator::EmulatorConfig orvel416() {
    emulator::EmulatorConfig config;
    config.model = pemrix::link::ModuleKind::Secure;
    config.image = moduleImage();
    config.keyCode = ModuleKey;
    return config;
}

TEST_F(SecureEndToEndTest, TheWholeRoadFromLinkToReconnect) {
    ASSERT_NO_FATAL_FAILURE(startModule(orvel416()));
    openByButton();
    ASSERT_FALSE(HasFailure());
    EXPECT_THAT(opened, ElementsAre(module->devicePath())) << "COM2 as the settings map it";
    EXPECT_EQ(edit("DelayEdit")->text(), "45") << "the factory image while linking";

    ASSERT_TRUE(waitLinked());
    EXPECT_EQ(statuses.first(),
              QStringLiteral("Установка связи с расширителем...Попытка №1 из 10"));
    EXPECT_FALSE(button("ConnectButton")->isEnabled());
    EXPECT_TRUE(button("CancelButton")->isEnabled());
    // Linking alone does not make the key read usable: only the output-type rule does.
    EXPECT_FALSE(button("LoadIdButton")->isEnabled());

    // Read: every control shows the module's image.
    click(button("ReadButton"));
    ASSERT_TRUE(waitStatus(QStringLiteral("Чтение конфигурации завершено")));
    EXPECT_TRUE(button("ReadButton")->isEnabled());
    EXPECT_TRUE(button("WriteButton")->isEnabled());
    EXPECT_EQ(edit("DelayEdit")->text(), "77");
    EXPECT_EQ(mask("it"), 0x25);
    EXPECT_EQ(mask("tt"), 0x92);
    EXPECT_TRUE(box("KeyBox")->isChecked());
    EXPECT_EQ(group("TM")->itemIndex(), 0);
    EXPECT_EQ(group("SO")->itemIndex(), 1);
    EXPECT_TRUE(box("AutoBox")->isChecked());
    EXPECT_EQ(group("Taktik")->itemIndex(), 1);
    EXPECT_EQ(form->minDelay(), 1);
    EXPECT_EQ(mask("av"), 0x41);
    EXPECT_EQ(mask("ks"), 0x0C);
    EXPECT_EQ(mask("pr"), 0x5A);
    EXPECT_EQ(edit("NumberEdit")->text(), "9");
    EXPECT_EQ(combo("Rele1Combo")->currentText(), QStringLiteral("Исполнительный"));
    EXPECT_EQ(combo("Rele2Combo")->currentText(), QStringLiteral("Контрольная лампа"));
    EXPECT_EQ(id(1)->text(), "0A1B2C3D4E5F");
    EXPECT_EQ(checked(1), "00110000");
    EXPECT_FALSE(q(1, 1)->isEnabled()) << "key 1 holds 24-hour loops only";
    EXPECT_EQ(id(2)->text(), "123456789ABC");
    EXPECT_EQ(checked(2), "11000001");
    EXPECT_FALSE(q(3, 2)->isEnabled()) << "key 2 holds ordinary loops only";
    for (int slot = 3; slot <= 8; ++slot)
        EXPECT_TRUE(id(slot)->text().isEmpty()) << slot;
    EXPECT_EQ(form->BuildConfigImage(), cells(moduleImage()));

    // Edit as a user would.
    click(box("it2"));
    click(group("SO")->button(0));
    click(find<forms::UpDown>("Number")->upButton());
    click(find<forms::UpDown>("Number")->upButton());
    type(edit("DelayEdit"), "120");
    combo("Rele1Combo")->setFocus();
    QTest::keyClick(combo("Rele1Combo"), Qt::Key_Up);
    type(id(3), "00c0ffee0001");
    EXPECT_EQ(id(3)->text(), "00C0FFEE0001");
    click(q(5, 3));
    click(q(6, 3));
    click(q(8, 2));
    EXPECT_TRUE(dialogs->messages.isEmpty());
    EXPECT_TRUE(dialogs->questions.isEmpty());

    // Write: the module holds exactly the image the window builds.
    click(button("WriteButton"));
    ASSERT_TRUE(waitStatus(QStringLiteral("Запись конфигурации завершена")));
    EXPECT_TRUE(button("ReadButton")->isEnabled());
    EXPECT_TRUE(button("WriteButton")->isEnabled());
    EXPECT_EQ(module->image(), editedImage());
    EXPECT_EQ(cells(module->image()), form->BuildConfigImage());
    EXPECT_EQ(module->stats().writesStored, 1);

    // A key read with F6 into the slot the user clicked; its button is still unusable.
    EXPECT_FALSE(button("LoadIdButton")->isEnabled());
    click(id(4));
    press(Qt::Key_F6);
    ASSERT_TRUE(waitStatus(QStringLiteral("Чтение идентификатора завершено")));
    EXPECT_EQ(id(4)->text(), ModuleKeyText);
    EXPECT_EQ(checked(4), "00000000") << "authorities are the user's to give";

    // The output type chosen again makes the button usable (and empties the rows).
    click(group("TM")->button(1));
    click(group("TM")->button(0));
    ASSERT_TRUE(button("LoadIdButton")->isEnabled());
    EXPECT_TRUE(id(4)->text().isEmpty());
    click(id(6));
    click(button("LoadIdButton"));
    ASSERT_TRUE(waitStatus(QStringLiteral("Чтение идентификатора завершено")));
    EXPECT_EQ(id(6)->text(), ModuleKeyText);
    EXPECT_TRUE(button("LoadIdButton")->isEnabled()) << "a key read disables no button";

    // The same key again into another slot.
    statuses.clear();
    click(id(2));
    press(Qt::Key_F6);
    ASSERT_TRUE(waitFor([this] { return !dialogs->messages.isEmpty(); }));
    ASSERT_TRUE(waitIdle());
    EXPECT_THAT(dialogs->messages,
                ElementsAre(QStringLiteral("Идентификатор уже существует в списке")));
    EXPECT_TRUE(id(2)->text().isEmpty());
    EXPECT_EQ(id(6)->text(), ModuleKeyText);
    EXPECT_EQ(module->stats().keyAnswers, 3);

    // Break the link, then make it again.
    click(button("CancelButton"));
    EXPECT_EQ(statusText(), QStringLiteral("Нет связи с расширителем"));
    expectDown();
    EXPECT_EQ(main->portHandle(), nullptr);
    ASSERT_TRUE(waitIdle());

    click(button("ConnectButton"));
    EXPECT_FALSE(button("ConnectButton")->isEnabled()) << "pending";
    EXPECT_TRUE(button("CancelButton")->isEnabled());
    ASSERT_TRUE(waitLinked());
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_EQ(module->stats().linkAnswers, 2);

    // F3 reads back what was written.
    press(Qt::Key_F3);
    ASSERT_TRUE(waitStatus(QStringLiteral("Чтение конфигурации завершено")));
    EXPECT_EQ(form->BuildConfigImage(), cells(editedImage()));
    EXPECT_EQ(id(3)->text(), "00C0FFEE0001");
    EXPECT_EQ(dialogs->messages.size(), 1) << "nothing asked for attention but the copy";

    form->close();
    EXPECT_TRUE(main->mainKeysActive());
    EXPECT_EQ(main->portHandle(), nullptr);
}

TEST_F(SecureEndToEndTest, TheFunctionKeysOpenLinkWriteAndRead) {
    ASSERT_NO_FATAL_FAILURE(startModule(orvel416()));
    QTest::keyClick(main.get(), Qt::Key_F3);
    takeWindow();
    ASSERT_FALSE(HasFailure());
    ASSERT_TRUE(waitLinked());

    // F2 writes the factory image the window opened with.
    press(Qt::Key_F2);
    ASSERT_TRUE(waitStatus(QStringLiteral("Запись конфигурации завершена")));
    EXPECT_EQ(cells(module->image()), form->factoryImage());

    press(Qt::Key_F7);
    EXPECT_EQ(statusText(), QStringLiteral("Заводские установки выставлены"));
    type(edit("NumberEdit"), "7");
    press(Qt::Key_F3);
    ASSERT_TRUE(waitStatus(QStringLiteral("Чтение конфигурации завершено")));
    EXPECT_EQ(edit("NumberEdit")->text(), "1") << "the module's number again";

    press(Qt::Key_F5);
    EXPECT_EQ(statusText(), QStringLiteral("Нет связи с расширителем"));
    expectDown();
    ASSERT_TRUE(waitIdle());
    press(Qt::Key_F4);
    ASSERT_TRUE(waitLinked());
}

TEST_F(SecureEndToEndTest, AModuleOfAnotherKindClosesTheWindow) {
    emulator::EmulatorConfig config;
    config.model = pemrix::link::ModuleKind::FireSecure;
    ASSERT_NO_FATAL_FAILURE(startModule(config));
    openByButton();
    ASSERT_FALSE(HasFailure());

    ASSERT_TRUE(waitFor([this] { return form == nullptr; })) << "closed and gone";
    EXPECT_THAT(dialogs->messages,
                ElementsAre(QStringLiteral("Подключенный прибор имеет другой тип")));
    EXPECT_EQ(main->moduleWindow(), nullptr);
    EXPECT_TRUE(main->mainKeysActive());
    EXPECT_EQ(main->portHandle(), nullptr);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(module->stats().verdictsAccepted, 0);

    // The main window opens a new window as before.
    QTest::keyClick(main.get(), Qt::Key_F3);
    EXPECT_NE(main->moduleWindow(), nullptr);
}

TEST_F(SecureEndToEndTest, ASilentModuleLeavesTheWindowWithoutALink) {
    emulator::EmulatorConfig config = orvel416();
    config.faults.set(emulator::Fault::Silent);
    ASSERT_NO_FATAL_FAILURE(startModule(config));
    openByButton();
    ASSERT_FALSE(HasFailure());

    // Ten attempts, each waiting out the port's time-outs.
    ASSERT_TRUE(waitFor([this] { return !dialogs->messages.isEmpty(); }));
    ASSERT_TRUE(waitIdle());
    EXPECT_THAT(dialogs->messages, ElementsAre(QStringLiteral("Нет ответа от прибора")));
    EXPECT_EQ(statusText(), QStringLiteral("Нет ответа от расширителя"));
    QStringList expected;
    for (int attempt = 1; attempt <= 10; ++attempt)
        expected
            << QStringLiteral("Установка связи с расширителем...Попытка №%1 из 10").arg(attempt);
    expected << QStringLiteral("Нет ответа от расширителя");
    EXPECT_EQ(statuses, expected);
    expectDown();
    EXPECT_EQ(edit("DelayEdit")->text(), "45") << "the controls keep their contents";
}

// Another exchange asked for while one runs is refused by the main window; the
// window stays usable and the next request goes through.
TEST_F(SecureEndToEndTest, ARefusedStartLeavesTheWindowUsable) {
    emulator::EmulatorConfig config = orvel416();
    // Every byte at line speed: the key read is surely still running below.
    config.faults.set(emulator::Fault::BaudPacing);
    ASSERT_NO_FATAL_FAILURE(startModule(config));
    openByButton();
    ASSERT_FALSE(HasFailure());
    ASSERT_TRUE(waitLinked());

    click(id(5));
    press(Qt::Key_F6);
    ASSERT_NE(main->worker(), nullptr);
    click(button("ReadButton"));
    click(button("WriteButton"));
    EXPECT_TRUE(button("ReadButton")->isEnabled());
    EXPECT_TRUE(button("WriteButton")->isEnabled());
    ASSERT_TRUE(waitStatus(QStringLiteral("Чтение идентификатора завершено")));
    EXPECT_EQ(id(5)->text(), ModuleKeyText);
    EXPECT_EQ(module->stats().framesSent, 0);
    EXPECT_EQ(module->stats().writesStored, 0);

    click(button("ReadButton"));
    ASSERT_TRUE(waitStatus(QStringLiteral("Чтение конфигурации завершено")));
    EXPECT_EQ(module->stats().framesSent, 1);
    EXPECT_EQ(id(1)->text(), "0A1B2C3D4E5F");
}

// The user breaks the link just as the module's answer has come in: the worker's
// last reports must not bring the link back to a window that has let it go.
TEST_F(SecureEndToEndTest, BreakingTheLinkAsTheModuleAnswersKeepsItBroken) {
    ASSERT_NO_FATAL_FAILURE(startModule(orvel416()));
    gateNextVerdict();
    openByButton();
    ASSERT_FALSE(HasFailure());
    ASSERT_TRUE(waitFor([this] { return gateHolding(); }));

    click(button("CancelButton"));
    releaseGate();
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(statusText(), QStringLiteral("Нет связи с расширителем"));
    EXPECT_FALSE(statuses.contains(QStringLiteral("Связь установлена")));
    expectDown();

    click(button("ConnectButton"));
    ASSERT_TRUE(waitLinked());
}

// The window closed while a read's image is on its way: nothing of the exchange
// reaches it any more, even while the closed window still waits for its deletion,
// and the main window takes its keys back.
TEST_F(SecureEndToEndTest, AWindowClosedDuringAReadHearsNothingMore) {
    ASSERT_NO_FATAL_FAILURE(startModule(orvel416()));
    openByButton();
    ASSERT_FALSE(HasFailure());
    ASSERT_TRUE(waitLinked());

    gateNextVerdict();
    click(button("ReadButton"));
    ASSERT_TRUE(waitFor([this] { return gateHolding(); }));
    const QPointer<link::TComThread> worker = main->worker();
    ASSERT_NE(worker, nullptr);
    QObject::connect(edit("DelayEdit"), &QLineEdit::textChanged,
                     [this](const QString& text) { delayTexts << text; });
    statuses.clear();
    form->close();
    releaseGate();

    // Only the worker's calls run until it has ended, no deferred deletion: the
    // closed window is still there to be reached, as when a report was queued ahead
    // of its deletion.
    QDeadlineTimer deadline(Deadline);
    while (!worker->isFinished() && !deadline.hasExpired()) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QThread::yieldCurrentThread();
    }
    ASSERT_TRUE(worker->isFinished());
    EXPECT_NE(form, nullptr) << "closed, not yet deleted";
    EXPECT_THAT(delayTexts, IsEmpty()) << "the image was shown in a closed window";
    EXPECT_THAT(statuses, IsEmpty());
    EXPECT_THAT(dialogs->messages, IsEmpty());

    ASSERT_TRUE(waitIdle());
    ASSERT_TRUE(waitFor([this] { return form == nullptr; }));
    EXPECT_TRUE(main->mainKeysActive());
    EXPECT_EQ(module->stats().framesSent, 1);
}

} // namespace
} // namespace pemrix::secure::testing
