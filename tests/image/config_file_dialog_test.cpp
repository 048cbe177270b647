#include "image/config_file_dialog.h"

#include <gtest/gtest.h>

namespace img = pemrix::image;

TEST(ConfigFileDialog, QtNameFilter) {
    struct Row {
        const char* filter;
        const char* qt;
    };
    const Row rows[] = {
        {img::ConfigFileFilter, "Файлы конфигурации (*.cfg);;Все файлы (*)"},
        {"Text|*.txt;*.log", "Text (*.txt *.log)"},
        {"No patterns", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.filter);
        EXPECT_EQ(img::qtNameFilter(row.filter), row.qt);
    }
    EXPECT_STREQ(img::ConfigFileDefaultSuffix, "cfg");
}
