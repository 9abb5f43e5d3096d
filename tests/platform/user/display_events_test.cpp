// Close clicks and exposures reported by the display.
#include "user_test_support.h"

namespace lumenbox::win::testing {
namespace {

using DisplayEventTest = UserTest;

TEST_F(DisplayEventTest, CloseClickArrivesAsWmClose) {
    HWND w = CreateShown();
    Log().SetHandler([](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_CLOSE) return 0;  // kept open, as the graphics window does
        return std::nullopt;
    });
    headless::ClickClose(headless::IdOf(w));
    const auto pumped = PumpQueue();
    ASSERT_EQ(pumped.size(), 1u);
    EXPECT_EQ(pumped[0].message, WM_CLOSE);
    EXPECT_EQ(pumped[0].hwnd, w);
    EXPECT_TRUE(IsWindow(w));

    Log().SetHandler(nullptr);
    headless::ClickClose(headless::IdOf(w));
    PumpQueue();
    EXPECT_FALSE(IsWindow(w)) << "the default answer destroys the window";
}

TEST_F(DisplayEventTest, ExposureRepaintsThePartWithErase) {
    HWND w = CreateShown();
    headless::Expose(headless::IdOf(w), 600, 470, 700, 500);
    RECT pending{};
    EXPECT_TRUE(GetUpdateRect(w, &pending, FALSE));
    EXPECT_EQ(pending.left, 600);
    EXPECT_EQ(pending.top, 470);
    EXPECT_EQ(pending.right, 640) << "clipped to the client area";
    EXPECT_EQ(pending.bottom, 480);
    const auto pumped = PumpQueue();
    ASSERT_EQ(pumped.size(), 1u);
    EXPECT_EQ(pumped[0].message, WM_PAINT);
    EXPECT_EQ(Log().Messages(), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
}

TEST_F(DisplayEventTest, EventsForUnknownWindowsChangeNothing) {
    HWND w = CreateShown();
    DestroyWindow(w);
    headless::ClickClose(headless::IdOf(w));
    headless::Expose(headless::IdOf(w), 0, 0, 10, 10);
    EXPECT_TRUE(DrainQueue().empty());
}

}  // namespace
}  // namespace lumenbox::win::testing
