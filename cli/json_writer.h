#pragma once
// A small JSON writer for the command line's --json output: objects and arrays
// written in order, one member a line, with containers opened as "inline" kept on one
// line (a field, the cells). Strings are UTF-8 and pass through as they are; quotes,
// backslashes and control characters are escaped.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pemrix::cli {

class JsonWriter {
  public:
    void beginObject(bool inlined = false);
    void endObject();
    void beginArray(bool inlined = false);
    void endArray();
    // The name of the next member of an object.
    void key(std::string_view name);
    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(std::int64_t number);
    void value(int number) { value(static_cast<std::int64_t>(number)); }
    void value(bool flag);
    // An array of numbers on one line.
    void numbers(std::span<const int> values);

    // The document, ending with a line break.
    std::string text() const { return text_ + '\n'; }

  private:
    struct Level {
        bool inlined;
        bool empty = true;
    };
    void beforeValue();
    void open(char bracket, bool inlined);
    void close(char bracket);
    void newLine();

    std::string text_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
};

// `text` as a JSON string, quotes included.
std::string jsonString(std::string_view text);

} // namespace pemrix::cli
