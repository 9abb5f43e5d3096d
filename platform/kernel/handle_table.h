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
        if (const std::uintptr_t handle = InsertIntoFreeSlot(object)) return handle;
        const auto index = static_cast<std::uint32_t>(slots_.size());
        slots_.push_back(Slot{});
        Slot& slot = slots_[index];
        slot.object = std::move(object);
        return Occupy(slot, index);
    }

    // Stores a non-null object in a freed slot and returns its handle value,
    // leaving `object` null; 0, with `object` untouched, when no slot is
    // free. Allocates nothing and calls nothing.
    std::uintptr_t InsertIntoFreeSlot(std::unique_ptr<Object>& object) {
        if (freeHead_ == kNoSlot) return 0;
        const std::uint32_t index = freeHead_;
        Slot& slot = slots_[index];
        freeHead_ = slot.nextFree;
        slot.object.swap(object);  // a free slot holds null, so nothing is destroyed
        return Occupy(slot, index);
    }

    // The object a handle designates, or nullptr for a stale, foreign or
    // garbage value.
    Object* Find(std::uintptr_t handle) const {
        const Slot* slot = SlotOf(handle);
        return slot ? slot->object.get() : nullptr;
    }

    // Removes the object and returns it; nullptr if the handle is not live.
    std::unique_ptr<Object> Erase(std::uintptr_t handle) {
        std::unique_ptr<Object> object;
        EraseInto(handle, object);
        return object;
    }

    // Removes the object into `out`, which must be null; false, with
    // nothing changed, if the handle is not live. Allocates nothing and
    // calls nothing.
    bool EraseInto(std::uintptr_t handle, std::unique_ptr<Object>& out) {
        Slot* slot = const_cast<Slot*>(SlotOf(handle));
        if (!slot) return false;
        out.swap(slot->object);
        slot->handle = 0;
        slot->generation = NextGeneration(slot->generation);
        slot->nextFree = freeHead_;
        freeHead_ = static_cast<std::uint32_t>(slot - slots_.data());
        --live_;
        return true;
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
        std::uint32_t nextFree = 0;  // while free: the slot freed before it
    };
    static_assert(sizeof(Slot) == 32);

    // The end of the free list. Freed slots form a list through the slots
    // themselves, the last freed first, so freeing one never allocates.
    static constexpr std::uint32_t kNoSlot = ~std::uint32_t{0};

    std::uintptr_t Occupy(Slot& slot, std::uint32_t index) {
        slot.handle = Encode(index, slot.generation);
        ++live_;
        return slot.handle;
    }

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
    std::uint32_t freeHead_ = kNoSlot;
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
