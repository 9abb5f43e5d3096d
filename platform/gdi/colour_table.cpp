// Nearest-entry search with a per-table cache.
#include "platform/gdi/colour_table.h"

#include <cstring>

namespace lumenbox::win::detail {

namespace {

unsigned SquaredDistance(Rgb a, Rgb b) {
    const int dr = static_cast<int>(RedOf(a)) - static_cast<int>(RedOf(b));
    const int dg = static_cast<int>(GreenOf(a)) - static_cast<int>(GreenOf(b));
    const int db = static_cast<int>(BlueOf(a)) - static_cast<int>(BlueOf(b));
    return static_cast<unsigned>(dr * dr + dg * dg + db * db);
}

}  // namespace

ColourTable& ColourTable::operator=(const ColourTable& other) {
    if (this != &other) {
        colours_ = other.colours_;
        Invalidate();
    }
    return *this;
}

void ColourTable::Set(std::size_t index, Rgb colour) {
    if (colours_[index] == colour) return;
    colours_[index] = colour;
    Invalidate();
}

void ColourTable::Resize(std::size_t size) {
    if (size == colours_.size()) return;
    colours_.resize(size, 0);
    Invalidate();
}

unsigned ColourTable::Nearest(Rgb colour) {
    colour &= 0x00FFFFFFu;
    if (colours_.size() <= kScanOnlySize) return Scan(colour);
    if (!slots_) {
        slots_ = std::make_unique<Slot[]>(std::size_t{1} << kSlotBits);
        std::memset(slots_.get(), 0, sizeof(Slot) << kSlotBits);
    }
    // Fibonacci hashing spreads neighbouring colours over the slots.
    Slot& slot = slots_[(colour * 0x9E3779B1u) >> (32 - kSlotBits)];
    if (slot.stamp == stamp_ && (slot.key >> 8) == colour) return slot.key & 0xFFu;
    const unsigned index = Scan(colour);
    slot.key = (colour << 8) | index;
    slot.stamp = stamp_;
    return index;
}

unsigned ColourTable::Scan(Rgb colour) const {
    unsigned best = 0;
    unsigned bestDistance = ~0u;
    for (std::size_t i = 0; i < colours_.size(); ++i) {
        const unsigned d = SquaredDistance(colours_[i], colour);
        // Strictly less keeps the lowest index among equals; an exact match
        // has distance 0, which nothing beats.
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<unsigned>(i);
            if (d == 0) break;
        }
    }
    return best;
}

void ColourTable::Invalidate() {
    if (++stamp_ != 0) return;
    // After four billion changes the stamps come round again; start afresh
    // so that no slot of the first round can look valid.
    if (slots_) std::memset(slots_.get(), 0, sizeof(Slot) << kSlotBits);
    stamp_ = 1;
}

}  // namespace lumenbox::win::detail
