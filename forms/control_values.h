#pragma once
// Reading and setting rows of controls as the image's fields: a row of check boxes as
// the bits of a byte, a drop-down list as a mode code.

#include <cstdint>
#include <span>

class QCheckBox;
class QComboBox;

namespace pemrix::forms {

// Bit firstBit + i set for each checked boxes[i].
std::uint8_t maskOf(std::span<QCheckBox* const> boxes, int firstBit = 0);

// Checks boxes[i] exactly when bit firstBit + i of `mask` is set, in order (every
// change runs the box's rule).
void checkFromMask(std::span<QCheckBox* const> boxes, std::uint8_t mask, int firstBit = 0);

// The mode code a list shows: its item index. A code that names no item (a module
// may send one) is shown as no item and kept, so that it is built back unchanged
// until the user picks an item; a list with no item and no kept code gives 0.
int comboCode(const QComboBox* combo);
void setComboCode(QComboBox* combo, int code);

} // namespace pemrix::forms
