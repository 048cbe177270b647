#include "emulator/image_file.h"

#include <charconv>
#include <fstream>
#include <iterator>

namespace pemrix::emulator {
namespace {

// A line ends at CR, LF or CR LF, as the files written on either platform do.
std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

} // namespace

std::optional<std::vector<std::uint8_t>> readImageLines(std::istream& in, std::size_t size,
                                                        std::string& error) {
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto lines = splitLines(text);
    if (lines.size() < size) {
        error = "the file has " + std::to_string(lines.size()) + " lines, " + std::to_string(size) +
                " image lines are needed";
        return std::nullopt;
    }
    std::vector<std::uint8_t> image;
    for (std::size_t i = 0; i < size; ++i) {
        const auto& line = lines[i];
        unsigned value = 0;
        const auto* end = line.data() + line.size();
        const auto [stop, status] = std::from_chars(line.data(), end, value);
        if (line.empty() || status != std::errc() || stop != end || value > 255) {
            error =
                "line " + std::to_string(i + 1) + ": '" + line + "' is not a number from 0 to 255";
            return std::nullopt;
        }
        image.push_back(static_cast<std::uint8_t>(value));
    }
    return image;
}

std::optional<std::vector<std::uint8_t>> readImageFile(const std::string& path, std::size_t size,
                                                       std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return std::nullopt;
    }
    auto image = readImageLines(in, size, error);
    if (!image)
        error = path + ": " + error;
    return image;
}

} // namespace pemrix::emulator
