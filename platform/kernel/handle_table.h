// A table of objects addressed by opaque handle values.
//
// A handle value packs a slot number, a table tag and the slot's generation.
// Freeing a slot bumps its generation, so a stale handle never finds the
// object that later reuses the slot; the tag makes a handle of one table (a
// window, say) useless in another (the GDI objects). Freed slots are reused
// first, so a program that creates and deletes an object per call keeps the
// table small and warm.
//
// The table does no locking: each owner guards its table with its own lock.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace lumenbox::win::detail {

enum class HandleTag : std::uintptr_t {
    Kernel = 1,
    Gdi = 2,
    User = 3,
    Gl = 4,
};

template <class Object>
class HandleTable {
public:
    explicit HandleTable(HandleTag tag) : tag_(static_cast<std::uintptr_t>(tag)) {}

    // Stores the object and returns its handle value (never 0).
    std::uintptr_t Insert(std::unique_ptr<Object> object) {
        std::uint32_t index;
        if (!free_.empty()) {
            index = free_.back();
            free_.pop_back();
        } else {
            index = static_cast<std::uint32_t>(slots_.size());
            slots_.push_back(Slot{});
        }
        Slot& slot = slots_[index];
        slot.object = std::move(object);
        slot.handle = Encode(index, slot.generation);
        ++live_;
        return slot.handle;
    }

    // The object a handle designates, or nullptr for a stale, foreign or
    // garbage value.
    Object* Find(std::uintptr_t handle) const {
        const Slot* slot = SlotOf(handle);
        return slot ? slot->object.get() : nullptr;
    }

    // Removes the object and returns it; nullptr if the handle is not live.
    std::unique_ptr<Object> Erase(std::uintptr_t handle) {
        Slot* slot = const_cast<Slot*>(SlotOf(handle));
        if (!slot) return nullptr;
        std::unique_ptr<Object> object = std::move(slot->object);
        slot->handle = 0;
        slot->generation = NextGeneration(slot->generation);
        free_.push_back(static_cast<std::uint32_t>(slot - slots_.data()));
        --live_;
        return object;
    }

    std::size_t Size() const { return live_; }

    // Calls f(handle, object) for every live object.
    template <class F>
    void ForEach(F&& f) const {
        for (std::size_t i = 0; i < slots_.size(); ++i)
            if (slots_[i].object) f(Encode(static_cast<std::uint32_t>(i), slots_[i].generation), *slots_[i].object);
    }

private:
    // 32 bytes, so that a slot's address is a shift of its number, not a
    // multiplication by 24, on every lookup.
    struct alignas(32) Slot {
        std::unique_ptr<Object> object;
        std::uintptr_t handle = 0;  // the live object's handle; 0 while free
        std::uintptr_t generation = 1;
    };

    // Layout, low bits first: 20 bits slot number + 1, 4 bits tag, the rest
    // generation.
    static constexpr unsigned kIndexBits = 20;
    static constexpr unsigned kTagBits = 4;
    static constexpr std::uintptr_t kIndexMask = (std::uintptr_t{1} << kIndexBits) - 1;
    static constexpr std::uintptr_t kTagMask = (std::uintptr_t{1} << kTagBits) - 1;
    static constexpr unsigned kGenerationShift = kIndexBits + kTagBits;
    static constexpr std::uintptr_t kGenerationMask = ~std::uintptr_t{0} >> kGenerationShift;

    static std::uintptr_t NextGeneration(std::uintptr_t g) {
        g = (g + 1) & kGenerationMask;
        return g == 0 ? 1 : g;
    }

    std::uintptr_t Encode(std::uint32_t index, std::uintptr_t generation) const {
        return (std::uintptr_t{index} + 1) | (tag_ << kIndexBits) | (generation << kGenerationShift);
    }

    // A live slot keeps its whole handle, so one comparison checks the tag,
    // the generation and that the slot is in use: lookups run around every
    // pixel a program reads.
    const Slot* SlotOf(std::uintptr_t handle) const {
        const std::uintptr_t index = (handle & kIndexMask) - 1;  // wraps round for slot number 0
        if (index >= slots_.size()) return nullptr;
        const Slot& slot = slots_[index];
        return slot.handle == handle ? &slot : nullptr;
    }

    std::uintptr_t tag_;
    std::vector<Slot> slots_;
    std::vector<std::uint32_t> free_;
    std::size_t live_ = 0;
};

// Conversions between handle types and the table's values.
template <class Handle>
std::uintptr_t HandleValue(Handle handle) {
    return reinterpret_cast<std::uintptr_t>(handle);
}
template <class Handle>
Handle MakeHandle(std::uintptr_t value) {
    return reinterpret_cast<Handle>(value);
}

}  // namespace lumenbox::win::detail
