// What the user is told about a port that did not open, and the facts behind it:
// the device's group, the process that holds it (over fake tables and a real lock),
// the group the user must join.

#include "ports/port_problem.h"
#include "tests/support/marking_catalog.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace pemrix::ports;
using pemrix::link::PortError;
using pemrix::link::PortErrorKind;
using pemrix::testing::TempFolder;
using pemrix::testing::writeBytes;

namespace {

GroupInfo serialGroup{"dialout", 20, true};

// A device file owned by the named group with the given mode; the test runs as
// root or owns the file, and root may give it any group.
std::optional<GroupInfo> ownedBy(const fs::path& file, const char* groupName, mode_t mode) {
    const auto group = groupNamed(groupName);
    writeBytes(file, "");
    if (!group || ::chown(file.c_str(), static_cast<uid_t>(-1), group->id) != 0 ||
        ::chmod(file.c_str(), mode) != 0)
        return std::nullopt;
    return group;
}

// How the lock table names a file: its file system's device and its inode.
std::string lockedName(const fs::path& file) {
    struct stat info {};
    ::stat(file.c_str(), &info);
    char name[64];
    std::snprintf(name, sizeof name, "%02x:%02x:%llu", major(info.st_dev), minor(info.st_dev),
                  static_cast<unsigned long long>(info.st_ino));
    return name;
}

// Child processes, each keeping a file open (and locked, if asked) until the test ends.
struct Children {
    std::vector<pid_t> pids;

    // The child's number once it has the file, else -1.
    pid_t keepOpen(const fs::path& file, const char* name, bool lock) {
        int ready[2];
        if (::pipe(ready) != 0)
            return -1;
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::prctl(PR_SET_NAME, name);
            const int fd = ::open(file.c_str(), O_RDWR);
            if (fd < 0 || (lock && ::flock(fd, LOCK_EX | LOCK_NB) != 0))
                ::_exit(1);
            (void)!::write(ready[1], "", 1);
            ::pause();
        }
        ::close(ready[1]);
        char byte = 0;
        const bool kept = pid > 0 && ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
        if (pid > 0)
            pids.push_back(pid);
        return kept ? pid : -1;
    }
    ~Children() {
        for (pid_t pid : pids) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
};

} // namespace

