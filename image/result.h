#pragma once
// Results as values: either a value or an error that carries the exact text to show.
// (g++ 12 has no std::expected.)

#include <string>
#include <utility>
#include <variant>

namespace pemrix::image {

// Why an operation on a configuration image or file failed. The first five are the
// failures of file access and number conversion, which the general error report
// shows (an error box whose text is `message`, image/error_texts.h); the others are
// this program's own messages.
enum class ErrorKind {
    CannotOpenFile,         // the file cannot be opened or read
    CannotCreateFile,       // the file cannot be created or written
    ListIndexOutOfBounds,   // the file has no line where one is needed
    NotAnInteger,           // a line or a field that is not a decimal integer
    NotAByte,               // a line whose integer no image byte can hold
    FileTooLarge,           // larger than any configuration file can be
    WrongModuleKind,        // the file belongs to another kind of module
    IdentifierStartsWithFF, // such a record would read back as the end of the list
};

// True for the errors that the general error report shows.
constexpr bool isGeneralError(ErrorKind kind) {
    return kind == ErrorKind::CannotOpenFile || kind == ErrorKind::CannotCreateFile ||
           kind == ErrorKind::ListIndexOutOfBounds || kind == ErrorKind::NotAnInteger ||
           kind == ErrorKind::NotAByte;
}

struct Error {
    ErrorKind kind;
    std::string message; // UTF-8, ready to show
};

template <class T> class [[nodiscard]] Result {
  public:
    Result(T value) : state_(std::move(value)) {}
    Result(Error error) : state_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    // Only when ok().
    const T& value() const& { return std::get<T>(state_); }
    T& value() & { return std::get<T>(state_); }
    T&& value() && { return std::get<T>(std::move(state_)); }

    // Only when !ok().
    const Error& error() const { return std::get<Error>(state_); }

  private:
    std::variant<T, Error> state_;
};

template <> class [[nodiscard]] Result<void> {
  public:
    Result() = default;
    Result(Error error) : error_(std::move(error)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return error_; }

  private:
    Error error_{};
    bool failed_ = false;
};

using Status = Result<void>;

} // namespace pemrix::image
