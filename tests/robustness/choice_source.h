// Where a call sequence takes its decisions from: one stream of choices that
// either a seeded generator or a fuzzer's input bytes supply, so that the
// GoogleTest and the fuzz target run exactly the same engine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace lumenbox::robustness {

class ChoiceSource {
public:
    virtual ~ChoiceSource() = default;
    // A value from 0 to bound - 1; 0 when bound is 0 or 1.
    virtual std::uint32_t Below(std::uint32_t bound) = 0;
    // Any 32-bit value.
    virtual std::uint32_t Bits32() = 0;
    // True once the source has nothing more to say; the sequence then ends.
    virtual bool Exhausted() const = 0;
};

// A reproducible stream: the same seed always gives the same choices, on
// every machine (SplitMix64, not a library engine whose output may differ).
class SeededChoices final : public ChoiceSource {
public:
    explicit SeededChoices(std::uint64_t seed) : state_(seed) {}
    std::uint32_t Below(std::uint32_t bound) override;
    std::uint32_t Bits32() override;
    bool Exhausted() const override { return false; }

private:
    std::uint64_t Next();
    std::uint64_t state_;
};

// A fuzzer's input read from the front; when it runs out every choice is 0
// and the source says it is exhausted.
class ByteChoices final : public ChoiceSource {
public:
    explicit ByteChoices(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint32_t Below(std::uint32_t bound) override;
    std::uint32_t Bits32() override;
    bool Exhausted() const override { return exhausted_; }

private:
    std::uint32_t TakeBytes(std::size_t count);
    std::span<const std::uint8_t> bytes_;
    std::size_t next_ = 0;
    bool exhausted_ = false;
};

// True in `percent` cases out of 100.
inline bool Chance(ChoiceSource& choices, std::uint32_t percent) { return choices.Below(100) < percent; }

// One element of a non-empty table.
template <class T, std::size_t N>
const T& OneOf(ChoiceSource& choices, const T (&table)[N]) {
    return table[choices.Below(static_cast<std::uint32_t>(N))];
}

// The seed of sequence `index` of a run that starts from `runSeed`: each
// sequence can be replayed alone from its index.
std::uint64_t SequenceSeed(std::uint64_t runSeed, std::uint64_t index);

}  // namespace lumenbox::robustness
