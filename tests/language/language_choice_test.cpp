// Which language a user gets, and the patterns that place values in a text.

#include "language/language_choice.h"
#include "language/translate.h"

#include <gtest/gtest.h>
#include <map>

namespace pemrix::language {
namespace {

struct EnvironmentRow {
    std::map<std::string, std::string> variables;
    Language expected;
};

TEST(LanguageChoiceTest, TheFirstVariableSetDecidesAndOnlyEnglishIsEnglish) {
    const EnvironmentRow rows[] = {
        {{}, Language::Russian},
        {{{"LANG", "en_US.UTF-8"}}, Language::English},
        {{{"LANG", "ru_RU.UTF-8"}}, Language::Russian},
        {{{"LANG", "C"}}, Language::Russian},
        {{{"LANG", "POSIX"}}, Language::Russian},
        {{{"LANG", "de_DE.UTF-8"}}, Language::Russian},
        // LC_ALL overrides LANG, LANGUAGE overrides both; an empty one is not set.
        {{{"LANG", "ru_RU.UTF-8"}, {"LC_ALL", "en_GB.UTF-8"}}, Language::English},
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "C"}}, Language::Russian},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "ru:en"}}, Language::Russian},
        {{{"LANG", "ru_RU.UTF-8"}, {"LANGUAGE", "en_US:ru"}}, Language::English},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", ""}, {"LC_ALL", ""}}, Language::English},
    };
    for (const auto& row : rows) {
        const auto lookup = [&](const char* name) -> const char* {
            const auto found = row.variables.find(name);
            return found == row.variables.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(environmentLanguage(lookup), row.expected)
            << (row.variables.empty() ? "" : row.variables.begin()->second);
    }
}

struct OptionRow {
    std::vector<std::string> arguments;
    std::optional<Language> chosen;
    std::vector<std::string> left;
};

TEST(LanguageChoiceTest, TheOptionIsTakenOutOfEitherKindOfArgumentList) {
    const OptionRow rows[] = {
        {{"pemrix"}, std::nullopt, {"pemrix"}},
        {{"pemrix", "--lang", "en", "--help"}, Language::English, {"pemrix", "--help"}},
        {{"pemrix", "--help", "--lang=ru"}, Language::Russian, {"pemrix", "--help"}},
        {{"pemrix", "-platform", "xcb", "--lang=en_US"},
         Language::English,
         {"pemrix", "-platform", "xcb"}},
        // The program's name is never an option; a bare option chooses no English.
        {{"--lang=en", "--lang"}, Language::Russian, {"--lang=en"}},
        {{"pemrix", "--language", "en"}, std::nullopt, {"pemrix", "--language", "en"}},
    };
    for (const auto& row : rows) {
        // The list comes without the program's name.
        std::vector<std::string> list(row.arguments.begin() + 1, row.arguments.end());
        EXPECT_EQ(takeLanguageOption(list), row.chosen);
        EXPECT_EQ(list, std::vector<std::string>(row.left.begin() + 1, row.left.end()));

        std::vector<std::string> storage = row.arguments;
        std::vector<char*> argv;
        for (auto& argument : storage)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        int argc = static_cast<int>(storage.size());
        EXPECT_EQ(takeLanguageOption(argc, argv.data()), row.chosen);
        EXPECT_EQ(std::vector<std::string>(argv.begin(), argv.begin() + argc), row.left);
        EXPECT_EQ(argv[argc], nullptr);
    }
}

TEST(LanguageChoiceTest, TheCommandLineWinsOverTheEnvironment) {
    const auto english = [](const char*) -> const char* { return "en_US.UTF-8"; };
    EXPECT_EQ(chosenLanguage(Language::Russian, english), Language::Russian);
    EXPECT_EQ(chosenLanguage(std::nullopt, english), Language::English);
}

TEST(TranslateTest, PatternsPlaceTheirValuesWhereverTheTextPutsThem) {
    EXPECT_EQ(arg("Нет связи с %1: %2", {"модулем", "нет ответа"}),
              "Нет связи с модулем: нет ответа");
    EXPECT_EQ(arg("%2 of %1", {"ШС3", "Id7"}), "Id7 of ШС3");
    // A sign without a value of its own stays as written.
    EXPECT_EQ(arg("100% %1 %3", {"x"}), "100% x %3");
    EXPECT_EQ(translate("pemrix", "Связь установлена"), "Связь установлена");
}

} // namespace
} // namespace pemrix::language
