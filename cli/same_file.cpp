#include "cli/same_file.h"

#include <system_error>

namespace pemrix::cli {
namespace {

namespace fs = std::filesystem;

fs::path resolved(const fs::path& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    if (error)
        return path.lexically_normal();
    fs::path canonical = fs::weakly_canonical(absolute, error);
    return error ? absolute.lexically_normal() : canonical;
}

} // namespace

bool namesSameFile(const fs::path& first, const fs::path& second) {
    std::error_code error;
    const bool firstExists = fs::exists(first, error);
    const bool secondExists = fs::exists(second, error);
    if (firstExists && secondExists) {
        const bool same = fs::equivalent(first, second, error);
        if (!error)
            return same;
    } else if (firstExists || secondExists) {
        return false;
    }
    return resolved(first) == resolved(second);
}

} // namespace pemrix::cli
