#pragma once
// What an exchange tells the window that started it. Every call returns only when
// the window has shown the outcome; a call may block for as long as a message box
// stays open, and the engine simply waits.

#include "link/module_profile.h"
#include "link/serial_port.h"

#include <cstdint>
#include <vector>

namespace pemrix::link {

namespace ReportCode {
inline constexpr int NoAnswer = 1;        // no answer to ten link requests
inline constexpr int OtherKind = 2;       // a module of another kind answered
inline constexpr int LinkCrcError = 3;    // the link answer failed its CRC
inline constexpr int CrcError = 4;        // a frame or acknowledgement failed
inline constexpr int NoKey = 5;           // no key presented to the module
inline constexpr int TimeOut = 6;         // a byte did not arrive in time
inline constexpr int LinkAttempt = 7;     // link attempt n of 10
inline constexpr int LinkEstablished = 8; // the module answered the link
inline constexpr int KeyExists = 9;       // the key read is already in the list
inline constexpr int WriteDone = 10;      // the module stored the image
inline constexpr int ReadDone = 11;       // the image was read
inline constexpr int KeyReadDone = 12;    // the key was read
inline constexpr int LinkStopped = 13;    // the link was stopped before a request went out
// The line failed while nobody had asked the exchange to stop: a frame byte could
// not be written, or the device has gone (adapter unplugged). The engine says so by
// Reporter::lineFailed; the code alone (no operation, no reason) is shown like
// LinkStopped, and the window takes the layout of no link.
inline constexpr int LineFailed = 14;
} // namespace ReportCode

inline constexpr int LinkAttempts = 10;

class Reporter {
  public:
    virtual ~Reporter() = default;

    // One report; attemptNumber is the current link attempt (1..10), read by
    // LinkAttempt only, 0 before the first attempt and outside the link.
    virtual void report(int code, int attemptNumber) = 0;
    // The kind the module's link answer named, one of the served module's variants,
    // before the answer's checksum is looked at.
    virtual void linkAnswered(ModuleKind kind) = 0;
    // After LinkEstablished: the read and write buttons become usable.
    virtual void linkUp() = 0;
    // After WriteDone and ReadDone: the read and write buttons are usable again.
    virtual void enableTransferButtons() = 0;
    // A configuration image just read: the module's image size in values, each
    // 0..255. Valid only during the call.
    virtual void deliverImage(const std::vector<int>& image) = 0;
    // A key code just read (48 bits, never the all-ones "no key" code) for the
    // identifier slot 1..8 that the window asked to fill.
    virtual void deliverKey(std::uint64_t keyCode, int slot) = 0;
    // The line failed under `operation` (ReportCode::LineFailed), for the reason the
    // port gave. A reporter that does not tell the reason shows the code alone.
    virtual void lineFailed(Operation operation, const PortError& error) {
        (void)operation;
        (void)error;
        report(ReportCode::LineFailed, 0);
    }
};

} // namespace pemrix::link
