#pragma once
// The Orvel-416 image field by field, as TSecureForm shows it (image/field_table.h).

#include "image/field_table.h"
#include "language/translate.h"

#include <array>

namespace pemrix::secure {

// The items of Rele1Combo / Rele2Combo, in code order (catalog sources).
inline constexpr std::array<const char*, 4> RelayModeItems = {
    QT_TRANSLATE_NOOP("pemrix", "ПЦН тревога"), QT_TRANSLATE_NOOP("pemrix", "ПЦН контрольный"),
    QT_TRANSLATE_NOOP("pemrix", "Исполнительный"),
    QT_TRANSLATE_NOOP("pemrix", "Контрольная лампа")};

// The separator between the loops of a relay box's pair: "ШС1–ШС2".
inline constexpr const char* LoopPairDash = "–";

// The loop grid, the relay modes, the identifier rows, then the bottom row left to
// right. Keys: "loops.<n>.integration|auto_arming|silent_alarm|round_the_clock",
// "relays.<r>.binding.<n>-<n+1>", "relays.<r>.mode", "identifiers.<k>.key",
// "identifiers.<k>.loops.<n>", "mode.*", "delay", "number". Bits 5..7 of byte 3 are
// not read. Its texts are in the user's language, as the window shows them (the catalog
// in use when the table is first asked for).
const image::FieldTable& secureFields();

} // namespace pemrix::secure
