#include "image/expander_cells.h"

#include "link/module_profile.h"

#include <algorithm>

namespace pemrix::image {

ImageCells expanderImage(int delay, const ModeFlags& mode, const IdentifierSlots& identifiers) {
    ImageCells cells(link::ExpanderImageSize, 0);
    cells[0] = lowByte(delay);
    cells[3] = modeFlagsByte(mode);
    packIdentifierRecords(identifiers, mode.identifiersInUse, cells);
    return cells;
}

ImageCells expanderImageWithoutRecords(std::span<const int> header) {
    ImageCells cells(link::ExpanderImageSize, EndOfRecords);
    std::copy_n(header.begin(), std::min(header.size(), cells.size()), cells.begin());
    return cells;
}

} // namespace pemrix::image
