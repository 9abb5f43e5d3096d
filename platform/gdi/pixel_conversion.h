// How pixel values of one format become those of another, for block copies
// and for DIB bits going in or out: indices stay indices between indexed
// formats of one depth; an index becomes its colour, or that colour's
// nearest entry in the target's table; a colour becomes the nearest entry
// of an indexed target, or stays itself on a direct one (direct formats all
// speak 0x00RRGGBB, so 16, 24 and 32 bits need nothing between them).
#pragma once

#include <array>
#include <cstdint>

#include "platform/gdi/colour_table.h"
#include "platform/gdi/pixel_formats.h"

namespace lumenbox::win::detail {

class PixelConversion {
public:
    // A table is given for each indexed side (an indexed source's table has
    // at most 256 entries); the target's nearest-entry cache is used, so it
    // is not const.
    PixelConversion(const PixelFormat& sourceFormat, const ColourTable* sourceTable, const PixelFormat& targetFormat,
                    ColourTable* targetTable);

    // Values as they stand are already right.
    bool Identity() const { return kind_ == Kind::Same; }
    void Apply(std::uint32_t* values, int count) const;

private:
    enum class Kind { Same, Lookup, Nearest };
    Kind kind_ = Kind::Same;
    ColourTable* targetTable_;
    std::array<std::uint32_t, 256> lookup_{};
};

}  // namespace lumenbox::win::detail
