#pragma once
// The modules the program serves, one row each. Whatever differs between modules
// and is not the layout of a window or the meaning of an image's bytes lives here:
// the kind byte on the wire, the names the program shows, the image size, the
// operation bytes, key reading, the kinds a link answer may name and the words of
// the reports. The engine, the reports, the trace, the command line, the emulator
// and the main window look a module up here instead of asking which one it is.

#include "language/translate.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace pemrix::link {

// The kind byte of a module's link answer; also the kind line of an expander file and
// the variant line of a relay file.
enum class ModuleKind : std::uint8_t {
    FireSecure = 1, // Orvel-417
    Secure = 2,     // Orvel-416
    Rele8 = 5,      // relay module Orvel-427, eight relays
    Rele4 = 6,      // relay module Orvel-426, four relays: a variant of the relay module
};

// What an exchange does; the value is the operation byte of its command header.
enum class Operation : std::uint8_t {
    Link = 0,
    Write = 1,
    Read = 2,
    KeyId = 3,
    ReleWrite = 0x51,
    ReleRead = 0x52,
};

constexpr int kindValue(ModuleKind kind) {
    return static_cast<int>(kind);
}
constexpr int operationValue(Operation operation) {
    return static_cast<int>(operation);
}

// A kind a module may answer the link with: the module itself, or one of its models.
struct ModuleVariant {
    ModuleKind kind;
    std::string_view name;  // "Orvel-427", as the module calls itself
    std::string_view model; // "427": how the emulator is told to play it
};

struct ModuleProfile {
    ModuleKind kind;             // the window's kind: what its link request expects
    std::string_view name;       // "Orvel-416", "Orvel-426/427": the window's module
    std::string_view optionName; // "416", "relay": pemrix-cli's --module
    int imageSize;               // cells on the wire and in its file
    Operation write;
    Operation read;
    bool readsKeys; // reads touch-memory keys into identifier slots
    // The module stores a written image slowly: the frame's bytes are paced and its
    // acknowledgement is polled this many times.
    bool pacedWrite;
    int writeAcknowledgementPolls;
    std::span<const ModuleVariant> variants; // the kinds its link answer may name
    // The words of the reports: the catalog's sources, pointing at literals, translated
    // where they are shown.
    std::string_view noLinkStatus;     // "Нет связи с расширителем"
    std::string_view noAnswerStatus;   // after ten link requests without an answer
    std::string_view brokenLinkStatus; // after the user breaks the link
};

// The relay module as a whole (its window, its file, its row here) is known by the kind
// of its eight-relay model; either model may answer its link.
inline constexpr ModuleKind ReleModule = ModuleKind::Rele8;

namespace detail {
inline constexpr ModuleVariant SecureVariants[] = {{ModuleKind::Secure, "Orvel-416", "416"}};
inline constexpr ModuleVariant FireSecureVariants[] = {
    {ModuleKind::FireSecure, "Orvel-417", "417"}};
inline constexpr ModuleVariant ReleVariants[] = {{ModuleKind::Rele8, "Orvel-427", "427"},
                                                 {ModuleKind::Rele4, "Orvel-426", "426"}};
} // namespace detail

inline constexpr std::array<ModuleProfile, 3> ModuleProfiles{{
    {ModuleKind::Secure, "Orvel-416", "416", 64, Operation::Write, Operation::Read, true, false, 1,
     detail::SecureVariants, QT_TRANSLATE_NOOP("pemrix", "Нет связи с расширителем"),
     QT_TRANSLATE_NOOP("pemrix", "Нет ответа от расширителя"),
     QT_TRANSLATE_NOOP("pemrix", "Нет связи с расширителем")},
    {ModuleKind::FireSecure, "Orvel-417", "417", 64, Operation::Write, Operation::Read, true, false,
     1, detail::FireSecureVariants, QT_TRANSLATE_NOOP("pemrix", "Нет связи с расширителем"),
     QT_TRANSLATE_NOOP("pemrix", "Нет ответа от расширителя"),
     QT_TRANSLATE_NOOP("pemrix", "Нет связи с расширителем")},
    {ReleModule, "Orvel-426/427", "relay", 66, Operation::ReleWrite, Operation::ReleRead, false,
     true, 10, detail::ReleVariants, QT_TRANSLATE_NOOP("pemrix", "Нет связи с модулем"),
     QT_TRANSLATE_NOOP("pemrix", "Нет ответа от модуля. Демонстрационный режим"),
     QT_TRANSLATE_NOOP("pemrix", "Нет связи с модулем. Демонстрационный режим")},
}};

// The module a window of that kind serves; nullptr for a kind no window serves.
constexpr const ModuleProfile* profileOf(ModuleKind kind) {
    for (const ModuleProfile& profile : ModuleProfiles)
        if (profile.kind == kind)
            return &profile;
    return nullptr;
}

// The variant of `profile` a link answer's kind names, or nullptr.
constexpr const ModuleVariant* variantOf(const ModuleProfile& profile, ModuleKind answered) {
    for (const ModuleVariant& variant : profile.variants)
        if (variant.kind == answered)
            return &variant;
    return nullptr;
}

// Any module's variant of that kind, with the module it belongs to.
struct AnsweredModule {
    const ModuleProfile* profile = nullptr;
    const ModuleVariant* variant = nullptr;
};
constexpr AnsweredModule moduleAnsweringAs(ModuleKind answered) {
    for (const ModuleProfile& profile : ModuleProfiles)
        if (const ModuleVariant* variant = variantOf(profile, answered))
            return {&profile, variant};
    return {};
}

// A kind byte as read from the line or a file: a known kind, or nothing.
constexpr const ModuleVariant* variantOfByte(int value) {
    for (const ModuleProfile& profile : ModuleProfiles)
        for (const ModuleVariant& variant : profile.variants)
            if (kindValue(variant.kind) == value)
                return &variant;
    return nullptr;
}

// The name a module calls itself for `variant` ("Orvel-427"); empty for no variant.
constexpr std::string_view variantName(ModuleKind variant) {
    const ModuleVariant* named = variantOfByte(kindValue(variant));
    return named != nullptr ? named->name : std::string_view();
}

// Image sizes in cells, on the wire and in the configuration files alike.
inline constexpr int ExpanderImageSize = profileOf(ModuleKind::Secure)->imageSize;
inline constexpr int ReleImageSize = profileOf(ModuleKind::Rele8)->imageSize;

} // namespace pemrix::link
