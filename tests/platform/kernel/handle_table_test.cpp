// The handle table's free list: freed slots come back last freed first,
// filling one needs no new slot, and no stale handle finds the object that
// took its slot.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "platform/kernel/handle_table.h"

namespace lumenbox::win::detail {
namespace {

// The slot a handle names: its low 20 bits, the slot number + 1.
std::uintptr_t SlotOf(std::uintptr_t handle) { return handle & 0xFFFFF; }

TEST(HandleTable, FreedSlotsComeBackLastFreedFirstWithNewHandles) {
    HandleTable<int> table(HandleTag::Gdi);
    const std::uintptr_t a = table.Insert(std::make_unique<int>(1));
    table.Insert(std::make_unique<int>(2));
    const std::uintptr_t c = table.Insert(std::make_unique<int>(3));
    ASSERT_NE(table.Erase(a), nullptr);
    ASSERT_NE(table.Erase(c), nullptr);
    EXPECT_EQ(table.Size(), 1u);

    const std::uintptr_t d = table.Insert(std::make_unique<int>(4));
    const std::uintptr_t e = table.Insert(std::make_unique<int>(5));
    const std::uintptr_t f = table.Insert(std::make_unique<int>(6));
    EXPECT_EQ(SlotOf(d), SlotOf(c));
    EXPECT_EQ(SlotOf(e), SlotOf(a));
    EXPECT_NE(SlotOf(f), SlotOf(a));
    EXPECT_NE(SlotOf(f), SlotOf(c));
    EXPECT_NE(d, c);
    EXPECT_NE(e, a);
    EXPECT_EQ(table.Find(a), nullptr);
    EXPECT_EQ(table.Find(c), nullptr);
    ASSERT_NE(table.Find(d), nullptr);
    EXPECT_EQ(*table.Find(d), 4);
    EXPECT_EQ(*table.Find(e), 5);
    EXPECT_EQ(table.Size(), 4u);
}

TEST(HandleTable, AFreedSlotIsFilledWithoutANewOne) {
    HandleTable<int> table(HandleTag::Gdi);
    auto object = std::make_unique<int>(7);
    EXPECT_EQ(table.InsertIntoFreeSlot(object), 0u) << "no slot was ever freed";
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(table.Size(), 0u);

    const std::uintptr_t first = table.Insert(std::make_unique<int>(1));
    std::unique_ptr<int> out;
    ASSERT_TRUE(table.EraseInto(first, out));
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(*out, 1);

    const std::uintptr_t second = table.InsertIntoFreeSlot(object);
    ASSERT_NE(second, 0u);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(SlotOf(second), SlotOf(first));
    ASSERT_NE(table.Find(second), nullptr);
    EXPECT_EQ(*table.Find(second), 7);
    EXPECT_EQ(table.Find(first), nullptr);
    EXPECT_EQ(table.Size(), 1u);
}

TEST(HandleTable, EraseRefusesStaleForeignAndGarbageHandles) {
    HandleTable<int> table(HandleTag::Gdi);
    HandleTable<int> other(HandleTag::User);
    const std::uintptr_t live = table.Insert(std::make_unique<int>(1));
    const std::uintptr_t stale = table.Insert(std::make_unique<int>(2));
    table.Erase(stale);
    const std::uintptr_t foreign = other.Insert(std::make_unique<int>(3));
    for (const std::uintptr_t bad : {std::uintptr_t{0}, stale, foreign, ~std::uintptr_t{0}, std::uintptr_t{0xFFFFF}}) {
        std::unique_ptr<int> out;
        EXPECT_FALSE(table.EraseInto(bad, out)) << bad;
        EXPECT_EQ(out, nullptr);
        EXPECT_EQ(table.Erase(bad), nullptr) << bad;
    }
    EXPECT_EQ(table.Size(), 1u);
    ASSERT_NE(table.Find(live), nullptr);
    EXPECT_EQ(*table.Find(live), 1);
}

}  // namespace
}  // namespace lumenbox::win::detail
