#pragma once
// The program's command line as UTF-8, without the program's name. File names are
// UTF-8 everywhere in the program; on Windows the narrow `argv` is in the ANSI code
// page, which cannot spell every name (a Cyrillic folder on a Western system), so
// the arguments are taken from the wide command line there.

#include <string>
#include <vector>

namespace pemrix::cli {

std::vector<std::string> programArguments(int argc, char** argv);

} // namespace pemrix::cli
