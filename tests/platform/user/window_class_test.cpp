// Window class registration rules.
#include "user_test_support.h"

namespace lumenbox::win::testing {
namespace {

// These tests manage classes of their own besides the fixture's.
using ClassTest = UserTest;

TEST_F(ClassTest, RegistrationRefusesIncompleteRecords) {
    EXPECT_EQ(RegisterClassA(nullptr), 0);
    WNDCLASSA c = TestClass();
    c.lpszClassName = "OtherClass";
    c.lpfnWndProc = nullptr;
    EXPECT_EQ(RegisterClassA(&c), 0);
    c = TestClass();
    c.lpszClassName = nullptr;
    EXPECT_EQ(RegisterClassA(&c), 0);
    c.lpszClassName = "";
    EXPECT_EQ(RegisterClassA(&c), 0);
    EXPECT_FALSE(probe::IsClassRegistered("OtherClass"));
}

TEST_F(ClassTest, NamesAreComparedWithoutCase) {
    WNDCLASSA c = TestClass();
    c.lpszClassName = "usertestCLASS";
    EXPECT_EQ(RegisterClassA(&c), 0) << "already registered under another case";
    EXPECT_TRUE(probe::IsClassRegistered("USERTESTCLASS"));
    EXPECT_FALSE(probe::IsClassRegistered("UserTestClas"));
    EXPECT_FALSE(probe::IsClassRegistered(nullptr));

    HWND w = CreateWindowExA(0, "usertestclass", "", kCaptioned, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(w, nullptr);
    windows_.push_back(w);
}

TEST_F(ClassTest, UnregisteringWaitsForTheLastWindow) {
    WNDCLASSA c = TestClass();
    c.lpszClassName = "LumenboxClass";
    const ATOM atom = RegisterClassA(&c);
    ASSERT_NE(atom, 0);
    EXPECT_FALSE(UnregisterClassA("NeverRegistered", nullptr));

    HWND w = CreateWindowExA(0, "LumenboxClass", "", kCaptioned, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(UnregisterClassA("LumenboxClass", nullptr)) << "a window of the class exists";
    EXPECT_TRUE(probe::IsClassRegistered("LumenboxClass"));
    EXPECT_TRUE(DestroyWindow(w));
    EXPECT_TRUE(UnregisterClassA("lumenboxclass", nullptr));
    EXPECT_FALSE(probe::IsClassRegistered("LumenboxClass"));
    EXPECT_FALSE(UnregisterClassA("LumenboxClass", nullptr)) << "already gone";

    // Registering again after unregistering works, as the window thread does
    // on every opening.
    EXPECT_NE(RegisterClassA(&c), 0);
    EXPECT_TRUE(UnregisterClassA("LumenboxClass", nullptr));
}

TEST_F(ClassTest, TheAtomNamesTheClassToo) {
    WNDCLASSA c = TestClass();
    c.lpszClassName = "AtomClass";
    const ATOM atom = RegisterClassA(&c);
    ASSERT_NE(atom, 0);
    const auto byAtom = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(atom));
    HWND w = CreateWindowExA(0, byAtom, "", kCaptioned, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(DestroyWindow(w));
    EXPECT_TRUE(UnregisterClassA(byAtom, nullptr));
    // A small integer that is no atom is refused, not read as a string.
    EXPECT_FALSE(UnregisterClassA(reinterpret_cast<const char*>(std::uintptr_t{5}), nullptr));
}

}  // namespace
}  // namespace lumenbox::win::testing
