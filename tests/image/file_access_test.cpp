#include "image/file_access.h"

#include "image/error_texts.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace img = pemrix::image;
using pemrix::testing::readBytes;
using pemrix::testing::TempFolder;
using pemrix::testing::writeBytes;

TEST(ReadWholeFile, ReadsEveryByte) {
    TempFolder folder;
    const std::string bytes("45\r\n\0\xFF\r", 7);
    writeBytes(folder / "a.cfg", bytes);
    const auto read = img::readWholeFile(folder / "a.cfg");
    ASSERT_TRUE(read.ok()) << read.error().message;
    EXPECT_EQ(read.value(), bytes);

    writeBytes(folder / "empty.cfg", "");
    EXPECT_EQ(img::readWholeFile(folder / "empty.cfg").value(), "");
}

TEST(ReadWholeFile, UnopenablePathsNameTheFileAndWhy) {
    TempFolder folder;
    writeBytes(folder / "file", "1");
    struct Row {
        const char* name;
        std::filesystem::path path;
        img::FileFailure why;
    };
    const Row rows[] = {
        {"missing file", folder / "missing.cfg", img::FileFailure::NotFound},
        {"a folder", folder.path(), img::FileFailure::IsFolder},
        {"parent is a file", folder / "file" / "x.cfg", img::FileFailure::NoFolder},
        {"empty name", std::filesystem::path(), img::FileFailure::NotFound},
        {"a device", "/dev/null", img::FileFailure::NotRegular},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto read = img::readWholeFile(row.path);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.error().kind, img::ErrorKind::CannotOpenFile);
        EXPECT_EQ(read.error().message,
                  img::cannotOpenFileText(img::pathToUtf8(row.path), row.why));
    }
}

TEST(ReadWholeFile, SizeBound) {
    TempFolder folder;
    writeBytes(folder / "limit.cfg", std::string(img::MaxConfigFileSize, '1'));
    writeBytes(folder / "over.cfg", std::string(img::MaxConfigFileSize + 1, '1'));

    EXPECT_EQ(img::readWholeFile(folder / "limit.cfg").value().size(), img::MaxConfigFileSize);
    const auto over = img::readWholeFile(folder / "over.cfg");
    ASSERT_FALSE(over.ok());
    EXPECT_EQ(over.error().kind, img::ErrorKind::FileTooLarge);
    EXPECT_NE(over.error().message.find(img::pathToUtf8(folder / "over.cfg")), std::string::npos);
    EXPECT_NE(over.error().message.find("1 МБ"), std::string::npos);

    // A smaller bound applies the same way.
    EXPECT_EQ(img::readWholeFile(folder / "limit.cfg", 10).error().kind,
              img::ErrorKind::FileTooLarge);
}

TEST(WriteFileAtomically, CreatesAndReplaces) {
    TempFolder folder;
    const auto path = folder / "a.cfg";
    ASSERT_TRUE(img::writeFileAtomically(path, "first, longer content\r\n").ok());
    EXPECT_EQ(readBytes(path), "first, longer content\r\n");
    ASSERT_TRUE(img::writeFileAtomically(path, "2\r\n").ok());
    EXPECT_EQ(readBytes(path), "2\r\n");
    EXPECT_EQ(folder.entryCount(), 1u) << "no temporary file stays behind";
}

TEST(WriteFileAtomically, Utf8NamesSurvive) {
    TempFolder folder;
    const auto path = folder.path() / img::pathFromUtf8("конфигурация 1.cfg");
    ASSERT_TRUE(img::writeFileAtomically(path, "x").ok());
    EXPECT_EQ(img::readWholeFile(path).value(), "x");
    EXPECT_EQ(img::pathToUtf8(path.filename()), "конфигурация 1.cfg");
}

TEST(WriteFileAtomically, WritingThroughALinkReplacesItsTarget) {
    TempFolder folder;
    writeBytes(folder / "real.cfg", "old");
    std::filesystem::create_symlink("real.cfg", folder / "link.cfg");
    ASSERT_TRUE(img::writeFileAtomically(folder / "link.cfg", "new").ok());
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.cfg"));
    EXPECT_EQ(readBytes(folder / "real.cfg"), "new");
}

// Tests may run as root, whom permissions do not stop: these paths fail for anyone.
TEST(WriteFileAtomically, FailureLeavesEverythingAsItWas) {
    TempFolder folder;
    writeBytes(folder / "plain", "not a folder");
    std::filesystem::create_directory(folder / "sub");
    writeBytes(folder / "sub" / "keep.cfg", "old");
    struct Row {
        const char* name;
        std::filesystem::path path;
        img::FileFailure why;
    };
    const Row rows[] = {
        {"parent is a regular file", folder / "plain" / "a.cfg", img::FileFailure::NoFolder},
        {"parent does not exist", folder / "nowhere" / "a.cfg", img::FileFailure::NoFolder},
        {"target is a folder", folder / "sub", img::FileFailure::IsFolder},
#if defined(__linux__)
        {"a folder that takes no files", "/proc/version.cfg", img::FileFailure::FolderTakesNoFiles},
#endif
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto written = img::writeFileAtomically(row.path, "new content");
        ASSERT_FALSE(written.ok());
        EXPECT_EQ(written.error().kind, img::ErrorKind::CannotCreateFile);
        EXPECT_EQ(written.error().message,
                  img::cannotWriteFileText(img::pathToUtf8(row.path), row.why));
    }
    EXPECT_EQ(readBytes(folder / "plain"), "not a folder");
    EXPECT_EQ(readBytes(folder / "sub" / "keep.cfg"), "old");
    EXPECT_EQ(folder.entryCount(), 2u) << "no temporary file stays behind";
    std::size_t inSub = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder / "sub")) {
        ++inSub;
    }
    EXPECT_EQ(inSub, 1u);
}

#if defined(__unix__)
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

TEST(WriteFileAtomically, PipeIsNotReplaced) {
    TempFolder folder;
    const auto pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(img::writeFileAtomically(pipe, "x").error().message,
              img::cannotWriteFileText(img::pathToUtf8(pipe), img::FileFailure::NotRegular));
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    EXPECT_EQ(folder.entryCount(), 1u);
}

// A write that fails half-way (here: the file size limit, which binds root too) must
// leave the old content in place and remove the partial temporary file.
TEST(WriteFileAtomically, WriteFailingHalfWayKeepsTheOldFile) {
    TempFolder folder;
    const auto path = folder / "a.cfg";
    writeBytes(path, "old content");

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto written = img::writeFileAtomically(path, std::string(5000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().message,
              img::cannotWriteFileText(img::pathToUtf8(path), img::FileFailure::WriteFailed));
    EXPECT_EQ(readBytes(path), "old content");
    EXPECT_EQ(folder.entryCount(), 1u) << "the partial temporary file is removed";
}
#endif

TEST(WriteFileAtomically, LongestNameStillWorks) {
    TempFolder folder;
    const auto path = folder / std::string(255, 'n'); // the longest name most systems allow
    ASSERT_TRUE(img::writeFileAtomically(path, "x").ok());
    EXPECT_EQ(readBytes(path), "x");
}
