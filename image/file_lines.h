#pragma once
// The line format of the configuration files: one decimal integer per line (read with
// image/decimal_text.h), every line ended by CR LF. Reading accepts CR, LF or CR LF as
// a line end and reports the toolkit's conversion and index errors with their own texts.

#include "image/result.h"

#include <string>
#include <string_view>
#include <vector>

namespace pemrix::image {

inline constexpr const char* NotAnIntegerFormat = "'%s' is not a valid integer value";
inline constexpr const char* ListIndexFormat = "List index out of bounds (%d)";

// Lines of a text: a line ends at CR, LF or CR followed by LF. A last line without
// an end counts; an end at the very end of the text starts no further line.
std::vector<std::string> splitLines(std::string_view text);

// Every line followed by CR LF.
std::string joinLinesCrlf(const std::vector<std::string>& lines);

// The line at zero-based `index`, or "List index out of bounds (<index>)".
Result<std::string> lineAt(const std::vector<std::string>& lines, std::size_t index);

// Message texts with their placeholder filled. A very long text is cut short (with
// "…") so that a message box stays readable.
std::string notAnIntegerMessage(std::string_view text);
std::string listIndexMessage(std::size_t index);

// `format` with its first "%s" replaced by `text`.
std::string fillText(std::string_view format, std::string_view text);

} // namespace pemrix::image
