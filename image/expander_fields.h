#pragma once
// The fields both expander images (Orvel-416, Orvel-417) lay out alike, for their
// field tables: the delay in byte 0, the mode flags in bits 0..4 of byte 3, the
// number in bits 0..3 of byte 7, the identifier records from byte 8, and a row of
// the loop grid.

#include "image/field_table.h"

#include <string>
#include <vector>

namespace pemrix::image {

// Bit firstBit + n - 1 of `cell` is loop n's box of the row `label` in the group
// "Настройки ШС:"; keys "loops.<n>.<name>".
void addLoopRow(std::vector<Field>& fields, const std::string& name, const std::string& label,
                int cell, int firstBit, int loops);

// The radio groups and boxes of the mode flags, the delay and the number, each a
// control on its own (no group).
Field delayField();
Field expanderNumberField();
Field keyboardLockedField();
Field autonomousField();
Field identifierOutputField();
Field loop1TacticField();
Field powerOutputField();

// One authority column of the identifier grid: its heading and the key part of its
// boxes ("loops.5", "arming.2").
struct AuthorityColumn {
    std::string heading;
    std::string key;
};

// Slot k = 1..8: "identifiers.<k>.key", the key code in the column "Номер", then its
// eight authority boxes "identifiers.<k>.<column key>", bit j-1 of the record's last
// byte in column j. A slot after the end of the list reads empty.
void addIdentifierRows(std::vector<Field>& fields, const std::vector<AuthorityColumn>& columns);

} // namespace pemrix::image
