#include "robustness/user_actions.h"

#include <climits>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>
#include <lumenbox/win/user.h>

#include "graph/window_thread.h"
#include "robustness/call_text.h"
#include "robustness/edge_values.h"

namespace lumenbox::robustness {

namespace {

namespace headless = display::headless;

struct ScreenSize {
    int width;
    int height;
};

// Common screens, the demonstration's framed window exactly and one pixel
// short of it, tiny ones, and sizes the display refuses.
constexpr ScreenSize Screens[] = {
    {640, 480}, {646, 505}, {645, 504}, {800, 600}, {1024, 768}, {1280, 1024}, {1920, 1080},
    {320, 200}, {1, 1},     {0, 0},     {-1, 600},
};
// Depths of real desktops; 1, 4 and 15 now and then; 12 the display refuses.
constexpr int CommonDepths[] = {8, 16, 24, 32};
constexpr int RareDepths[] = {1, 4, 15, 12};

constexpr const char* StandardFaces[] = {"Courier New", "MS Sans Serif", "Times New Roman", "Arial"};

// Keys the translation treats specially, keys it ignores, modifiers, and
// codes no keyboard has.
constexpr int Keys[] = {
    win::VK_ESCAPE, 'A',          'Z',          '0',         '9',         win::VK_F1,       win::VK_F4,
    win::VK_F10,    win::VK_F12,  win::VK_UP,   win::VK_TAB, win::VK_RETURN, win::VK_BACK,  win::VK_SPACE,
    win::VK_PAUSE,  win::VK_CLEAR, win::VK_APPS, win::VK_MULTIPLY, win::VK_DIVIDE, win::VK_NUMPAD0,
    win::VK_OEM_4,  win::VK_SHIFT, win::VK_CONTROL, win::VK_MENU, win::VK_CAPITAL, win::VK_NUMLOCK,
    0,              -1,           255,          256,         INT_MIN,     INT_MAX,
};
constexpr int Modifiers[] = {win::VK_SHIFT, win::VK_CONTROL, win::VK_MENU};
constexpr int Toggles[] = {win::VK_CAPITAL, win::VK_NUMLOCK, win::VK_SCROLL, 'A'};

ScreenSize ChooseScreen(ChoiceSource& choices) {
    // Mostly screens a window fits on, so that most sequences draw.
    if (Chance(choices, 60)) return Screens[3 + choices.Below(4)];
    return OneOf(choices, Screens);
}

int ChooseDepth(ChoiceSource& choices) {
    return Chance(choices, 85) ? OneOf(choices, CommonDepths) : OneOf(choices, RareDepths);
}

// The display keeps its screen when it refuses one: the environment then
// says what the display actually has.
void SetScreen(ChoiceSource& choices, Environment& environment) {
    const ScreenSize size = ChooseScreen(choices);
    const int depth = ChooseDepth(choices);
    headless::SetScreen(size.width, size.height, depth);
    environment.screenWidth = win::GetSystemMetrics(win::SM_CXSCREEN);
    environment.screenHeight = win::GetSystemMetrics(win::SM_CYSCREEN);
    const bool refused = size.width <= 0 || size.height <= 0 || depth == 12;
    environment.bitsPerPixel = refused ? 32 : depth;
    // The library reads the screen once, at program start; a new screen
    // stands for a new run of the program.
    GraphState.ScreenWidth = environment.screenWidth;
    GraphState.ScreenHeight = environment.screenHeight;
}

void SetFonts(ChoiceSource& choices, Environment& environment) {
    switch (choices.Below(10)) {
    case 0:
    case 1:
        // Any case of the name removes it: family names match without case.
        environment.missingFont = Chance(choices, 50) ? OneOf(choices, StandardFaces) : "courier NEW";
        headless::RemoveFontFamily(environment.missingFont);
        break;
    case 2:
        headless::SetFontFamilies({});
        environment.missingFont = "every family";
        break;
    case 3:
        headless::RemoveFontFamily("No Such Face");
        break;
    default:
        break;
    }
}

// A foreign class of the same name makes the window thread's registration fail.
void TakeWindowClass(Environment& environment) {
    win::WNDCLASSA taken{};
    taken.lpfnWndProc = win::DefWindowProcA;
    taken.lpszClassName = GraphClassName;
    environment.windowClassTaken = win::RegisterClassA(&taken) != 0;
}

headless::WindowId ChooseWindow(ChoiceSource& choices, const Session& session) {
    switch (choices.Below(5)) {
    case 0: return session.staleWindow;
    case 1: return 0;
    case 2: return choices.Bits32();
    default: return headless::IdOf(GraphState.GraphWindow.load());
    }
}

int ChooseKey(ChoiceSource& choices) { return OneOf(choices, Keys); }

std::string TypeWithModifiers(ChoiceSource& choices) {
    const int key = ChooseKey(choices);
    switch (choices.Below(4)) {
    case 0: headless::TypeKey(key); return CallText("TypeKey", key);
    case 1: {
        const int modifier = OneOf(choices, Modifiers);
        headless::TypeKey(key, {modifier});
        return CallText("TypeKey", key, Verbatim{"{" + std::to_string(modifier) + "}"});
    }
    case 2:
        headless::TypeKey(key, {win::VK_CONTROL, win::VK_MENU});
        return CallText("TypeKey", key, Verbatim{"{17, 18}"});
    default:
        headless::TypeKey(key, {win::VK_SHIFT, win::VK_MENU});
        return CallText("TypeKey", key, Verbatim{"{16, 18}"});
    }
}

std::string Expose(ChoiceSource& choices, const Session& session) {
    const headless::WindowId window = ChooseWindow(choices, session);
    const std::int64_t w = GraphState.MaxX + 1;
    const std::int64_t h = GraphState.MaxY + 1;
    const int left = EdgeInt32(choices, {0, w, w / 2});
    const int top = EdgeInt32(choices, {0, h, h / 2});
    const int right = EdgeInt32(choices, {0, w, w / 2});
    const int bottom = EdgeInt32(choices, {0, h, h / 2});
    headless::Expose(window, left, top, right, bottom);
    return CallText("Expose", window, left, top, right, bottom);
}

// Inside the window mostly, and at its edges, beyond them and at the ends
// of the int range, where packing and capture must hold.
std::string MovePointer(ChoiceSource& choices, const Session& session) {
    const headless::WindowId window = ChooseWindow(choices, session);
    const std::int64_t w = GraphState.MaxX + 1;
    const std::int64_t h = GraphState.MaxY + 1;
    const int x = EdgeInt32(choices, {0, w - 1, w, w / 2, -1});
    const int y = EdgeInt32(choices, {0, h - 1, h, h / 2, -1});
    headless::MovePointer(window, x, y);
    return CallText("MovePointer", window, x, y);
}

// The three buttons, and numbers that are none.
int ChooseButton(ChoiceSource& choices) { return Chance(choices, 80) ? 1 + static_cast<int>(choices.Below(3)) : EdgeInt32(choices); }

}  // namespace

std::string DescribeEnvironment(const Environment& environment) {
    std::string text = "screen " + std::to_string(environment.screenWidth) + "x" +
                       std::to_string(environment.screenHeight) + "x" + std::to_string(environment.bitsPerPixel);
    if (!environment.openGL) text += ", no OpenGL";
    if (environment.openGLAltersFloatingPoint) text += ", OpenGL alters the floating-point state";
    if (!environment.missingFont.empty()) text += ", fonts missing: " + environment.missingFont;
    if (environment.windowClassTaken) text += ", window class name taken";
    return text;
}

Environment PrepareDisplay(ChoiceSource& choices) {
    Environment environment;
    headless::Reset();
    SetScreen(choices, environment);
    environment.openGL = !Chance(choices, 15);
    headless::SetOpenGLAvailable(environment.openGL);
    environment.openGLAltersFloatingPoint = Chance(choices, 15);
    headless::SetOpenGLAltersFloatingPoint(environment.openGLAltersFloatingPoint);
    SetFonts(choices, environment);
    if (Chance(choices, 4)) TakeWindowClass(environment);
    return environment;
}

void RestoreDisplay(const Environment& environment) {
    if (environment.windowClassTaken) win::UnregisterClassA(GraphClassName, nullptr);
    headless::Reset();
    GraphState.ScreenWidth = win::GetSystemMetrics(win::SM_CXSCREEN);
    GraphState.ScreenHeight = win::GetSystemMetrics(win::SM_CYSCREEN);
}

std::string PerformUserAction(ChoiceSource& choices, const Session& session) {
    switch (choices.Below(12)) {
    case 0: {
        const int key = ChooseKey(choices);
        headless::PressKey(key);
        return CallText("PressKey", key);
    }
    case 1: {
        const int key = ChooseKey(choices);
        headless::ReleaseKey(key);
        return CallText("ReleaseKey", key);
    }
    case 2: {
        const int key = ChooseKey(choices);
        headless::RepeatKey(key);
        return CallText("RepeatKey", key);
    }
    case 3: {
        const int key = OneOf(choices, Toggles);
        const bool on = Chance(choices, 50);
        headless::SetToggle(key, on);
        return CallText("SetToggle", key, on);
    }
    case 4: {
        const headless::WindowId window = ChooseWindow(choices, session);
        headless::ClickClose(window);
        return CallText("ClickClose", window);
    }
    case 5: return Expose(choices, session);
    case 8: return MovePointer(choices, session);
    case 9: {
        const int button = ChooseButton(choices);
        headless::PressButton(button);
        return CallText("PressButton", button);
    }
    case 10: {
        const int button = ChooseButton(choices);
        headless::ReleaseButton(button);
        return CallText("ReleaseButton", button);
    }
    case 11: {
        const int notches = Chance(choices, 50) ? SmallCount(choices, 5) - 2 : EdgeInt32(choices);
        headless::TurnWheel(notches);
        return CallText("TurnWheel", notches);
    }
    default: return TypeWithModifiers(choices);
    }
}

}  // namespace lumenbox::robustness
