// Mouse messages from the display's mouse events: packing, flags, the wheel,
// double clicks, capture, leave tracking and coordinate conversion.
#include <climits>

#include "platform/user/double_click.h"
#include "user_test_support.h"

namespace lumenbox::win::testing {
namespace {

using MouseMessageTest = UserTest;

// The test windows sit at (10, 20) with a caption: the client area starts
// at (13, 42) on the screen.
constexpr int kClientLeft = 13;
constexpr int kClientTop = 42;

std::vector<MSG> MouseMessages() {
    std::vector<MSG> mouse;
    for (const MSG& m : DrainQueue()) {
        if (m.message >= WM_MOUSEMOVE && m.message <= WM_MOUSELEAVE) mouse.push_back(m);
    }
    return mouse;
}

TEST_F(MouseMessageTest, ButtonMessagesPackClientCoordinatesAndFlags) {
    HWND w = CreateShown();
    headless::MovePointer(headless::IdOf(w), 30, 40);
    headless::PressKey(VK_SHIFT);
    headless::PressButton(1);
    headless::PressKey(VK_CONTROL);
    headless::PressButton(3);
    headless::ReleaseButton(1);
    headless::ReleaseKey(VK_CONTROL);
    headless::ReleaseKey(VK_SHIFT);
    const std::vector<MSG> got = MouseMessages();
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[0].message, WM_MOUSEMOVE);
    EXPECT_EQ(got[0].wParam, 0u);
    EXPECT_EQ(got[0].lParam, 30 | (40 << 16));
    EXPECT_EQ(got[0].pt.x, kClientLeft + 30);
    EXPECT_EQ(got[0].pt.y, kClientTop + 40);
    EXPECT_EQ(got[1].message, WM_LBUTTONDOWN);
    EXPECT_EQ(got[1].wParam, MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(got[2].message, WM_MBUTTONDOWN);
    EXPECT_EQ(got[2].wParam, MK_LBUTTON | MK_MBUTTON | MK_SHIFT | MK_CONTROL);
    EXPECT_EQ(got[3].message, WM_LBUTTONUP);
    EXPECT_EQ(got[3].wParam, MK_MBUTTON | MK_SHIFT | MK_CONTROL) << "flags after the event";
    headless::ReleaseButton(3);
}

TEST_F(MouseMessageTest, CapturedMessagesCarryNegativeCoordinatesAsSigned16BitHalves) {
    HWND w = CreateShown();
    EXPECT_EQ(SetCapture(w), nullptr);
    EXPECT_EQ(GetCapture(), w);
    headless::MovePointer(headless::IdOf(w), -3, -70000);
    const std::vector<MSG> got = MouseMessages();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, WM_MOUSEMOVE);
    EXPECT_EQ(GET_X_LPARAM(got[0].lParam), -3);
    EXPECT_EQ(GET_Y_LPARAM(got[0].lParam), static_cast<std::int16_t>(-70000)) << "the low 16 bits, as Windows packs";
    EXPECT_EQ(got[0].lParam, static_cast<LPARAM>(0xFFFDu | (static_cast<std::uint32_t>(static_cast<std::uint16_t>(-70000)) << 16)));
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    headless::MovePointer(headless::IdOf(w), -3, 5);
    headless::PressButton(1);
    headless::ReleaseButton(1);
    EXPECT_TRUE(MouseMessages().empty()) << "outside and not captured: nothing";
}

TEST_F(MouseMessageTest, TheWheelGivesScreenCoordinatesAndWheelDeltaPerNotch) {
    HWND w = CreateShown();
    headless::MovePointer(headless::IdOf(w), 5, 6);
    headless::TurnWheel(2);
    headless::TurnWheel(-1);
    headless::TurnWheel(1000);  // more than a 16-bit delta holds: the largest
    const std::vector<MSG> got = MouseMessages();
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[1].message, WM_MOUSEWHEEL);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(got[1].wParam), 2 * WHEEL_DELTA);
    EXPECT_EQ(GET_X_LPARAM(got[1].lParam), kClientLeft + 5);
    EXPECT_EQ(GET_Y_LPARAM(got[1].lParam), kClientTop + 6);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(got[2].wParam), -WHEEL_DELTA);
    EXPECT_EQ(GET_KEYSTATE_WPARAM(got[2].wParam), 0u);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(got[3].wParam), 32767);
}

TEST_F(MouseMessageTest, AClassWithoutDoubleClicksGetsTwoPresses) {
    HWND w = CreateShown();
    headless::MovePointer(headless::IdOf(w), 5, 6);
    for (int i = 0; i < 2; ++i) {
        headless::PressButton(2);
        headless::ReleaseButton(2);
    }
    std::vector<UINT> numbers;
    for (const MSG& m : MouseMessages()) numbers.push_back(m.message);
    EXPECT_EQ(numbers, (std::vector<UINT>{WM_MOUSEMOVE, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}));
}

