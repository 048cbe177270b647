#include "cli/json_writer.h"

#include <cstdio>

namespace pemrix::cli {

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                quoted += escaped;
            } else {
                quoted += c; // UTF-8 bytes pass through
            }
        }
    }
    return quoted + '"';
}

void JsonWriter::newLine() {
    text_ += '\n';
    text_.append(levels_.size() * 2, ' ');
}

// A member or element: its separator and, outside an inline container, its own line.
void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levels_.empty())
        return;
    Level& level = levels_.back();
    if (!level.empty)
        text_ += level.inlined ? ", " : ",";
    if (!level.inlined)
        newLine();
    level.empty = false;
}

void JsonWriter::open(char bracket, bool inlined) {
    beforeValue();
    text_ += bracket;
    // Inside an inline container everything stays on its line.
    levels_.push_back({inlined || (!levels_.empty() && levels_.back().inlined)});
}

void JsonWriter::close(char bracket) {
    const Level level = levels_.back();
    levels_.pop_back();
    if (!level.inlined && !level.empty)
        newLine();
    text_ += bracket;
}

void JsonWriter::beginObject(bool inlined) {
    open('{', inlined);
}
void JsonWriter::endObject() {
    close('}');
}
void JsonWriter::beginArray(bool inlined) {
    open('[', inlined);
}
void JsonWriter::endArray() {
    close(']');
}

void JsonWriter::key(std::string_view name) {
    beforeValue();
    text_ += jsonString(name) + ": ";
    afterKey_ = true;
}

void JsonWriter::value(std::string_view text) {
    beforeValue();
    text_ += jsonString(text);
}

void JsonWriter::value(std::int64_t number) {
    beforeValue();
    text_ += std::to_string(number);
}

void JsonWriter::value(bool flag) {
    beforeValue();
    text_ += flag ? "true" : "false";
}

void JsonWriter::numbers(std::span<const int> values) {
    beginArray(true);
    for (const int v : values)
        value(v);
    endArray();
}

} // namespace pemrix::cli
