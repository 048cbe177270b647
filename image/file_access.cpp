#include "image/file_access.h"

#include "image/error_texts.h"
#include "image/os_file.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>

namespace pemrix::image {

namespace fs = std::filesystem;

namespace {

Error cannotOpen(const fs::path& path, FileFailure why) {
    return Error{ErrorKind::CannotOpenFile, cannotOpenFileText(pathToUtf8(path), why)};
}

Error cannotCreate(const fs::path& path, FileFailure why) {
    return Error{ErrorKind::CannotCreateFile, cannotWriteFileText(pathToUtf8(path), why)};
}

Error tooLarge(const fs::path& path) {
    return Error{ErrorKind::FileTooLarge, fileTooLargeText(pathToUtf8(path))};
}

// What the last failed system call says, in the terms of a file failure.
FileFailure lastSystemFailure(FileFailure otherwise) {
    return fileFailureOf(std::error_code(errno, std::generic_category()), otherwise);
}

// Why `status` is no file to read or replace; only for an existing node.
FileFailure notAFile(const fs::file_status& status) {
    return fs::is_directory(status) ? FileFailure::IsFolder : FileFailure::NotRegular;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// A new, empty file in the folder of `target` that nobody else is using. Its name
// does not grow with the target's, so a long file name still leaves room for it.
// On failure `why` says what the system refused.
FileHandle createTemporaryBeside(const fs::path& target, fs::path& temporary, FileFailure& why) {
    static constexpr char hexDigits[] = "0123456789abcdef";
    std::random_device random;
    why = FileFailure::WriteFailed;
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::string name = ".pemrix-";
        for (unsigned bits = random(), i = 0; i < 8; ++i, bits >>= 4) {
            name.push_back(hexDigits[bits & 0xFu]);
        }
        temporary = target.parent_path() / (name + ".tmp");
        if (std::FILE* file = createNewFile(temporary)) {
            return FileHandle(file);
        }
        why = creationFailureOf(std::error_code(errno, std::generic_category()), temporary);
        std::error_code ec;
        if (!fs::exists(temporary, ec)) {
            break; // the folder refuses new files: trying other names will not help
        }
    }
    return nullptr;
}

// Writes, flushes to the disk and closes `file`; the first failure says why.
bool writeAndClose(FileHandle file, std::string_view content, FileFailure& why) {
    bool written = std::fwrite(content.data(), 1, content.size(), file.get()) == content.size();
    written = written && syncFileToDisk(file.get());
    if (!written) {
        why = lastSystemFailure(FileFailure::WriteFailed);
    }
    if (std::fclose(file.release()) != 0 && written) {
        why = lastSystemFailure(FileFailure::WriteFailed);
        written = false;
    }
    return written;
}

// Writing through a symbolic link replaces the file it points to, not the link.
fs::path resolvedTarget(const fs::path& path) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec) {
            return resolved;
        }
    }
    return path;
}

} // namespace

fs::path pathFromUtf8(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string pathToUtf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

FileFailure creationFailureOf(std::error_code error, const fs::path& file) {
    const FileFailure why = fileFailureOf(error, FileFailure::WriteFailed);
    if (why != FileFailure::NotFound) {
        return why;
    }
    // A file being created is missing nothing but its place: either the folder is
    // not there, or it is one that takes no new files (/proc).
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    std::error_code ec;
    return fs::is_directory(folder, ec) ? FileFailure::FolderTakesNoFiles : FileFailure::NoFolder;
}

Result<std::string> readWholeFile(const fs::path& path, std::size_t maxSize) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) {
        return cannotOpen(path, fileFailureOf(ec, FileFailure::NotFound));
    }
    if (!fs::is_regular_file(status)) {
        return cannotOpen(path, notAFile(status));
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (!ec && size > maxSize) {
        return tooLarge(path);
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return cannotOpen(path, lastSystemFailure(FileFailure::ReadFailed));
    }
    // The size may change under us: read at most one byte past the bound.
    std::string content;
    std::array<char, 16384> chunk{};
    while (content.size() <= maxSize) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        content.append(chunk.data(), got);
        if (got < chunk.size()) {
            break;
        }
    }
    if (in.bad()) {
        return cannotOpen(path, FileFailure::ReadFailed);
    }
    if (content.size() > maxSize) {
        return tooLarge(path);
    }
    return content;
}

Status writeFileAtomically(const fs::path& path, std::string_view content) {
    const fs::path target = resolvedTarget(path);
    // Only a regular file is ever replaced: renaming over a folder fails anyway, and
    // over a device or a pipe it would put a plain file in place of the node.
    std::error_code statusError;
    const fs::file_status existing = fs::status(target, statusError);
    if (fs::exists(existing) && !fs::is_regular_file(existing)) {
        return cannotCreate(path, notAFile(existing));
    }
    fs::path temporary;
    FileFailure why = FileFailure::WriteFailed;
    FileHandle file = createTemporaryBeside(target, temporary, why);
    if (!file) {
        return cannotCreate(path, why);
    }
    bool written = writeAndClose(std::move(file), content, why);

    std::error_code ec;
    if (written) {
        // Keep the old file's permissions (best effort).
        if (!statusError && fs::exists(existing)) {
            fs::permissions(temporary, existing.permissions(), ec);
        }
        ec.clear();
        fs::rename(temporary, target, ec);
        written = !ec;
        if (ec) {
            why = fileFailureOf(ec, FileFailure::WriteFailed);
        }
    }
    if (!written) {
        fs::remove(temporary, ec);
        return cannotCreate(path, why);
    }
    syncFolder(target.parent_path());
    return {};
}

} // namespace pemrix::image
