// Whether two names on the command line lead to one file: the same file under other
// spellings and through links, and names not yet created.

#include "cli/same_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using pemrix::cli::namesSameFile;
using pemrix::testing::TempFolder;
using pemrix::testing::writeBytes;

TEST(SameFile, NamesLeadingToOneFileAreTheSameAndOthersAreNot) {
    TempFolder folder;
    writeBytes(folder / "site.cfg", "1\r\n");
    writeBytes(folder / "other.cfg", "1\r\n");
    fs::create_directory(folder / "real");
    fs::create_symlink(folder / "site.cfg", folder / "site-link.cfg");
    fs::create_hard_link(folder / "site.cfg", folder / "site-hard.cfg");
    fs::create_directory_symlink(folder / "real", folder / "linked");
    const fs::path site = folder / "site.cfg";
    const fs::path missing = folder / "real" / "trace.txt";

    const struct {
        const char* what;
        fs::path first, second;
        bool same;
    } rows[] = {
        {"one existing name", site, site, true},
        {"another spelling", site, folder / "real" / ".." / "site.cfg", true},
        {"a symbolic link", site, folder / "site-link.cfg", true},
        {"a hard link", site, folder / "site-hard.cfg", true},
        {"another file", site, folder / "other.cfg", false},
        {"an existing name and a missing one", site, folder / "site.cfg.new", false},
        {"a missing name twice", missing, folder / "." / "real" / "trace.txt", true},
        {"a missing name through a linked folder", missing, folder / "linked" / "trace.txt", true},
        {"two missing names", missing, folder / "real" / "trace2.txt", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(namesSameFile(row.first, row.second), row.same);
        EXPECT_EQ(namesSameFile(row.second, row.first), row.same);
    }
}
