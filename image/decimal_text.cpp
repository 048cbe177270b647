#include "image/decimal_text.h"

#include "image/error_texts.h"

#include <charconv>

namespace pemrix::image {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

Result<int> parseInteger(std::string_view text) {
    std::string_view body = text;
    while (!body.empty() && isBlank(body.front())) {
        body.remove_prefix(1);
    }
    while (!body.empty() && isBlank(body.back())) {
        body.remove_suffix(1);
    }
    // from_chars takes a minus but no plus.
    if (body.size() > 1 && body.front() == '+' && body[1] != '-') {
        body.remove_prefix(1);
    }
    int value = 0;
    const char* first = body.data();
    const char* last = body.data() + body.size();
    const auto [end, error] = std::from_chars(first, last, value, 10);
    if (body.empty() || error != std::errc{} || end != last) {
        return Error{ErrorKind::NotAnInteger, notAnIntegerText(text)};
    }
    return value;
}

} // namespace pemrix::image
