#include "robustness/window_lifecycle.h"

#include <string>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>
#include <lumenbox/keyboard.h>
#include <lumenbox/pointer.h>
#include <lumenbox/win/probes.h>
#include <lumenbox/win/user.h>

#include "graph/window_thread.h"
#include "robustness/call_text.h"
#include "robustness/edge_values.h"

namespace lumenbox::robustness {

namespace {

namespace headless = display::headless;

constexpr std::int16_t Kinds[] = {0, 1, 2, 3, 9};
constexpr std::int16_t Sizes[] = {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13};

bool InTable(std::int16_t value, const auto& table) {
    for (const std::int16_t entry : table) {
        if (entry == value) return true;
    }
    return false;
}

// Mostly codes of the table, so that most sequences have a window to draw
// on; then every code from just below the table to just above it; then the
// edges of the 16-bit type.
std::int16_t ChooseCode(ChoiceSource& choices, const auto& table, std::int16_t last) {
    const std::uint32_t kind = choices.Below(10);
    if (kind < 6) return OneOf(choices, table);
    if (kind < 8) return static_cast<std::int16_t>(static_cast<std::int32_t>(choices.Below(last + 3)) - 1);
    return EdgeInt16(choices, {0, last});
}

std::int16_t ChooseKind(ChoiceSource& choices) { return ChooseCode(choices, Kinds, 9); }
std::int16_t ChooseSize(ChoiceSource& choices) { return ChooseCode(choices, Sizes, 13); }

bool OpensAWindow(std::int16_t status) {
    return status == StatusOk || status == StatusFontMissing || status == StatusNoOpenGL;
}

// The refusals the display's set-up calls for, in the order the open
// meets them: the mode, the window class, the standard fonts, OpenGL.
std::string CheckOpenStatus(std::int16_t kind, std::int16_t size, std::int16_t status, const Environment& environment) {
    const bool modeRefused = status == StatusBadKind || status == StatusBadSize;
    if (kind == 0 && modeRefused) return "kind 0 chooses its own mode, which cannot be refused";
    if (!InTable(kind, Kinds) && !modeRefused) return "a kind outside the table was accepted";
    if (kind != 0 && !InTable(size, Sizes) && status != StatusBadSize)
        return "a size outside the table was not refused with -3";
    const bool tooSmall = GraphState.CustomWidth < 1 || GraphState.CustomHeight < 1;
    if (kind != 0 && size == 13 && tooSmall && status != StatusBadSize)
        return "a custom size below 1 x 1 was not refused with -3";
    if (modeRefused) return "";
    if (environment.windowClassTaken != (status == StatusWindowFailed))
        return environment.windowClassTaken ? "the window class name was taken, yet the window came"
                                            : "the window failed with its class name free";
    if (status == StatusWindowFailed) return "";
    if (environment.missingFont.empty() == (status == StatusFontMissing))
        return environment.missingFont.empty() ? "-5 with every standard face installed"
                                               : "a standard face is missing, yet no -5";
    if (status == StatusFontMissing) return "";
    if (environment.openGL == (status == StatusNoOpenGL))
        return environment.openGL ? "-9 although OpenGL is available" : "no -9 although OpenGL is unavailable";
    return "";
}

// A window that got its defaults is shown and has the focus; one stopped by
// a missing font exists but stays hidden.
std::string CheckShownWindow(std::int16_t status) {
    const auto view = headless::Window(headless::IdOf(GraphState.GraphWindow.load()));
    if (!view) return "the display does not know the open window";
    if (status == StatusFontMissing) return view->visible ? "a window without its fonts was shown" : "";
    if (!view->visible || !view->focused) return "the open window is not shown with the focus";
    return "";
}

// The caller's variables change only for kind 0, and then to 9 and 10.
std::string CheckModeVariables(std::int16_t kind, std::int16_t size, std::int16_t kindAfter, std::int16_t sizeAfter,
                               std::int16_t status) {
    const bool rewritten = kind == 0 && status != StatusAlreadyOpen;
    const std::int16_t expectedKind = rewritten ? 9 : kind;
    const std::int16_t expectedSize = rewritten ? 10 : size;
    if (kindAfter == expectedKind && sizeAfter == expectedSize) return "";
    return "the caller's kind and size became " + std::to_string(kindAfter) + " and " + std::to_string(sizeAfter);
}

std::string Join(std::string first, const std::string& second) {
    if (first.empty()) return second;
    if (second.empty()) return first;
    return first + "; " + second;
}

// What must hold once the open window has gone, by any way of closing it.
std::string AfterClose(Session& session) {
    session.open = false;
    session.defaultsLoaded = false;
    session.staleWindow = session.window;
    session.window = 0;
    std::string problem;
    if (headless::Window(session.staleWindow)) problem = "the display still shows the closed window";
    if (GraphState.GraphThread != nullptr) problem = Join(problem, "the window thread's handle is kept");
    if (win::probe::IsClassRegistered(GraphClassName)) problem = Join(problem, "the window class stays registered");
    const std::string leftOver = LiveObjects::Now().LeftOverSince(session.beforeOpen);
    if (!leftOver.empty()) problem = Join(problem, "left over after the close: " + leftOver);
    return problem;
}

std::string AfterOpen(Session& session, std::int16_t kind, std::int16_t size, std::int16_t status,
                      const LiveObjects& before) {
    std::string problem = CheckOpenStatus(kind, size, status, session.environment);
    if (!OpensAWindow(status)) {
        const std::string leftOver = LiveObjects::Now().LeftOverSince(before);
        if (!leftOver.empty()) problem = Join(problem, "left over after the refused open: " + leftOver);
        return problem;
    }
    session.open = true;
    session.defaultsLoaded = status != StatusFontMissing;
    session.window = headless::IdOf(GraphState.GraphWindow.load());
    session.beforeOpen = before;
    return Join(problem, CheckShownWindow(status));
}

}  // namespace

// Custom sizes around the smallest client area and the ends of the type.
void ChooseCustomSize(ChoiceSource& choices) {
    GraphState.CustomWidth = EdgeInt32(choices, {1, 0, -6, 320, 1000});
    GraphState.CustomHeight = EdgeInt32(choices, {1, 0, -25, 200, 700});
}

CallOutcome OpenWindow(ChoiceSource& choices, Session& session) {
    const std::int16_t kind = ChooseKind(choices);
    const std::int16_t size = ChooseSize(choices);
    if (size == 13) ChooseCustomSize(choices);
    const std::string caption = EdgeText(choices, {"Lumenbox", "Vyr"});
    CallOutcome outcome{Call::OpenGraphics, CallText("OpenGraphics", kind, size, caption), {}};

    const bool wasOpen = session.open;
    const LiveObjects before = wasOpen ? session.beforeOpen : LiveObjects::Now();
    std::int16_t kindVariable = kind;
    std::int16_t sizeVariable = size;
    OpenGraphics(kindVariable, sizeVariable, caption);
    const std::int16_t status = GraphState.GraphStatus;

    outcome.problem = CheckModeVariables(kind, size, kindVariable, sizeVariable, status);
    if (!wasOpen) outcome.problem = Join(outcome.problem, AfterOpen(session, kind, size, status, before));
    return outcome;
}

CallOutcome CloseWindow(Session& session) {
    CloseGraphics();
    CallOutcome outcome{Call::CloseGraphics, "CloseGraphics()", {}};
    if (session.open) outcome.problem = AfterClose(session);
    return outcome;
}

CallOutcome StopLibrary(Session& session) {
    GraphLibraryStop();
    CallOutcome outcome{Call::GraphLibraryStop, "GraphLibraryStop()", {}};
    if (session.open) outcome.problem = AfterClose(session);
    if (GraphState.ColorTable.capacity() != 0) outcome.problem = Join(outcome.problem, "the colour table is kept");
    return outcome;
}

CallOutcome RestartLibrary(const Session&) {
    CallOutcome outcome{Call::GraphLibraryStart, "GraphLibraryStart(); InstallKeyboard(); InstallPointer()", {}};
    GraphLibraryStart();
    InstallKeyboard();
    InstallPointer();
    if (GraphState.GraphKind != -1 || GraphState.PaletteMode) outcome.problem = "the flags were not cleared";
    if (GraphState.KeyHook != &KeyMessageHandler) outcome.problem = Join(outcome.problem, "no key handler installed");
    if (GraphState.PointerHook != &PointerMessageHandler)
        outcome.problem = Join(outcome.problem, "no pointer handler installed");
    if (GraphState.ScreenWidth != win::GetSystemMetrics(win::SM_CXSCREEN))
        outcome.problem = Join(outcome.problem, "the screen width was not read");
    return outcome;
}

}  // namespace lumenbox::robustness
