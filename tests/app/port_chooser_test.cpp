// The device behind a port as the user sets and sees it: the chooser beside the
// ports, over a device tree of the test's own with a stable link to a real
// pseudo-terminal, and the status-bar label that names the device or the problem.

#include "app/port_chooser_dialog.h"
#include "emulator/pseudo_terminal.h"
#include "ports/port_settings.h"
#include "tests/app/expected_texts.h"
#include "tests/app/main_form_rig.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <functional>

namespace pemrix::app::testing {
namespace {

namespace fs = std::filesystem;
using pemrix::testing::TempFolder;

// A port that could not be opened and says why.
class FailedPort : public RecordingPort {
  public:
    FailedPort(std::string device, Journal& journal, link::PortError error)
        : RecordingPort(std::move(device), journal), error_(std::move(error)) {}
    std::optional<link::PortError> openError() const override { return error_; }

  private:
    link::PortError error_;
};

class PortChooserTest : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        fs::create_directories(byId());
        fs::create_symlink(pty.slavePath(), adapterLink());
    }

    fs::path byId() const { return root / "dev/serial/by-id"; }
    fs::path adapterLink() const { return byId() / "usb-FTDI_FT232R_A1-if00-port0"; }

    TMainForm& makeFormOverTree() {
        makeForm();
        form->setSystemRoots(root.path(), root / "proc");
        form->show();
        return *form;
    }

    PortChooserDialog* openChooser() {
        control<QToolButton>("PortChooserButton")->click();
        return form->findChild<PortChooserDialog*>();
    }

    static void pickRowEndingWith(PortChooserDialog& dialog, const QString& ending) {
        auto* list = dialog.findChild<QListWidget*>("DeviceList");
        const auto found = list->findItems(ending, Qt::MatchEndsWith);
        ASSERT_EQ(found.size(), 1) << ending.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found.front()).center());
    }

    static void press(PortChooserDialog& dialog, QDialogButtonBox::StandardButton which) {
        dialog.findChild<QDialogButtonBox*>("DialogButtons")->button(which)->click();
    }

    static QString mappedDevice(int port) {
        bool failed = false;
        const auto store = ports::openSettingsStore(failed);
        return ports::mappedDeviceForPort(store.get(), port);
    }

    QLabel* label() const { return control<QLabel>("PortDeviceLabel"); }

    emulator::PseudoTerminal pty;
    TempFolder root;
};

TEST_F(PortChooserTest, AssignsTheChosenDeviceToTheCheckedPort) {
    const QString link = QString::fromStdString(adapterLink().string());
    using Act = std::function<void(PortChooserDialog&)>;
    const struct {
        const char* name;
        QByteArray stored; // the settings before
        Act act;
        QString mapped; // [Devices] COM2 after
        QString shown;  // the device the label names
    } rows[] = {
        {"the pseudo-terminal's link, OK", "",
         [&](PortChooserDialog& d) {
             pickRowEndingWith(d, QString::fromStdString(" → " + pty.slavePath()));
             EXPECT_EQ(d.chosenDevice(), link);
             press(d, QDialogButtonBox::Ok);
         },
         link, link},
        {"a path typed in, OK", "",
         [](PortChooserDialog& d) {
             QTest::keyClicks(d.findChild<QLineEdit*>("DevicePath"), " /dev/ttyUSB9 ");
             press(d, QDialogButtonBox::Ok);
         },
         "/dev/ttyUSB9", "/dev/ttyUSB9"},
        {"the path emptied, OK", "[Devices]\nCOM2=/dev/ttyUSB5\n",
         [](PortChooserDialog& d) {
             EXPECT_EQ(d.chosenDevice(), "/dev/ttyUSB5");
             d.findChild<QLineEdit*>("DevicePath")->clear();
             press(d, QDialogButtonBox::Ok);
         },
         "", "/dev/ttyS1"},
        {"a row picked, Cancel", "[Devices]\nCOM2=/dev/ttyUSB5\n",
         [&](PortChooserDialog& d) {
             pickRowEndingWith(d, QString::fromStdString(" → " + pty.slavePath()));
             press(d, QDialogButtonBox::Cancel);
         },
         "/dev/ttyUSB5", "/dev/ttyUSB5"},
        {"Escape", "",
         [](PortChooserDialog& d) {
             QTest::keyClicks(d.findChild<QLineEdit*>("DevicePath"), "/dev/ttyACM0");
             QTest::keyClick(&d, Qt::Key_Escape);
         },
         "", "/dev/ttyS1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        clearConfig();
        writeConfig("Pemrix/Pemrix.conf", row.stored);
        makeFormOverTree();
        control<QRadioButton>("com2")->setChecked(true);

        PortChooserDialog* dialog = openChooser();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("Устройство порта COM2"));
        row.act(*dialog);
        deleteClosedWindows();
        EXPECT_EQ(form->findChild<PortChooserDialog*>(), nullptr);

        EXPECT_EQ(mappedDevice(2), row.mapped);
        EXPECT_EQ(label()->toolTip(), QString::fromUtf8("Устройство порта COM2: ") + row.shown);
    }
    EXPECT_EQ(label()->text(), "COM2: /dev/ttyS1");
}

