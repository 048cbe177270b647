#pragma once
// The device behind port COMn, mapped as the program maps it.

#include <string>

namespace pemrix::cli {

// n = 1..4.
std::string deviceForPortNumber(int portNumber);

} // namespace pemrix::cli
