// An ordered list of colours (a logical palette or a DIB colour table) with
// the nearest-entry search that both need.
//
// The search runs very often on a table that rarely changes (the fire demo
// asks 37,760 times a frame), so answers are cached per table. Every change
// of an entry goes through this class and retires the cache in O(1) by
// moving to a new stamp; stale slots are simply never believed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/colour_values.h"

namespace lumenbox::win::detail {

class ColourTable {
public:
    ColourTable() = default;
    explicit ColourTable(std::size_t size) : colours_(size, 0) {}
    // A copy gets the colours, not the cache: the copy will be changed on
    // its own.
    ColourTable(const ColourTable& other) : colours_(other.colours_) {}
    ColourTable& operator=(const ColourTable& other);
    ColourTable(ColourTable&&) noexcept = default;
    ColourTable& operator=(ColourTable&&) noexcept = default;

    std::size_t Size() const { return colours_.size(); }
    Rgb At(std::size_t index) const { return colours_[index]; }
    const Rgb* Data() const { return colours_.data(); }

    void Set(std::size_t index, Rgb colour);
    // New entries are black.
    void Resize(std::size_t size);

    // Exact match if any, else the least squared RGB distance, lowest index
    // among equals. The table must not be empty.
    unsigned Nearest(Rgb colour);

private:
    struct Slot {
        std::uint32_t key;    // colour << 8 | index
        std::uint32_t stamp;  // valid while equal to stamp_
    };
    static constexpr unsigned kSlotBits = 11;
    // Tables this small are scanned faster than they are hashed.
    static constexpr std::size_t kScanOnlySize = 16;

    unsigned Scan(Rgb colour) const;
    void Invalidate();

    std::vector<Rgb> colours_;
    std::unique_ptr<Slot[]> slots_;  // made at the first cached search
    std::uint32_t stamp_ = 1;
};

}  // namespace lumenbox::win::detail
