#include "language/language_choice.h"

#include <cstring>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

namespace pemrix::language {

namespace {

Language languageNamed(std::string_view name) {
    return name.substr(0, 2) == "en" ? Language::English : Language::Russian;
}

constexpr std::string_view option = "--lang";

// The first "--lang xx" or "--lang=xx" among the arguments from `first` on: where it
// stands, how many arguments it takes, and what it chose. "--lang" with nothing after
// it is taken too, and chooses no English.
struct FoundOption {
    int index = 0;
    int taken = 0;
    Language chosen = Language::Russian;
};

FoundOption findOption(int first, int count, const auto& argumentAt) {
    for (int i = first; i < count; ++i) {
        const std::string_view argument = argumentAt(i);
        if (argument == option)
            return i + 1 < count ? FoundOption{i, 2, languageNamed(argumentAt(i + 1))}
                                 : FoundOption{i, 1};
        if (argument.size() > option.size() && argument.substr(0, option.size()) == option &&
            argument[option.size()] == '=')
            return {i, 1, languageNamed(argument.substr(option.size() + 1))};
    }
    return {};
}

// Where no variable names a language: Windows keeps the user's display language in
// its settings rather than in the environment.
Language systemLanguage() {
#ifdef _WIN32
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_ENGLISH ? Language::English
                                                                     : Language::Russian;
#else
    return Language::Russian;
#endif
}

} // namespace

Language environmentLanguage(const Environment& environment) {
    // GNU's LANGUAGE is a list in order of preference: its first entry counts.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = environment(name);
        if (value != nullptr && *value != '\0')
            return languageNamed(value);
    }
    return systemLanguage();
}

std::optional<Language> takeLanguageOption(std::vector<std::string>& arguments) {
    const FoundOption found = findOption(0, static_cast<int>(arguments.size()), [&](int i) {
        return std::string_view(arguments[static_cast<std::size_t>(i)]);
    });
    if (found.taken == 0)
        return std::nullopt;
    const auto start = arguments.begin() + found.index;
    arguments.erase(start, start + found.taken);
    return found.chosen;
}

std::optional<Language> takeLanguageOption(int& argc, char** argv) {
    const FoundOption found = findOption(1, argc, [&](int i) { return std::string_view(argv[i]); });
    if (found.taken == 0)
        return std::nullopt;
    // The arguments after it move up, the list's end (argv[argc]) with them.
    std::memmove(argv + found.index, argv + found.index + found.taken,
                 static_cast<std::size_t>(argc - found.index - found.taken + 1) * sizeof(char*));
    argc -= found.taken;
    return found.chosen;
}

Language chosenLanguage(std::optional<Language> option, const Environment& environment) {
    return option ? *option : environmentLanguage(environment);
}

} // namespace pemrix::language
