#pragma once
// A trace of the bytes of an exchange: every byte the engine writes or reads, with
// its direction and what it is, told at the moment the engine knows it. The engine
// keeps no clock; a trace that shows times takes them itself. Off unless a trace is
// given to the exchange.

#include "link/module_profile.h"

#include <cstddef>
#include <cstdint>

namespace pemrix::link {

enum class ExchangeEnd;

enum class Direction { ToModule, FromModule };

enum class ByteRole {
    LinkRequest,     // 55 55 AA AA
    LinkAnswer,      // the two leading bytes of the module's link answer
    ModuleKind,      // the kind byte of the link answer
    Header,          // a command header's leading bytes and its operation byte
    FrameLead,       // AA AA before a configuration image
    FrameData,       // an image byte of a configuration frame
    Checksum,        // the CRC closing a link answer, header, frame or key answer
    Echo,            // the line's copy of a byte just written
    Acknowledgement, // the module's 00 (or refusal) after a header or a written frame
    Verdict,         // the configurator's 00 (accepted) or FF (rejected)
    KeyAnswer,       // the two leading bytes of a key answer (FF first: no key)
    KeyCode,         // the six bytes of a key code, least significant first
};

class ByteTrace {
  public:
    virtual ~ByteTrace() = default;

    // Before the first byte of an exchange of `operation` for the module a window of
    // kind `moduleKind` serves.
    virtual void exchangeBegan(ModuleKind moduleKind, Operation operation) = 0;
    // One byte written to the line or read from it.
    virtual void byte(Direction direction, std::uint8_t value, ByteRole role) = 0;
    // `count` bytes that did not move: a read that got nothing in its time, or a
    // write the line refused. `role` is what the first of them would have been.
    virtual void missing(Direction direction, ByteRole role, std::size_t count) = 0;
    // After the last byte of the exchange.
    virtual void exchangeEnded(ExchangeEnd end) = 0;
};

} // namespace pemrix::link

namespace pemrix::link {

// Tells `trace` what one port call of `wanted` bytes moved: the first `moved` bytes
// of `bytes`, each with the role `roleAt(position)` gives, then the rest as missing.
template <class RoleAt>
void traceMoved(ByteTrace& trace, Direction direction, const std::uint8_t* bytes,
                std::size_t wanted, std::size_t moved, RoleAt roleAt) {
    if (moved > wanted)
        moved = wanted;
    for (std::size_t i = 0; i < moved; ++i)
        trace.byte(direction, bytes[i], roleAt(i));
    if (moved < wanted)
        trace.missing(direction, roleAt(moved), wanted - moved);
}

} // namespace pemrix::link
