#pragma once
// The byte line to one module: what the exchange engine needs of a serial port.
// Implemented by the operating system's port (SystemSerialPort) and, in tests, by
// scripted fakes.

#include "link/system_reason.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace pemrix::link {

enum class PortErrorKind {
    NoSuchPort,   // the device does not exist
    InUse,        // another program holds it
    NoPermission, // the user may not open it
    Gone,         // the device vanished (adapter unplugged, pty master closed)
    TimedOut,     // a write could not be finished in time
    Closed,       // the port was closed (possibly from another thread)
    Other,
};

struct PortError {
    PortErrorKind kind = PortErrorKind::Other;
    int osCode = 0;      // errno or GetLastError()
    std::string message; // the system's own text, for the user
};

// Why the port failed, in the user's words; a port that gave no text is known by its
// code alone, and a failure without either has no reason to tell (empty).
inline std::string portErrorReason(const PortError& error) {
    if (!error.message.empty())
        return error.message;
    return error.osCode == 0 ? std::string() : os::otherErrorReason(error.osCode, {});
}

// Outcome of one read or write: how many bytes moved, and whether the call failed.
// A read that times out is not a failure: it simply moved fewer bytes than asked.
// A failed call may still have moved some bytes before it failed (a write that ran
// out of time, a read whose device vanished half-way).
struct IoResult {
    std::size_t transferred = 0;
    bool failed = false;
    PortError error;

    static IoResult done(std::size_t n) { return {n, false, {}}; }
    static IoResult failure(PortError e, std::size_t movedBeforeFailing = 0) {
        return {movedBeforeFailing, true, std::move(e)};
    }
    bool ok() const { return !failed; }
};

// What a purge clears; one flag per call, as the line expects.
enum class Purge { RxAbort, TxAbort, RxClear, TxClear };

class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // Reads up to `count` bytes, giving up after the port's total time-out
    // (100 ms per byte asked plus 10 ms). Returns what arrived.
    virtual IoResult read(std::uint8_t* buffer, std::size_t count) = 0;
    // Writes `count` bytes within the write time-out (100 ms per byte plus 10 ms).
    virtual IoResult write(const std::uint8_t* data, std::size_t count) = 0;
    virtual void purge(Purge what) = 0;
    // Safe to call from any thread and more than once: wakes a call blocked in
    // read or write, which then fails; the port is never used again afterwards.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Why the device could not be opened, if it could not; such a port fails every
    // call. A port made open, like a scripted one, has nothing to say.
    virtual std::optional<PortError> openError() const { return std::nullopt; }
};

} // namespace pemrix::link