TEST_F(MouseMessageTest, LeaveTrackingPostsOneLeave) {
    HWND w = CreateShown();
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, w, 0};
    EXPECT_TRUE(TrackMouseEvent(&track));
    EXPECT_EQ(MouseMessages().size(), 1u) << "asked while the pointer is elsewhere: left at once";
    headless::MovePointer(headless::IdOf(w), 5, 6);
    EXPECT_TRUE(TrackMouseEvent(&track));
    headless::MovePointer(headless::IdOf(w), 700, 6);
    headless::MovePointer(headless::IdOf(w), 5, 6);
    headless::MovePointer(headless::IdOf(w), 700, 6);
    std::vector<UINT> numbers;
    for (const MSG& m : MouseMessages()) numbers.push_back(m.message);
    EXPECT_EQ(numbers, (std::vector<UINT>{WM_MOUSEMOVE, WM_MOUSELEAVE, WM_MOUSEMOVE})) << "one leave per request";
}

TEST_F(MouseMessageTest, RefusalsOfTheMouseCalls) {
    HWND w = CreateShown();
    const HWND stale = w;
    EXPECT_EQ(SetCapture(nullptr), nullptr);
    EXPECT_EQ(SetCapture(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0xDEADBEEF))), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(TrackMouseEvent(nullptr));
    TRACKMOUSEEVENT wrongSize{sizeof(TRACKMOUSEEVENT) - 1, TME_LEAVE, w, 0};
    EXPECT_FALSE(TrackMouseEvent(&wrongSize));
    EXPECT_FALSE(ScreenToClient(w, nullptr));
    POINT p{INT_MIN, INT_MAX};
    EXPECT_TRUE(ClientToScreen(w, &p));
    EXPECT_EQ(p.x, INT_MIN + kClientLeft);
    EXPECT_EQ(p.y, INT_MAX) << "kept in range";
    EXPECT_EQ(SetCapture(w), nullptr);
    DestroyWindow(w);
    windows_.clear();
    EXPECT_EQ(GetCapture(), nullptr) << "the capture ends with its window";
    POINT q{1, 1};
    EXPECT_FALSE(ScreenToClient(stale, &q));
    EXPECT_EQ(q.x, 1);
    TRACKMOUSEEVENT gone{sizeof(TRACKMOUSEEVENT), TME_LEAVE, stale, 0};
    EXPECT_FALSE(TrackMouseEvent(&gone));
}

TEST_F(MouseMessageTest, ScreenAndClientCoordinatesConvertBothWays) {
    HWND w = CreateShown();
    POINT p{100, 200};
    EXPECT_TRUE(ScreenToClient(w, &p));
    EXPECT_EQ(p.x, 100 - kClientLeft);
    EXPECT_EQ(p.y, 200 - kClientTop);
    EXPECT_TRUE(ClientToScreen(w, &p));
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.y, 200);
    EXPECT_EQ(GetDoubleClickTime(), 500u);
    EXPECT_EQ(GetSystemMetrics(SM_CXDOUBLECLK), 4);
    EXPECT_EQ(GetSystemMetrics(SM_CYDOUBLECLK), 4);
}

// ---- The double-click rule, with the times given -------------------------

detail::ButtonPress Press(DWORD time, int x = 100, int y = 100, UINT message = WM_LBUTTONDOWN,
                          std::uintptr_t window = 1) {
    return detail::ButtonPress{message, window, time, POINT{x, y}};
}

TEST(DoubleClickRule, WithinTheTimeAndBox) {
    detail::DoubleClickMemory clicks;
    EXPECT_FALSE(clicks.Completes(Press(1000)));
    EXPECT_TRUE(clicks.Completes(Press(1499, 101, 99)));
    EXPECT_FALSE(clicks.Completes(Press(1600))) << "the third press starts afresh";
}

TEST(DoubleClickRule, TooLateOrTooFarOrDifferent) {
    detail::DoubleClickMemory clicks;
    EXPECT_FALSE(clicks.Completes(Press(1000)));
    EXPECT_FALSE(clicks.Completes(Press(1500))) << "500 ms is too late";
    EXPECT_FALSE(clicks.Completes(Press(1600, 102, 100))) << "two pixels off";
    EXPECT_FALSE(clicks.Completes(Press(1700, 102, 98))) << "two pixels off upwards";
    EXPECT_FALSE(clicks.Completes(Press(1800, 102, 98, WM_RBUTTONDOWN))) << "another button";
    EXPECT_FALSE(clicks.Completes(Press(1900, 102, 98, WM_RBUTTONDOWN, 2))) << "another window";
    EXPECT_TRUE(clicks.Completes(Press(2000, 102, 98, WM_RBUTTONDOWN, 2)));
}

TEST(DoubleClickRule, TheTickCountWrapsAndHugeDistancesDoNotOverflow) {
    detail::DoubleClickMemory clicks;
    EXPECT_FALSE(clicks.Completes(Press(0xFFFFFF00u)));
    EXPECT_TRUE(clicks.Completes(Press(0x00000010u))) << "272 ms later, across the wrap";
    EXPECT_FALSE(clicks.Completes(Press(5, INT_MIN, INT_MIN)));
    EXPECT_FALSE(clicks.Completes(Press(6, INT_MAX, INT_MAX)));
}

}  // namespace
}  // namespace lumenbox::win::testing
