#include "forms/control_values.h"

#include "image/image_cells.h"

#include <QCheckBox>
#include <QComboBox>
#include <QVariant>

namespace pemrix::forms {

namespace {
// Where a list keeps a code that names none of its items.
constexpr const char* KeptCode = "pemrixKeptCode";
} // namespace

std::uint8_t maskOf(std::span<QCheckBox* const> boxes, int firstBit) {
    std::uint8_t mask = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        mask = image::withBit(mask, firstBit + static_cast<int>(i), boxes[i]->isChecked());
    return mask;
}

void checkFromMask(std::span<QCheckBox* const> boxes, std::uint8_t mask, int firstBit) {
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setChecked(image::bitAt(mask, firstBit + static_cast<int>(i)));
}

int comboCode(const QComboBox* combo) {
    if (combo->currentIndex() >= 0)
        return combo->currentIndex();
    const QVariant kept = combo->property(KeptCode);
    return kept.isValid() ? kept.toInt() : 0;
}

void setComboCode(QComboBox* combo, int code) {
    const bool named = code >= 0 && code < combo->count();
    combo->setProperty(KeptCode, named ? QVariant() : QVariant(code));
    combo->setCurrentIndex(named ? code : -1);
}

} // namespace pemrix::forms
