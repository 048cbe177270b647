#pragma once
// The line format of the configuration files: one decimal integer per line (read with
// image/decimal_text.h), every line ended by CR LF. Reading accepts CR, LF or CR LF as
// a line end and reports a missing line or a line that is not an integer with the
// file, the line number and the text found there (image/error_texts.h).

#include "image/result.h"

#include <string>
#include <string_view>
#include <vector>

namespace pemrix::image {

// Lines of a text: a line ends at CR, LF or CR followed by LF. A last line without
// an end counts; an end at the very end of the text starts no further line. A UTF-8
// byte-order mark at the very start, which some editors write, is skipped.
std::vector<std::string> splitLines(std::string_view text);

// Every line followed by CR LF.
std::string joinLinesCrlf(const std::vector<std::string>& lines);

// The line at zero-based `index`, or ListIndexOutOfBounds naming the missing line of
// `fileName` (which may be empty) and how many lines there are.
Result<std::string> lineAt(const std::vector<std::string>& lines, std::size_t index,
                           std::string_view fileName = {});

// The line at `index` as an integer; either failure names the file and the line.
Result<int> integerLineAt(const std::vector<std::string>& lines, std::size_t index,
                          std::string_view fileName = {});

// The line at `index` as a byte value, 0 to 255; an integer outside names the file,
// the line and the value.
Result<int> byteLineAt(const std::vector<std::string>& lines, std::size_t index,
                       std::string_view fileName = {});

} // namespace pemrix::image