TEST(PortProblem, EachCaseSaysWhatHappenedAndWhatToDo) {
    const struct {
        const char* name;
        std::string portName;
        PortError error;
        OpenFailureFacts facts;
        std::string brief;
        std::string full;
    } rows[] = {
        {"missing",
         "COM1",
         {PortErrorKind::NoSuchPort, 2, "нет такого файла или устройства"},
         {},
         "COM1: устройство не найдено",
         "Порт COM1 (/dev/ttyUSB0): устройство не найдено. Проверьте, подключён ли адаптер, "
         "или выберите другое устройство порта."},
        {"held by a known program",
         "COM2",
         {PortErrorKind::InUse, 11, "busy"},
         {{}, false, DeviceHolder{"minicom", 1234}},
         "COM2 занят: minicom (PID 1234)",
         "Порт COM2 (/dev/ttyUSB0) занят другой программой: minicom (PID 1234). Закройте её и "
         "повторите попытку."},
        {"held by a process whose name cannot be read",
         "COM2",
         {PortErrorKind::InUse, 11, "busy"},
         {{}, false, DeviceHolder{"", 77}},
         "COM2 занят: PID 77",
         "Порт COM2 (/dev/ttyUSB0) занят другой программой: PID 77. Закройте её и повторите "
         "попытку."},
        {"held, holder unknown",
         "",
         {PortErrorKind::InUse, 11, "busy"},
         {},
         "/dev/ttyUSB0 занят другой программой",
         "Порт /dev/ttyUSB0 занят другой программой. Закройте её и повторите попытку."},
        {"not in the device's group",
         "COM1",
         {PortErrorKind::NoPermission, 13, "нет доступа"},
         {serialGroup, false, {}},
         "COM1: нет доступа (группа dialout)",
         "Нет доступа к порту COM1 (/dev/ttyUSB0): устройство принадлежит группе dialout. "
         "Добавьте пользователя в группу dialout (sudo usermod -aG dialout $USER) и войдите в "
         "систему заново."},
        {"already in the group",
         "COM1",
         {PortErrorKind::NoPermission, 13, "нет доступа"},
         {serialGroup, true, {}},
         "COM1: нет доступа",
         "Нет доступа к порту COM1 (/dev/ttyUSB0)."},
        {"a device of root's group, on a read-only file system",
         "COM1",
         {PortErrorKind::NoPermission, 30, "диск доступен только для чтения"},
         {GroupInfo{"root", 0, true}, false, {}},
         "COM1: нет доступа",
         "Нет доступа к порту COM1 (/dev/ttyUSB0): диск доступен только для чтения."},
        {"a group that may not use it",
         "COM1",
         {PortErrorKind::NoPermission, 13, "нет доступа"},
         {GroupInfo{"uucp", 10, false}, false, {}},
         "COM1: нет доступа",
         "Нет доступа к порту COM1 (/dev/ttyUSB0)."},
        {"group unknown",
         "COM1",
         {PortErrorKind::NoPermission, 13, "нет доступа"},
         {},
         "COM1: нет доступа",
         "Нет доступа к порту COM1 (/dev/ttyUSB0). Последовательные порты "
         "обычно принадлежат группе dialout. Добавьте пользователя в группу dialout (sudo "
         "usermod -aG dialout $USER) и войдите в систему заново."},
        {"anything else, no text",
         "COM4",
         {PortErrorKind::Other, 42, ""},
         {},
         "COM4: порт не открыт",
         "Порт COM4 (/dev/ttyUSB0) не открыт: системная ошибка 42."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const PortProblem problem =
            describeOpenFailure(row.portName, "/dev/ttyUSB0", row.error, row.facts);
        EXPECT_EQ(problem.brief, row.brief);
        EXPECT_EQ(problem.full, row.full);
    }
}

// The port's reason comes in the user's language; a bare refusal is still known as one
// and not said twice.
TEST(PortProblem, TheBareRefusalIsKnownInTheLanguageInUse) {
    const pemrix::testing::MarkingCatalog catalog;
    const PortProblem problem = describeOpenFailure(
        "COM1", "/dev/ttyUSB0", {PortErrorKind::NoPermission, 13, "~нет доступа"},
        {serialGroup, true, {}});
    EXPECT_EQ(problem.full, "~Нет доступа к порту COM1 (/dev/ttyUSB0).");
}

TEST(PortProblem, ALineLostUnderAnExchangeSaysSoUntilANewLink) {
    const PortProblem gone =
        describeLineLoss("COM1", "/dev/ttyUSB0", {PortErrorKind::Gone, 5, "устройство отключено"});
    EXPECT_EQ(gone.brief, "COM1: устройство отключено");
    EXPECT_EQ(gone.full, "Порт COM1 (/dev/ttyUSB0): устройство отключено. Проверьте, подключён "
                         "ли адаптер, и установите связь заново.");
    EXPECT_EQ(describeLineLoss("", "/dev/ttyUSB0", {}).brief, "/dev/ttyUSB0: связь прервана");
}

TEST(PortProblem, TheHolderIsFoundInTheProcessTable) {
    TempFolder folder;
    const fs::path device = folder / "ttyUSB0";
    const fs::path unnamed = folder / "ttyUSB2";
    const fs::path linked = folder / "ttyUSB3";
    const fs::path otherName = folder / "second-name-of-ttyUSB3";
    const fs::path other = folder / "log.txt";
    for (const fs::path& file : {device, unnamed, linked, other})
        writeBytes(file, "");
    fs::create_hard_link(linked, otherName);
    const fs::path proc = folder / "proc";
    const struct {
        const char* pid;
        const char* comm;
        std::vector<fs::path> open;
    } processes[] = {
        {"17", "bash\n", {other}},
        {"4242", "minicom\n", {other, device}},
        {"5000", "picocom\n", {device}}, // found later: the lowest number answers
        {"self", "nobody\n", {device}},  // not a process number
        {"31", nullptr, {}},             // its open files cannot be read
        {"60", nullptr, {unnamed}},      // its name cannot be read
        // The same file under a name outside /dev is not looked at: such a file
        // may sit on a mount that stalls.
        {"70", "cat\n", {otherName}},
    };
    for (const auto& process : processes) {
        const fs::path dir = proc / process.pid;
        fs::create_directories(dir);
        if (process.comm != nullptr)
            writeBytes(dir / "comm", process.comm);
        if (process.open.empty())
            continue;
        fs::create_directories(dir / "fd");
        int fd = 3;
        for (const fs::path& file : process.open)
            fs::create_symlink(file, dir / "fd" / std::to_string(fd++));
    }

    const PortError busy{PortErrorKind::InUse, 11, "busy"};
    const struct {
        fs::path device;
        const char* brief;
    } rows[] = {
        {device, "COM1 занят: minicom (PID 4242)"},
        {unnamed, "COM1 занят: PID 60"},
        {linked, "COM1 занят другой программой"},
        {folder / "ttyUSB1", "COM1 занят другой программой"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.device);
        EXPECT_EQ(diagnoseOpenFailure("COM1", row.device.string(), busy, proc).brief, row.brief);
    }

    // The lock table with one line: bash opened the log first, minicom may lock it.
    const std::string log = lockedName(other);
    const char* const firstOpener = "COM1 занят: bash (PID 17)";
    const struct {
        std::string line;
        const char* brief;
    } locks[] = {
        {"1: FLOCK  ADVISORY  WRITE 4242 " + log + " 0 EOF", "COM1 занят: minicom (PID 4242)"},
        {"1: -> FLOCK  ADVISORY  WRITE 4242 " + log + " 0 EOF", firstOpener}, // waits for it
        {"1: FLOCK  ADVISORY  WRITE 9999 " + log + " 0 EOF", firstOpener},    // gone
        {"1: FLOCK  ADVISORY  WRITE 4242 " + lockedName(device) + " 0 EOF", firstOpener},
    };
    for (const auto& row : locks) {
        SCOPED_TRACE(row.line);
        writeBytes(proc / "locks", row.line + "\n");
        EXPECT_EQ(diagnoseOpenFailure("COM1", other.string(), busy, proc).brief, row.brief);
    }
}

TEST(PortProblem, TheProgramHoldingARealLockIsNamedNotTheFirstOpener) {
    TempFolder folder;
    const fs::path device = folder / "ttyUSB0";
    writeBytes(device, "");
    Children children;
    ASSERT_GT(children.keepOpen(device, "first-opener", false), 0);
    const pid_t locker = children.keepOpen(device, "locker", true);
    ASSERT_GT(locker, 0);
    const auto holder = findDeviceHolder(device.string());
    ASSERT_TRUE(holder);
    EXPECT_EQ(holder->pid, locker);
    EXPECT_EQ(holder->program, "locker");
}

TEST(PortProblem, TheDevicesGroupDecidesWhichGroupToJoin) {
    TempFolder folder;
    const auto uucp = ownedBy(folder / "ttyUSB0", "uucp", 0660);
    const auto closed = ownedBy(folder / "ttyS0", "uucp", 0600);
    const auto dialout = groupNamed("dialout");
    if (!uucp || !closed || !dialout)
        GTEST_SKIP() << "needs the groups uucp and dialout and the right to give them a file";
    EXPECT_TRUE(groupOfFile((folder / "ttyUSB0").string())->mayReadWrite);
    EXPECT_FALSE(groupOfFile((folder / "ttyS0").string())->mayReadWrite);

    const SerialDevice usb{(folder / "ttyUSB0").string(), {}, {}};
    const SerialDevice linkToUsb{"/dev/serial/by-id/x", usb.path, {}};
    const SerialDevice builtIn{(folder / "ttyS0").string(), {}, {}};
    const UserGroups outsider{false, {100}};
    const struct {
        const char* name;
        UserGroups user;
        std::vector<SerialDevice> devices;
        std::optional<std::string> group;
    } rows[] = {
        {"the first device's group", outsider, {usb, builtIn}, "uucp"},
        {"through a stable link", outsider, {linkToUsb}, "uucp"},
        {"a device closed to its group", outsider, {builtIn, usb}, "dialout"},
        {"no device", outsider, {}, "dialout"},
        {"a member", UserGroups{false, {100, uucp->id}}, {usb}, std::nullopt},
        {"root", UserGroups{true, {0}}, {usb}, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(serialGroupToJoin(row.user, row.devices), row.group);
    }
    EXPECT_EQ(serialGroupNotice("dialout").full,
              "Пользователь не входит в группу dialout: последовательные порты могут быть "
              "недоступны. Добавьте пользователя в группу dialout (sudo usermod -aG dialout "
              "$USER) и войдите в систему заново.");
}
