#pragma once
// The ways an emulated module can be told to misbehave. One list, shared by the
// program's command line and the tests, so a fault has one name everywhere.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pemrix::emulator {

enum class Fault {
    Silent,          // no module on the line: no echo, no answer
    AnswerOnAttempt, // =N: link requests before the N-th go unanswered (echoed only)
    WrongKind,       // [=K]: the link answer carries kind K (a kind of another module)
    BadLinkCrc,      // the link answer carries a wrong CRC
    RefusedHeader,   // every command header is acknowledged FF
    BadFrameCrc,     // a frame sent for a read carries a wrong CRC; a written frame is
                     // taken as failing its CRC (acknowledged FF, not stored)
    NoWriteAck,      // a written frame is stored, but its acknowledgement never comes
    DroppedByte,     // [=N]: byte N (from 0) of every answer is left out
    NoKey,           // the key answer is FF: no key presented
    BaudPacing,      // every byte sent, echoes included, takes its 1200-baud byte time
    Unplug,          // =N: the adapter is pulled as the N-th byte from the host (from 1)
                     // arrives: that byte goes unanswered and the host's line hangs up
};

inline constexpr std::size_t FaultCount = 11;

enum class FaultValue { None, Optional, Required };

struct FaultInfo {
    Fault fault;
    std::string_view name; // as written on the command line
    FaultValue value;
    int defaultValue;
    int minValue;
    int maxValue;
    std::string_view help;
};

const FaultInfo& faultInfo(Fault fault);

// The faults in force, each with its number (or the fault's default).
class Faults {
  public:
    // Turns a fault on; without a value the fault's default applies.
    Faults& set(Fault fault, std::optional<int> value = std::nullopt);
    void clear(Fault fault);
    bool has(Fault fault) const;
    // The fault's number; meaningful only while it is on.
    int value(Fault fault) const;
    bool any() const;

  private:
    std::array<std::optional<int>, FaultCount> values_{};
};

struct FaultSetting {
    Fault fault;
    std::optional<int> value;
};

// Reads "NAME" or "NAME=N". On bad text returns nothing and, when asked, says why.
std::optional<FaultSetting> parseFault(std::string_view text, std::string* error = nullptr);

// One line per fault, for a usage text.
std::string faultHelp();

} // namespace pemrix::emulator
