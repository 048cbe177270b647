#pragma once
// Decimal integers as the configuration files and the number edits hold them.

#include "image/result.h"

#include <string_view>

namespace pemrix::image {

// A decimal integer: optional blanks (spaces, tabs) around it, an optional sign,
// at least one digit, and a value that fits an int. Anything else fails with
// a text that names no place ("«abc» — не целое число.").
Result<int> parseInteger(std::string_view text);

} // namespace pemrix::image
