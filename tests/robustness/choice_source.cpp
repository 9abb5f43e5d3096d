#include "robustness/choice_source.h"

namespace lumenbox::robustness {

namespace {

// The SplitMix64 finaliser: spreads neighbouring seeds far apart.
std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// How many input bytes a choice below `bound` needs.
std::size_t BytesFor(std::uint32_t bound) {
    if (bound <= 0x100u) return 1;
    if (bound <= 0x10000u) return 2;
    if (bound <= 0x1000000u) return 3;
    return 4;
}

}  // namespace

std::uint64_t SeededChoices::Next() {
    state_ += 0x9E3779B97F4A7C15ull;
    return Mix(state_);
}

std::uint32_t SeededChoices::Below(std::uint32_t bound) {
    if (bound <= 1) return 0;
    // Multiply-shift: uniform enough for choosing, and never a division by 0.
    return static_cast<std::uint32_t>(((Next() >> 32) * bound) >> 32);
}

std::uint32_t SeededChoices::Bits32() { return static_cast<std::uint32_t>(Next() >> 32); }

std::uint32_t ByteChoices::TakeBytes(std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (next_ >= bytes_.size()) {
            exhausted_ = true;
            return 0;
        }
        value |= static_cast<std::uint32_t>(bytes_[next_++]) << (8 * i);
    }
    return value;
}

std::uint32_t ByteChoices::Below(std::uint32_t bound) {
    if (bound <= 1) return 0;
    return TakeBytes(BytesFor(bound)) % bound;
}

std::uint32_t ByteChoices::Bits32() { return TakeBytes(4); }

std::uint64_t SequenceSeed(std::uint64_t runSeed, std::uint64_t index) { return Mix(runSeed ^ Mix(index + 1)); }

}  // namespace lumenbox::robustness
