// The headless display on its own: settings, windows and focus, key state,
// and input delivered to the sink.
#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <lumenbox/display/headless.h>

#include "platform/display/headless/headless_display.h"

namespace lumenbox::display {
namespace {

constexpr int kShift = 0x10, kControl = 0x11, kMenu = 0x12, kCapital = 0x14;
constexpr int kLeftShift = 0xA0, kRightShift = 0xA1, kRightMenu = 0xA5;

// Records what the display reports. Each report also asks the display for
// its key state, which would deadlock if the display called while holding
// its own lock.
class RecordingSink final : public EventSink {
public:
    explicit RecordingSink(HeadlessDisplay& display) : display_(display) {}

    struct Report {
        std::string kind;
        WindowId window;
        KeyEvent key{};
        int rect[4]{};
    };

    void Key(WindowId window, const KeyEvent& event) override {
        stateDuringReport = display_.KeyState();
        reports.push_back(Report{"key", window, event, {}});
    }
    void CloseRequested(WindowId window) override {
        stateDuringReport = display_.KeyState();
        reports.push_back(Report{"close", window, {}, {}});
    }
    void Exposed(WindowId window, int left, int top, int right, int bottom) override {
        stateDuringReport = display_.KeyState();
        reports.push_back(Report{"expose", window, {}, {left, top, right, bottom}});
    }

    std::vector<Report> reports;
    KeyStates stateDuringReport{};

private:
    HeadlessDisplay& display_;
};

WindowPlacement Placement(const std::string& caption, int clientWidth = 4, int clientHeight = 3) {
    return WindowPlacement{10, 20, clientWidth + 6, clientHeight + 25, clientWidth, clientHeight, true, caption};
}

class HeadlessDisplayTest : public ::testing::Test {
protected:
    HeadlessDisplayTest() : sink_(display_) { display_.SetEventSink(&sink_); }

    void Add(WindowId id, const std::string& caption = "w") {
        display_.AddWindow(id, Placement(caption), std::make_shared<Surface>(4, 3));
    }
    bool Focused(WindowId id) { return display_.Window(id)->focused; }

