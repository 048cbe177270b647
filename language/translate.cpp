#include "language/translate.h"

#include <atomic>

namespace pemrix::language {

namespace {

std::atomic<Catalog> catalogInUse{nullptr};

} // namespace

void useCatalog(Catalog catalog) {
    catalogInUse.store(catalog, std::memory_order_release);
}

std::string translate(const char* context, const char* source) {
    if (const Catalog catalog = catalogInUse.load(std::memory_order_acquire))
        return catalog(context, source);
    return source;
}

std::string arg(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string result;
    result.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < values.size()) {
                result += values.begin()[index];
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

} // namespace pemrix::language
