// What the program checks before Qt starts: a display for its windows, and a runtime
// folder closed to other users.

#include "app/graphical_session.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace pemrix::app {
namespace {

TEST(GraphicalSessionTest, WithoutADisplayOrAChosenPlatformTheProgramSaysWhatItNeeds) {
    using Environment = std::map<std::string, std::string>;
    const std::vector<std::pair<std::vector<const char*>, Environment>> refused = {
        {{"pemrix"}, {}},
        {{"pemrix"}, {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}}},
        {{"pemrix", "-platformtheme", "gtk3"}, {}},
    };
    const std::vector<std::pair<std::vector<const char*>, Environment>> started = {
        {{"pemrix"}, {{"DISPLAY", ":0"}}},
        {{"pemrix"}, {{"WAYLAND_DISPLAY", "wayland-0"}}},
        {{"pemrix"}, {{"QT_QPA_PLATFORM", "offscreen"}}},
        {{"pemrix", "-platform", "offscreen"}, {}},
        {{"pemrix", "--platform", "vnc"}, {}},
        {{"pemrix", "-display", ":1"}, {}},
    };
    for (const auto* rows : {&refused, &started})
        for (const auto& [args, environment] : *rows) {
            SCOPED_TRACE(::testing::PrintToString(args) + ::testing::PrintToString(environment));
            const auto text =
                missingDisplayText(int(args.size()), args.data(), [&environment](const char* name) {
                    const auto found = environment.find(name);
                    return found == environment.end() ? nullptr : found->second.c_str();
                });
            ASSERT_EQ(text.has_value(), rows == &refused);
            if (text) {
                EXPECT_TRUE(text->starts_with("pemrix: нет графического сеанса") &&
                            text->find("\n  xvfb-run -a pemrix\n") != std::string::npos &&
                            text->find("\n  QT_QPA_PLATFORM=offscreen pemrix\n") !=
                                std::string::npos)
                    << *text;
            }
        }
}

// A folder already standing in a shared temporary folder is taken only when it is
// private; one open to others, or a link, gets a fresh one beside it.
TEST(GraphicalSessionTest, TheRuntimeFolderIsClosedToOthers) {
    namespace fs = std::filesystem;
    pemrix::testing::TempFolder temp;
    const fs::path usual = temp / ("runtime-" + std::to_string(::getuid()));
    const auto folder = [&temp] {
        const fs::path made = *privateRuntimeFolder(temp.path().string());
        struct stat status {};
        EXPECT_TRUE(::lstat(made.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
                    status.st_uid == ::getuid() && (status.st_mode & 0777) == 0700);
        return made;
    };
    EXPECT_EQ(folder(), usual) << "made";
    EXPECT_EQ(folder(), usual) << "taken again";

    fs::permissions(usual, fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
    const fs::path instead = folder();
    EXPECT_NE(instead, usual) << "open to others";

    fs::remove(usual);
    fs::create_directory_symlink(instead, usual);
    EXPECT_NE(folder(), usual) << "a link";
}

} // namespace
} // namespace pemrix::app
