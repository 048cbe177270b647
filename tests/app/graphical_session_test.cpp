// What the program checks before Qt starts: a display for its windows, and a runtime
// folder closed to other users.

#include "app/graphical_session.h"
#include "tests/image/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace pemrix::app {
namespace {

namespace fs = std::filesystem;

TEST(GraphicalSessionTest, WithoutADisplayOrAChosenPlatformTheProgramSaysWhatItNeeds) {
    struct Row {
        std::vector<const char*> args;
        std::map<std::string, std::string> environment;
        bool refused;
    };
    const Row rows[] = {
        {{"pemrix"}, {}, true},
        {{"pemrix"}, {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}}, true},
        {{"pemrix", "-platformtheme", "gtk3"}, {}, true},
        {{"pemrix"}, {{"DISPLAY", ":0"}}, false},
        {{"pemrix"}, {{"WAYLAND_DISPLAY", "wayland-0"}}, false},
        {{"pemrix"}, {{"QT_QPA_PLATFORM", "offscreen"}}, false},
        {{"pemrix", "-platform", "offscreen"}, {}, false},
        {{"pemrix", "--platform", "vnc"}, {}, false},
        {{"pemrix", "-display", ":1"}, {}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.args) +
                     ::testing::PrintToString(row.environment));
        const auto text = missingDisplayText(
            int(row.args.size()), row.args.data(), [&row](const char* name) -> const char* {
                const auto found = row.environment.find(name);
                return found == row.environment.end() ? nullptr : found->second.c_str();
            });
        ASSERT_EQ(text.has_value(), row.refused);
        if (text) {
            EXPECT_EQ(text->rfind("pemrix: нет графического сеанса", 0), 0U) << *text;
            EXPECT_NE(text->find("\n  xvfb-run -a pemrix\n"), std::string::npos);
            EXPECT_NE(text->find("\n  QT_QPA_PLATFORM=offscreen pemrix\n"), std::string::npos);
        }
    }
}

bool isPrivate(const fs::path& folder) {
    struct stat status {};
    return ::lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::getuid() && (status.st_mode & 0777) == 0700;
}

// A folder already standing in a shared temporary folder is taken only when it is
// private; anything else gets a fresh one beside it.
TEST(GraphicalSessionTest, TheRuntimeFolderIsClosedToOthers) {
    pemrix::testing::TempFolder temp;
    const fs::path usual = temp / ("runtime-" + std::to_string(::getuid()));
    const auto folder = [&temp] { return fs::path(*privateRuntimeFolder(temp.path().string())); };

    EXPECT_EQ(folder(), usual) << "made";
    EXPECT_TRUE(isPrivate(usual));
    EXPECT_EQ(folder(), usual) << "taken again";

    fs::permissions(usual, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    const fs::path instead = folder();
    EXPECT_NE(instead, usual) << "open to others";
    EXPECT_TRUE(isPrivate(instead));

    fs::remove(usual);
    fs::create_directory_symlink(instead, usual);
    EXPECT_NE(folder(), usual) << "a link";
}

} // namespace
} // namespace pemrix::app
