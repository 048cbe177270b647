// The one main of the GUI tests: one application for all the tests of a program,
// whose settings live in a folder of this run only (the settings location is read
// once per process). The windows speak Russian unless "--lang en" asks for English.

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "language/catalog.h"

int main(int argc, char** argv) {
    QTemporaryDir config;
    if (!config.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    pemrix::language::useLanguage(pemrix::language::takeLanguageOption(argc, argv)
                                      .value_or(pemrix::language::Language::Russian));
    QApplication app(argc, argv);
    pemrix::language::installCatalogs(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
