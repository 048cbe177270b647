// The relay window on the road a user takes, against an Orvel-426 and an Orvel-427
// emulated on a pseudo-terminal: opened from the main window's relay button, linked
// (four or eight tabs), read, edited, written, saved and loaded, the link broken into
// demonstration mode and made again.

#include "app/main_form.h"
#include "app/module_windows.h"
#include "emulator/emulator.h"
#include "forms/dialogs.h"
#include "link/com_thread.h"
#include "link/system_serial_port.h"
#include "link/timing.h"
#include "relay/relay_form.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_rig.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTabWidget>

#include <gmock/gmock.h>

#include <memory>

namespace pemrix::relay::testing {
namespace {

constexpr int Deadline = 30000; // only a hang reaches it

struct Road {
    pemrix::link::ModuleKind model;
    int variant;
    const char* tabs;
};

class RelayEndToEndTest : public ::testing::TestWithParam<Road>,
                          public pemrix::testing::WindowControls {
  protected:
    void SetUp() override { dialogs = &pemrix::testing::ScriptedDialogs::installNew(); }
    void TearDown() override {
        delete form.data();
        main.reset();
        EXPECT_TRUE(QTest::qWaitFor([] { return link::TComThread::liveCount() == 0; }, Deadline));
        module.reset();
        QFile::remove(settingsFile());
        forms::Dialogs::install(nullptr);
    }
    static QString settingsFile() {
        return QFile::decodeName(qgetenv("XDG_CONFIG_HOME")) + "/Pemrix/Pemrix.conf";
    }

    // The module on its terminal, the user's COM3 mapped to it, the main window up.
    void startModule(pemrix::link::ModuleKind model, std::vector<std::uint8_t> image) {
        emulator::EmulatorConfig config;
        config.model = model;
        config.image = std::move(image);
        module = std::make_unique<emulator::Emulator>(std::move(config));
        module->start();
        QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
        QFile settings(settingsFile());
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        settings.write("[Devices]\nCOM3=" + QByteArray::fromStdString(module->devicePath()) +
                       "\n[Port]\nPortNumber=2\n");
        settings.close();

        main = std::make_unique<app::TMainForm>();
        app::registerModuleWindows(*main);
        main->setExchangeTiming(link::Timing::zero());
        main->setPortOpener([](const std::string& device) -> app::PortPtr {
            return link::SystemSerialPort::open(device,
                                                link::OpenOptions{std::chrono::milliseconds{0}});
        });
        main->show();
        QApplication::setActiveWindow(main.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    QWidget* controlsWindow() const override { return form.data(); }
    bool waitFor(const std::function<bool()>& done) const {
        return QTest::qWaitFor(done, Deadline);
    }
    bool waitStatus(const QString& text) const {
        return waitFor([this, text] { return statusText() == text && main->worker() == nullptr; });
    }
    QString visibleTabs() const {
        auto* tabs = find<QTabWidget>("Rele");
        QString shown;
        for (int index = 0; index < tabs->count(); ++index)
            shown += tabs->isTabVisible(index) ? '1' : '0';
        return shown;
    }

    pemrix::testing::ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<emulator::Emulator> module;
    std::unique_ptr<app::TMainForm> main;
    QPointer<TReleForm> form;
};

// The module's image: every kind of cell away from the factory settings.
std::vector<std::uint8_t> moduleImage() {
    std::vector<std::uint8_t> image(relayFactoryImage().begin(), relayFactoryImage().end());
    image[20] = 0x90;                   // source 21: relays 5 and 8
    image[Cell::TypeBase + 4] = 0x0F;   // "неисправность" for relays 1..4
    image[Cell::Version] = 12;          // the module's software
    image[Cell::ControllingDevice] = 1; // "Orvel-ЛОН РПУ"
    image[Cell::Speed] = Speed4800Code;
    image[62] = 0x7F; // relays 1..7 "ПЦН тревога"
    image[56] = 0x80; // relay 8 "Звуковой"
    return image;
}

TEST_P(RelayEndToEndTest, LinksReadsEditsWritesSavesAndFallsBackToDemonstration) {
    const Road road = GetParam();
    ASSERT_NO_FATAL_FAILURE(startModule(road.model, moduleImage()));
    QTest::mouseClick(main->findChild<QPushButton*>("Orvel427"), Qt::LeftButton);
    form = qobject_cast<TReleForm*>(main->moduleWindow());
    ASSERT_NE(form, nullptr);

    ASSERT_TRUE(
        waitFor([this] { return button("ReadButton")->isEnabled() && main->worker() == nullptr; }));
    EXPECT_EQ(statusText(), QStringLiteral("Связь установлена"));
    EXPECT_EQ(visibleTabs(), road.tabs);
    EXPECT_FALSE(find<QWidget>("Orvel427")->isVisible());

    click(button("ReadButton"));
    ASSERT_TRUE(waitStatus(QStringLiteral("Чтение конфигурации завершено")));
    EXPECT_EQ(find<QLabel>("version")->text(), "v12");
    EXPECT_EQ(group("Ved")->itemIndex(), 1);
    EXPECT_TRUE(box("iz521")->isChecked());
    EXPECT_EQ(combo("Rele8Combo")->currentIndex(), RelayMode::Sound);
    const std::vector<std::uint8_t> bytes = moduleImage();
    std::vector<int> expected(bytes.begin(), bytes.end());
    expected[Cell::Version] = 0;
    EXPECT_THAT(form->BuildConfigImage(), ::testing::ElementsAreArray(expected));

    form->findChild<QCheckBox*>("iz333")->setChecked(true);
    expected[32] = 0x04;
    click(button("WriteButton"));
    ASSERT_TRUE(waitStatus(QStringLiteral("Запись конфигурации завершена")));
    const std::vector<std::uint8_t> written = module->image();
    EXPECT_THAT(written, ::testing::ElementsAreArray(expected));

    // F5 breaks the link; the checked "Orvel - 426" then decides the tabs.
    QTest::keyClick(form.data(), Qt::Key_F5);
    EXPECT_EQ(statusText(), QStringLiteral("Нет связи с модулем. Демонстрационный режим"));
    EXPECT_EQ(visibleTabs(), "11110000");
    EXPECT_TRUE(find<QWidget>("Orvel427")->isVisible());

    // Saved in demonstration mode, the file names variant 6; loaded with the link
    // made again, the module's variant stays.
    pemrix::testing::TempFolder folder;
    const QString path = QString::fromStdString((folder / "relay.cfg").string());
    dialogs->fileNames.push_back(path);
    QTest::keyClick(form.data(), Qt::Key_F9);
    QTest::keyClick(form.data(), Qt::Key_F4);
    ASSERT_TRUE(
        waitFor([this] { return button("ReadButton")->isEnabled() && main->worker() == nullptr; }));
    EXPECT_EQ(visibleTabs(), road.tabs);
    dialogs->fileNames.push_back(path);
    QTest::keyClick(form.data(), Qt::Key_F10);
    EXPECT_EQ(statusText(), QStringLiteral("Чтение конфигурации из файла завершено"));
    EXPECT_EQ(visibleTabs(), road.tabs);
    EXPECT_THAT(form->BuildConfigImage(), ::testing::ElementsAreArray(expected));
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Variants, RelayEndToEndTest,
                         ::testing::Values(Road{pemrix::link::ModuleKind::Rele4, 6, "11110000"},
                                           Road{pemrix::link::ModuleKind::Rele8, 5, "11111111"}));

} // namespace
} // namespace pemrix::relay::testing
