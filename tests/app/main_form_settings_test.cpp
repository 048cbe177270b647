// The port choice kept between runs.

#include "tests/app/expected_texts.h"
#include "tests/app/main_form_rig.h"

#include "link/system_serial_port.h"

#include <QRadioButton>

namespace pemrix::app::testing {
namespace {

const QString storeFile = QStringLiteral("Pemrix/Pemrix.conf");

class PortSettingsTest : public MainFormTest {
  protected:
    // Which of com1..com4 is checked, as 1..4; 0 when none or more than one.
    int checkedPort() const {
        int checked = 0;
        for (int n = 1; n <= 4; ++n) {
            auto* button = control<QRadioButton>(QString("com%1").arg(n).toLatin1().constData());
            if (button == nullptr)
                return -1;
            if (button->isChecked())
                checked = checked == 0 ? n : 0;
        }
        return checked;
    }

    void choosePort(int n) {
        control<QRadioButton>(QString("com%1").arg(n).toLatin1().constData())->setChecked(true);
    }
};

TEST_F(PortSettingsTest, FirstRunCreatesTheStoreAndChecksCom1) {
    makeForm();
    EXPECT_TRUE(QFileInfo(configDir() + "/Pemrix").isDir());
    EXPECT_EQ(checkedPort(), 1);

    form.reset();
    EXPECT_EQ(readConfig(storeFile), QByteArray("[Port]\nPortNumber=0\n"));
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

// COM1 is stored as "0" ... COM4 as "3".
TEST_F(PortSettingsTest, TheChosenPortIsStoredAsItsIndexAndCheckedAtTheNextStart) {
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE(n);
        makeForm();
        choosePort(n);
        form.reset();
        EXPECT_TRUE(
            readConfig(storeFile).contains(QString("PortNumber=%1\n").arg(n - 1).toLatin1()));

        makeForm();
        EXPECT_EQ(checkedPort(), n);
        form.reset();
    }
}

TEST_F(PortSettingsTest, AnUnusableStoredValueLeavesCom1) {
    for (const char* stored : {"7", "abc", "4", "-1", "", "1.5", "0x2", "3abc"}) {
        SCOPED_TRACE(stored);
        writeConfig(storeFile, QByteArray("[Port]\nPortNumber=") + stored + "\n");
        makeForm();
        EXPECT_EQ(checkedPort(), 1);
        EXPECT_TRUE(dialogs->messages.isEmpty());
        form.reset();
        // The program's own choice replaces the bad value.
        EXPECT_TRUE(readConfig(storeFile).contains("PortNumber=0\n"));
    }
}

TEST_F(PortSettingsTest, AStoreWithoutThePortKeepsItsOtherSettings) {
    writeConfig(storeFile, "[Devices]\nCOM2=/dev/ttyUSB0\n");
    makeForm();
    EXPECT_EQ(checkedPort(), 1);
    choosePort(2);
    form.reset();
    const QByteArray stored = readConfig(storeFile);
    EXPECT_TRUE(stored.contains("COM2=/dev/ttyUSB0")) << stored.constData();
    EXPECT_TRUE(stored.contains("PortNumber=1")) << stored.constData();
}

TEST_F(PortSettingsTest, AStoreThatCannotBeCreatedIsReportedAndTheChoiceLivesOneLevelUp) {
    // A plain file where the program's folder belongs: the folder cannot be made.
    writeConfig("Pemrix", "in the way");
    makeForm();
    EXPECT_EQ(dialogs->messages, QStringList{expected::storeError});
    EXPECT_EQ(checkedPort(), 1);
    choosePort(3);
    form.reset();
    EXPECT_EQ(readConfig("Pemrix.conf"), QByteArray("[Port]\nPortNumber=2\n"));
    EXPECT_EQ(readConfig("Pemrix"), QByteArray("in the way"));

    dialogs->messages.clear();
    makeForm();
    EXPECT_EQ(dialogs->messages, QStringList{expected::storeError});
    EXPECT_EQ(checkedPort(), 3);
}

TEST_F(PortSettingsTest, EachPortOpensTheDeviceTheSettingsMapItTo) {
    writeConfig(storeFile, "[Devices]\nCOM1=/dev/ttyUSB0\nCOM3=/dev/ttyACM1\n");
    makeForm();
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE(n);
        choosePort(n);
        journal.clear();
        form->OpenPort();
        ASSERT_EQ(journal.entries.size(), 1u);
        const std::string expectedDevice = n == 1   ? "/dev/ttyUSB0"
                                           : n == 3 ? "/dev/ttyACM1"
                                                    : link::defaultDeviceForPort(n);
        EXPECT_EQ(journal.entries[0], "open " + expectedDevice);
        form->closePort();
    }
}

} // namespace
} // namespace pemrix::app::testing
