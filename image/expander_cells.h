#pragma once
// What the images of the two expander modules (Orvel-416, Orvel-417) lay out alike:
// the delay in byte 0, the mode flags in bits 0..4 of byte 3 and the identifier
// records from byte 8. Each codec puts its own fields into the rest of bytes 1..7.

#include "image/identifier_records.h"
#include "image/image_cells.h"
#include "image/mode_flags.h"

#include <span>

namespace pemrix::image {

// 64 cells: byte 0 the delay's low eight bits, byte 3 the mode flags, bytes 8..63 the
// records of `identifiers` as packIdentifierRecords stores them (none unless
// `mode.identifiersInUse`); every other cell 0.
ImageCells expanderImage(int delay, const ModeFlags& mode, const IdentifierSlots& identifiers);

// An expander image of `header` followed by no identifier record: the shape of both
// expanders' factory images.
ImageCells expanderImageWithoutRecords(std::span<const int> header);

} // namespace pemrix::image
