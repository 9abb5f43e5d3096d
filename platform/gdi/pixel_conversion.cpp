// Converting spans of pixel values. An indexed source is converted once per
// colour-table entry, not per pixel: the repaint copies a whole canvas.
#include "platform/gdi/pixel_conversion.h"

namespace lumenbox::win::detail {

PixelConversion::PixelConversion(const PixelFormat& sourceFormat, const ColourTable* sourceTable,
                                 const PixelFormat& targetFormat, ColourTable* targetTable)
    : targetTable_(targetTable) {
    if (sourceTable && targetTable && &sourceFormat == &targetFormat) {
        kind_ = Kind::Same;  // indices stay indices
    } else if (sourceTable) {
        kind_ = Kind::Lookup;
        for (std::size_t i = 0; i < sourceTable->Size() && i < lookup_.size(); ++i) {
            const Rgb colour = sourceTable->At(i);
            lookup_[i] = targetTable ? targetTable->Nearest(colour) : colour;
        }
    } else {
        kind_ = targetTable ? Kind::Nearest : Kind::Same;
    }
}

void PixelConversion::Apply(std::uint32_t* values, int count) const {
    switch (kind_) {
        case Kind::Same: break;
        case Kind::Lookup:
            // Indexed values never exceed their table: 2^bits entries, at most 256.
            for (int i = 0; i < count; ++i) values[i] = lookup_[values[i] & 0xFFu];
            break;
        case Kind::Nearest:
            for (int i = 0; i < count; ++i) values[i] = targetTable_->Nearest(values[i]);
            break;
    }
}

}  // namespace lumenbox::win::detail
