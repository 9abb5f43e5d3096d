// Start-up information, module handle and the clock.
#include <lumenbox/win/kernel.h>

#include <gtest/gtest.h>

namespace {

using namespace lumenbox::win;

TEST(Process, StartsWithTheDefaultShowState) {
    STARTUPINFOA info{0, 0xffffffffu, 0xffff};
    GetStartupInfoA(&info);
    EXPECT_EQ(info.cb, sizeof(STARTUPINFOA));
    EXPECT_EQ(info.dwFlags & STARTF_USESHOWWINDOW, 0u);
    EXPECT_EQ(info.wShowWindow, SW_SHOWDEFAULT);
    GetStartupInfoA(nullptr);
}

TEST(Process, OnlyTheProgramItselfHasAModuleHandle) {
    const HMODULE self = GetModuleHandleA(nullptr);
    EXPECT_NE(self, nullptr);
    EXPECT_EQ(GetModuleHandleA(nullptr), self);
    EXPECT_EQ(GetModuleHandleA("user32.dll"), nullptr);
    EXPECT_EQ(GetModuleHandleA(""), nullptr);
}

TEST(Clock, TickCountAdvancesAtLeastAsLongAsASleep) {
    const DWORD before = GetTickCount();
    Sleep(25);
    const DWORD after = GetTickCount();
    // Each reading truncates to whole milliseconds, so one may be lost.
    EXPECT_GE(static_cast<DWORD>(after - before), 24u);
}

}  // namespace
