#pragma once
// What pemrix-cli's exit code says. The last outcome of a run decides it: a link
// that stood (LinkEstablished) followed by a read that failed its checksum (CrcError)
// ends with 4.

#include <optional>

namespace pemrix::cli {

namespace ExitCode {
inline constexpr int Success = 0;
inline constexpr int NoAnswer = 1;       // no answer to ten link requests
inline constexpr int Different = 1;      // diff: the configurations differ, as diff and cmp say
inline constexpr int Usage = 2;          // bad command line or file; nothing was sent
inline constexpr int OtherKind = 3;      // a module of another kind answered
inline constexpr int ExchangeFailed = 4; // a checksum failed, or the module refused
inline constexpr int NoKey = 5;          // no key presented to the module
inline constexpr int LineFault = 6;      // the port cannot be opened, or failed under the exchange
inline constexpr int InternalError = 70; // a failure of the program itself
inline constexpr int OutputFailed = 74;  // the result could not be written to stdout
inline constexpr int Interrupted = 130;  // stopped by SIGINT or SIGTERM
} // namespace ExitCode

// The exit code a report decides, or nothing for the reports that decide nothing
// (a link attempt, a late byte: the exchange goes on after them).
std::optional<int> exitCodeForReport(int reportCode);

} // namespace pemrix::cli
