#pragma once
// Which of the program's two languages the user asked for: "--lang en" on the command
// line, else the system's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG: the first one
// set). English is chosen by a language starting with "en"; everything else,
// including "C" and "POSIX", is Russian. On Windows, where none of them is usually
// set, the user's display language of Windows decides then.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pemrix::language {

enum class Language { Russian, English };

using Environment = std::function<const char*(const char* name)>;

Language environmentLanguage(const Environment& environment);

// Takes "--lang xx" or "--lang=xx" out of the program's arguments and says what it
// chose; nothing when it is not there. The list holds the arguments alone; argv
// starts with the program's name.
std::optional<Language> takeLanguageOption(std::vector<std::string>& arguments);
std::optional<Language> takeLanguageOption(int& argc, char** argv);

// The command line's choice, else the environment's.
Language chosenLanguage(std::optional<Language> option, const Environment& environment);

} // namespace pemrix::language
