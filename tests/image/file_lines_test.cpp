#include "image/file_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace img = pemrix::image;
using Lines = std::vector<std::string>;

TEST(FileLines, LineEnds) {
    struct Row {
        const char* name;
        std::string text;
        Lines lines;
    };
    const Row rows[] = {
        {"empty text", "", {}},
        {"CR LF", "1\r\n2\r\n", {"1", "2"}},
        {"LF", "1\n2\n", {"1", "2"}},
        {"CR", "1\r2\r", {"1", "2"}},
        {"last line without end", "1\r\n2", {"1", "2"}},
        {"mixed", "1\r2\n3\r\n4", {"1", "2", "3", "4"}},
        {"blank lines stay", "1\r\n\r\n2\n\n", {"1", "", "2", ""}},
        {"LF CR is two ends", "1\n\r2", {"1", "", "2"}},
        {"one lone end", "\r\n", {""}},
        {"NUL is a character", std::string("1\0002\r\n", 5), {std::string("1\0002", 3)}},
        {"byte-order mark at the start skipped",
         "\xEF\xBB\xBF"
         "45\r\n2",
         {"45", "2"}},
        {"byte-order mark alone", "\xEF\xBB\xBF", {}},
        {"byte-order mark later kept",
         "1\r\n\xEF\xBB\xBF"
         "2",
         {"1", "\xEF\xBB\xBF"
               "2"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(img::splitLines(row.text), row.lines);
    }
}

TEST(FileLines, JoinEndsEveryLineWithCrLf) {
    EXPECT_EQ(img::joinLinesCrlf({"45", "0", "2"}), "45\r\n0\r\n2\r\n");
    EXPECT_EQ(img::joinLinesCrlf({}), "");
    EXPECT_EQ(img::splitLines(img::joinLinesCrlf({"a", "", "b"})), (Lines{"a", "", "b"}));
}

TEST(FileLines, LineAtReportsTheMissingLine) {
    const Lines lines(64, "255");
    EXPECT_EQ(img::lineAt(lines, 63).value(), "255");
    const auto missing = img::lineAt(lines, 64, "a.cfg");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().kind, img::ErrorKind::ListIndexOutOfBounds);
    EXPECT_EQ(missing.error().message, "Файл «a.cfg»: нет строки 65 (строк в файле: 64).");
}

TEST(FileLines, IntegerLinesNameTheFileTheLineAndTheText) {
    const Lines lines{"45", " 7 ", "4x"};
    struct Row {
        std::size_t index;
        const char* fileName;
        const char* error; // nullptr: read
        int value;
    };
    const Row rows[] = {
        {0, "a.cfg", nullptr, 45},
        {1, "a.cfg", nullptr, 7},
        {2, "a.cfg", "Файл «a.cfg», строка 3: «4x» — не целое число.", 0},
        {2, "", "Строка 3: «4x» — не целое число.", 0},
        {3, "a.cfg", "Файл «a.cfg»: нет строки 4 (строк в файле: 3).", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.index);
        const auto value = img::integerLineAt(lines, row.index, row.fileName);
        if (row.error) {
            ASSERT_FALSE(value.ok());
            EXPECT_EQ(value.error().message, row.error);
        } else {
            ASSERT_TRUE(value.ok()) << value.error().message;
            EXPECT_EQ(value.value(), row.value);
        }
    }
}
