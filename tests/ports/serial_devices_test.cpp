// The serial devices of a Linux system, found in a device tree laid out in a
// temporary folder: a stable link to a real pseudo-terminal, adapters, built-in
// ports with and without a UART.

#include "emulator/pseudo_terminal.h"
#include "ports/serial_devices.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace pemrix::ports;
using pemrix::testing::TempFolder;
using pemrix::testing::writeBytes;

namespace {

void makeNode(const fs::path& path) {
    fs::create_directories(path.parent_path());
    writeBytes(path, "");
}

void makeUart(const fs::path& root, const std::string& name, const char* type) {
    fs::create_directories(root / "sys/class/tty" / name);
    writeBytes(root / "sys/class/tty" / name / "type", type);
}

} // namespace

TEST(SerialDevices, ListsStableLinksThenAdaptersThenPortsWithAUart) {
    const pemrix::emulator::PseudoTerminal pty; // stands in for a USB adapter's node
    TempFolder root;
    const fs::path dev = root / "dev";
    const fs::path byId = dev / "serial/by-id";
    for (const char* node : {"ttyUSB10", "ttyUSB2", "ttyACM0", "ttyS0", "ttyS1", "ttyS2", "ttyS10",
                             "ttyUSB", "ttyUSBx", "tty0"})
        makeNode(dev / node);
    fs::create_directories(dev / "ttyACM1");         // not a device
    fs::create_symlink("ttyUSB99", dev / "ttyUSB5"); // the adapter is gone
    fs::create_symlink("ttyACM1", dev / "ttyACM2");  // a link to a folder
    makeUart(root.path(), "ttyS0", "4\n");
    makeUart(root.path(), "ttyS1", "0\n"); // the kernel found no UART there
    makeUart(root.path(), "ttyS10", "4\n");
    fs::create_directories(byId);
    fs::create_symlink(pty.slavePath(), byId / "usb-FTDI_FT232R_A1-if00-port0");
    fs::create_symlink("../../ttyUSB2", byId / "usb-Prolific_PL2303-if00-port0");
    fs::create_symlink("../../ttyUSB7", byId / "usb-Gone_Adapter-if00-port0");
    fs::create_symlink("../../ttyACM1", byId / "usb-Folder-if00-port0");
    fs::create_directories(byId / "usb-Subfolder-if00-port0");
    writeBytes(byId / "usb-Plain_File-if00-port0", "");

    const struct {
        fs::path path;
        fs::path target;
    } expected[] = {
        {byId / "usb-FTDI_FT232R_A1-if00-port0", pty.slavePath()},
        {byId / "usb-Prolific_PL2303-if00-port0", dev / "ttyUSB2"},
        {dev / "ttyUSB2", {}},
        {dev / "ttyUSB10", {}},
        {dev / "ttyACM0", {}},
        {dev / "ttyS0", {}},
        {dev / "ttyS10", {}},
    };
    const std::vector<SerialDevice> devices = listSerialDevices(root.path());
    ASSERT_EQ(devices.size(), std::size(expected));
    for (std::size_t i = 0; i < devices.size(); ++i) {
        SCOPED_TRACE(expected[i].path);
        EXPECT_EQ(devices[i].path, expected[i].path.string());
        EXPECT_EQ(devices[i].target, expected[i].target.string());
    }
}

TEST(SerialDevices, AnEmptyTreeListsNothing) {
    TempFolder root;
    EXPECT_TRUE(listSerialDevices(root.path()).empty());
    EXPECT_TRUE(listSerialDevices(root / "missing").empty());
}

TEST(SerialDevices, NumbersInNamesCompareByValue) {
    const struct {
        const char* left;
        const char* right;
        bool less;
    } rows[] = {
        {"ttyUSB2", "ttyUSB10", true},
        {"ttyUSB10", "ttyUSB2", false},
        {"ttyACM0", "ttyUSB0", true},
        {"ttyS1", "ttyS1", false},
        {"ttyS", "ttyS0", true},
        {"ttyS007", "ttyS8", true},
        {"usb-A2-port1", "usb-A10-port0", true},
        {"//./COM9", "//./COM10", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.left) + " < " + row.right);
        EXPECT_EQ(naturalLess(row.left, row.right), row.less);
    }
}
