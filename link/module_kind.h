#pragma once
// Module kinds and worker operations: the numbers that travel on the wire.

#include <cstdint>

namespace pemrix::link {

namespace ModuleKind {
inline constexpr int FireSecure = 1; // Orvel-417
inline constexpr int Secure = 2;     // Orvel-416
inline constexpr int Rele8 = 5;      // relay module Orvel-427, eight relays
inline constexpr int Rele4 = 6;      // relay module Orvel-426, four relays (link answer only)
} // namespace ModuleKind

// The relay module's variant, as its link answer and its configuration file name it:
// the kind of the model actually present (Rele8 or Rele4).
constexpr bool isReleVariant(int value) {
    return value == ModuleKind::Rele8 || value == ModuleKind::Rele4;
}

// The two expanders (Orvel-416, Orvel-417) share their operations, texts and image size.
constexpr bool isExpanderKind(int kind) {
    return kind == ModuleKind::FireSecure || kind == ModuleKind::Secure;
}

namespace Operation {
inline constexpr int Link = 0;
inline constexpr int Write = 1;
inline constexpr int Read = 2;
inline constexpr int KeyId = 3;
inline constexpr int ReleWrite = 0x51;
inline constexpr int ReleRead = 0x52;
} // namespace Operation

// Image sizes in cells, on the wire and in the configuration files alike.
inline constexpr int ExpanderImageSize = 64;
inline constexpr int ReleImageSize = 66;

} // namespace pemrix::link
