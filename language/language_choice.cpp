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

// The value of "--lang xx" or "--lang=xx" at `index`, and how many arguments it took.
struct OptionAt {
    std::string_view value;
    int taken = 0;
};

OptionAt optionAt(int index, int count, const auto& argumentAt) {
    const std::string_view argument = argumentAt(index);
    // "--lang" with nothing after it is taken too, and chooses no English.
    if (argument == option)
        return index + 1 < count ? OptionAt{argumentAt(index + 1), 2} : OptionAt{{}, 1};
    if (argument.size() > option.size() && argument.substr(0, option.size()) == option &&
        argument[option.size()] == '=')
        return {argument.substr(option.size() + 1), 1};
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
    const int count = static_cast<int>(arguments.size());
    const auto argumentAt = [&](int i) { return std::string_view(arguments[i]); };
    for (int i = 0; i < count; ++i) {
        const OptionAt found = optionAt(i, count, argumentAt);
        if (found.taken == 0)
            continue;
        const Language chosen = languageNamed(found.value);
        arguments.erase(arguments.begin() + i, arguments.begin() + i + found.taken);
        return chosen;
    }
    return std::nullopt;
}

std::optional<Language> takeLanguageOption(int& argc, char** argv) {
    const auto argumentAt = [&](int i) { return std::string_view(argv[i]); };
    for (int i = 1; i < argc; ++i) {
        const OptionAt found = optionAt(i, argc, argumentAt);
        if (found.taken == 0)
            continue;
        const Language chosen = languageNamed(found.value);
        // The arguments after it move up, the list's end (argv[argc]) with them.
        std::memmove(argv + i, argv + i + found.taken,
                     static_cast<std::size_t>(argc - i - found.taken + 1) * sizeof(char*));
        argc -= found.taken;
        return chosen;
    }
    return std::nullopt;
}

Language chosenLanguage(std::optional<Language> option, const Environment& environment) {
    return option ? *option : environmentLanguage(environment);
}

} // namespace pemrix::language