    HeadlessDisplay display_;
    RecordingSink sink_;
};

TEST_F(HeadlessDisplayTest, DefaultsAndSettings) {
    EXPECT_STREQ(display_.Name(), "headless");
    ScreenInfo screen = display_.Screen();
    EXPECT_EQ(screen.width, 1920);
    EXPECT_EQ(screen.height, 1080);
    EXPECT_EQ(screen.bitsPerPixel, 32);
    EXPECT_TRUE(display_.OpenGLAvailable());
    EXPECT_FALSE(display_.OpenGLAltersFloatingPoint());
    EXPECT_EQ(display_.FontFamilies(), InstalledFontFamilies());

    display_.SetScreen(800, 600, 8);
    display_.SetScreen(-1, 600, 32);   // refused
    display_.SetScreen(800, 600, 12);  // refused: no such depth
    screen = display_.Screen();
    EXPECT_EQ(screen.width, 800);
    EXPECT_EQ(screen.height, 600);
    EXPECT_EQ(screen.bitsPerPixel, 8);
    display_.SetOpenGLAvailable(false);
    display_.SetOpenGLAltersFloatingPoint(true);
    EXPECT_FALSE(display_.OpenGLAvailable());
    EXPECT_TRUE(display_.OpenGLAltersFloatingPoint());

    display_.Reset();
    EXPECT_EQ(display_.Screen().width, 1920);
    EXPECT_TRUE(display_.OpenGLAvailable());
    EXPECT_FALSE(display_.OpenGLAltersFloatingPoint());
}

TEST_F(HeadlessDisplayTest, FontFamiliesCanBeSetAndRemovedWithoutCase) {
    display_.SetFontFamilies({"Arial", "Courier New", "Fixedsys"});
    display_.RemoveFontFamily("courier NEW");
    EXPECT_EQ(display_.FontFamilies(), (std::vector<std::string>{"Arial", "Fixedsys"}));
    display_.Reset();
    display_.RemoveFontFamily("Arial");
    const auto families = display_.FontFamilies();
    EXPECT_EQ(std::count(families.begin(), families.end(), "Arial"), 0);
    EXPECT_EQ(families.size(), InstalledFontFamilies().size() - 1);
}

TEST_F(HeadlessDisplayTest, WindowViewFollowsTheUserLayer) {
    Add(7, "Vyr");
    auto view = display_.Window(7);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->caption, "Vyr");
    EXPECT_FALSE(view->visible);
    EXPECT_FALSE(view->focused);
    EXPECT_EQ(view->x, 10);
    EXPECT_EQ(view->y, 20);
    EXPECT_EQ(view->width, 10);
    EXPECT_EQ(view->height, 28);
    EXPECT_EQ(view->clientWidth, 4);
    EXPECT_EQ(view->clientHeight, 3);
    EXPECT_EQ(display_.Windows(), std::vector<WindowId>{7});
    display_.RemoveWindow(7);
    EXPECT_FALSE(display_.Window(7));
    EXPECT_TRUE(display_.Windows().empty());
    EXPECT_EQ(display_.SurfaceOf(7), nullptr);
}

TEST_F(HeadlessDisplayTest, FocusGoesToTheFirstShownAndPassesOnWhenItGoes) {
    Add(1);
    Add(2);
    Add(3);
    display_.SetVisible(1, true);
    EXPECT_TRUE(Focused(1));
    display_.SetVisible(2, true);
    EXPECT_TRUE(Focused(1)) << "a second window does not steal the focus";
    display_.SetFocus(2);
    EXPECT_TRUE(Focused(2));
    EXPECT_FALSE(Focused(1));
    display_.SetVisible(3, true);
    display_.SetFocus(3);
    display_.SetFocus(2);
    display_.RemoveWindow(2);
    EXPECT_TRUE(Focused(3)) << "the visible window nearest the front";
    display_.SetVisible(3, false);
    EXPECT_TRUE(Focused(1));
    display_.RemoveWindow(1);
    EXPECT_FALSE(Focused(3)) << "hidden windows do not take the focus";
    display_.SetFocus(99);  // unknown: ignored
    EXPECT_FALSE(display_.Window(99));
}

TEST_F(HeadlessDisplayTest, KeysUpdateTheStateAndReachTheFocusedWindow) {
    Add(1);
    Add(2);
    display_.SetVisible(2, true);
    display_.PressKey('A');
    ASSERT_EQ(sink_.reports.size(), 1u);
    const auto& press = sink_.reports[0];
    EXPECT_EQ(press.kind, "key");
    EXPECT_EQ(press.window, 2u);
    EXPECT_EQ(press.key.virtualKey, 'A');
    EXPECT_TRUE(press.key.down);
    EXPECT_FALSE(press.key.repeat);
    EXPECT_EQ(press.key.states['A'], 0x80);
    EXPECT_EQ(sink_.stateDuringReport['A'], 0x80) << "the state is updated before the report";

    display_.RepeatKey('A');
    EXPECT_TRUE(sink_.reports.back().key.repeat);
    display_.ReleaseKey('A');
    EXPECT_FALSE(sink_.reports.back().key.down);
    EXPECT_EQ(sink_.reports.back().key.states['A'], 0);
    EXPECT_EQ(display_.KeyState()['A'], 0);
    const auto count = sink_.reports.size();
    display_.ReleaseKey('A');  // not held: nothing happens
    display_.PressKey(0);
    display_.PressKey(300);
    EXPECT_EQ(sink_.reports.size(), count);
}

TEST_F(HeadlessDisplayTest, SideModifiersAreReportedByTheirGenericCode) {
    Add(1);
    display_.SetVisible(1, true);
    display_.PressKey(kRightShift);
    EXPECT_EQ(sink_.reports.back().key.virtualKey, kShift);
    KeyStates keys = display_.KeyState();
    EXPECT_EQ(keys[kShift], 0x80);
    EXPECT_EQ(keys[kRightShift], 0x80);
    EXPECT_EQ(keys[kLeftShift], 0);
    display_.PressKey(kLeftShift);
    display_.ReleaseKey(kRightShift);
    EXPECT_EQ(display_.KeyState()[kShift], 0x80) << "the left one is still held";
    display_.ReleaseKey(kShift);
    keys = display_.KeyState();
    EXPECT_EQ(keys[kShift], 0);
    EXPECT_EQ(keys[kLeftShift], 0);

    display_.PressKey(kControl);
    EXPECT_EQ(display_.KeyState()[0xA2], 0x80) << "a generic press holds the left key";
    display_.ReleaseKey(kControl);
    display_.PressKey(kRightMenu);
    EXPECT_EQ(sink_.reports.back().key.virtualKey, kMenu);
    EXPECT_EQ(display_.KeyState()[kMenu], 0x80);
}

TEST_F(HeadlessDisplayTest, LockKeysToggleOnFreshPressesOnly) {
    display_.PressKey(kCapital);
    EXPECT_EQ(display_.KeyState()[kCapital], 0x81);
    display_.RepeatKey(kCapital);
    EXPECT_EQ(display_.KeyState()[kCapital], 0x81);
    display_.ReleaseKey(kCapital);
    EXPECT_EQ(display_.KeyState()[kCapital], 0x01);
    display_.PressKey(kCapital);
    display_.ReleaseKey(kCapital);
    EXPECT_EQ(display_.KeyState()[kCapital], 0x00);
    display_.SetToggle(kCapital, true);
    EXPECT_EQ(display_.KeyState()[kCapital], 0x01);
    display_.SetToggle('A', true);  // not a lock key
    EXPECT_EQ(display_.KeyState()['A'], 0x00);
    EXPECT_TRUE(sink_.reports.empty()) << "no window has the focus";
}

TEST_F(HeadlessDisplayTest, CloseAndExposeReachTheNamedWindow) {
    Add(5);
    display_.ClickClose(5);
    display_.Expose(5, 1, 2, 3, 4);
    display_.ClickClose(6);  // unknown
    display_.Expose(6, 0, 0, 1, 1);
    ASSERT_EQ(sink_.reports.size(), 2u);
    EXPECT_EQ(sink_.reports[0].kind, "close");
    EXPECT_EQ(sink_.reports[0].window, 5u);
    EXPECT_EQ(sink_.reports[1].kind, "expose");
    EXPECT_EQ(sink_.reports[1].rect[0], 1);
    EXPECT_EQ(sink_.reports[1].rect[3], 4);
}

TEST(HeadlessInterfaceTest, ReadsBackTheClientSurface) {
    // The process's display, as the user layer's windows see it.
    ASSERT_TRUE(headless::IsActive());
    auto* display = dynamic_cast<HeadlessDisplay*>(Current());
    ASSERT_NE(display, nullptr);
    auto surface = std::make_shared<Surface>(3, 2);
    {
        std::lock_guard lock(surface->Mutex());
        for (int i = 0; i < 6; ++i) surface->Pixels()[i] = 0x010101u * static_cast<std::uint32_t>(i);
    }
    constexpr WindowId kId = 0x51;  // never a user-layer handle value
    display->AddWindow(kId, Placement("surface", 3, 2), surface);
    EXPECT_EQ(headless::ClientPixels(kId),
              (std::vector<std::uint32_t>{0x000000, 0x010101, 0x020202, 0x030303, 0x040404, 0x050505}));
    EXPECT_EQ(headless::ClientPixel(kId, 2, 1), 0x050505u);
    EXPECT_EQ(headless::ClientPixel(kId, 3, 0), std::nullopt);
    EXPECT_EQ(headless::ClientPixel(kId, 0, -1), std::nullopt);
    EXPECT_EQ(headless::Window(kId)->caption, "surface");
    display->RemoveWindow(kId);
    EXPECT_TRUE(headless::ClientPixels(kId).empty());
    EXPECT_EQ(headless::ClientPixel(kId, 0, 0), std::nullopt);
}

}  // namespace
}  // namespace lumenbox::display