TEST_F(PortChooserTest, FunctionKeysDoNotPassTheChooser) {
    makeFormOverTree();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    PortChooserDialog* dialog = openChooser();
    QApplication::setActiveWindow(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));

    for (Qt::Key key : {Qt::Key_F3, Qt::Key_F5}) {
        QTest::keyClick(dialog, key);
        EXPECT_EQ(form->moduleWindow(), nullptr);
    }
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(PortChooserTest, APortThatDidNotOpenSaysWhyUntilThePortChanges) {
    makeFormOverTree();
    const link::PortError missing{link::PortErrorKind::NoSuchPort, 2,
                                  "нет такого файла или устройства"};
    form->setPortOpener([this, missing](const std::string& device) -> PortPtr {
        journal.add("open " + device);
        return std::make_shared<FailedPort>(device, journal, missing);
    });

    form->Orvel416Click();
    ASSERT_NE(openWindow(), nullptr);
    const auto& entries = journal.entries;
    EXPECT_NE(std::find(entries.begin(), entries.end(), "open /dev/ttyS0"), entries.end());
    EXPECT_EQ(label()->text(), QString::fromUtf8("COM1: устройство не найдено"));
    EXPECT_TRUE(label()->toolTip().startsWith("Порт COM1 (/dev/ttyS0): устройство не найдено."));
    // The window says so at once, with the layout of no link, and no attempt is made.
    EXPECT_EQ(openWindow()->findChild<QStatusBar*>("StatusBar1")->currentMessage(),
              label()->toolTip());
    EXPECT_EQ(form->worker(), nullptr);
    EXPECT_TRUE(openWindow()->button("ConnectButton")->isEnabled());
    EXPECT_FALSE(openWindow()->button("CancelButton")->isEnabled());
    // A line that fails under the window's exchange is told on the label as well.
    openWindow()->lineLost({link::PortErrorKind::Gone, 5, "устройство отключено"});
    EXPECT_EQ(label()->text(), QString::fromUtf8("COM1: устройство отключено"));
    openWindow()->close();
    deleteClosedWindows();

    control<QRadioButton>("com3")->setChecked(true);
    EXPECT_EQ(label()->text(), "COM3: /dev/ttyS2");
}

TEST_F(PortChooserTest, AUserOutsideTheSerialGroupIsToldOnStartUp) {
    if (!ports::groupNamed("dialout"))
        GTEST_SKIP() << "the system has no dialout group";
    makeFormOverTree();
    // The test's devices belong to the test's user; the usual group is named then.
    form->setSystemRoots(root / "empty", root / "proc");
    form->noteSerialGroup(ports::UserGroups{true, {}});
    EXPECT_EQ(label()->text(), "COM1: /dev/ttyS0");

    form->noteSerialGroup(ports::UserGroups{false, {65533}});
    EXPECT_EQ(label()->text(), QString::fromUtf8("Пользователь не в группе dialout"));
    EXPECT_TRUE(label()->toolTip().contains("usermod -aG dialout"));
    control<QRadioButton>("com2")->setChecked(true);
    EXPECT_EQ(label()->text(), "COM2: /dev/ttyS1");
}

// The chooser follows the ports it serves; the bottom row goes from left to right.
TEST_F(PortChooserTest, TabVisitsTheControlsInTheOrderTheyStand) {
    makeFormOverTree();
    std::string visited;
    QWidget* const first = control<QRadioButton>("com1");
    QWidget* widget = first;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            visited += widget->objectName().toStdString() + ' ';
        widget = widget->nextInFocusChain();
    } while (widget != first);
    EXPECT_EQ(visited, "com1 com2 com3 com4 PortChooserButton Orvel416 FireSecureButton Orvel427 "
                       "JournalButton MainHelp ");
}

// A bigger desktop font widens the version text; the device label gives way.
TEST_F(PortChooserTest, TheVersionKeepsItsRoomBesideALongDevice) {
    const QString device = QStringLiteral("/dev/serial/by-id/"
                                          "usb-Silicon_Labs_CP2102_USB_to_UART_Bridge_Controller_"
                                          "0001-if00-port0");
    const QFont usual = QApplication::font();
    for (const int pointSize : {0, 12, 16}) {
        SCOPED_TRACE(pointSize);
        clearConfig();
        writeConfig("Pemrix/Pemrix.conf", "[Devices]\nCOM1=" + device.toUtf8() + "\n");
        if (pointSize > 0) {
            QFont font = usual;
            font.setPointSize(pointSize);
            QApplication::setFont(font);
        }
        makeFormOverTree();
        auto* bar = control<QStatusBar>("MainStatusBar");
        bar->layout()->activate();

        // The status bar draws its message 6 px in and stops 2 px short of the
        // first permanent widget.
        const int messageWidth = label()->x() - 8;
        EXPECT_GE(messageWidth, bar->fontMetrics().horizontalAdvance(expected::version));
        EXPECT_LE(label()->geometry().right(), bar->width());
        EXPECT_EQ(label()->toolTip(), QString::fromUtf8("Устройство порта COM1: ") + device);
        QApplication::setFont(usual);
    }
}

} // namespace
} // namespace pemrix::app::testing
