// The keyboard unit's calls and the random numbers. The queue's producer
// side is the window thread's; the program's thread may call it too (it
// takes the queue's lock), so it is exercised from here as well.
#include <atomic>
#include <cstdint>

#include <lumenbox/graph.h>
#include <lumenbox/keyboard.h>
#include <lumenbox/random.h>
#include <lumenbox/win/user.h>

#include "robustness/call_text.h"
#include "robustness/edge_values.h"
#include "robustness/library_calls.h"

namespace lumenbox::robustness {

namespace {

CallOutcome Made(Call call, std::string text, std::string problem = {}) {
    return CallOutcome{call, std::move(text), std::move(problem)};
}

struct QueueIndices {
    std::int32_t read = KeyReadIndex.load();
    std::int32_t write = KeyWriteIndex.load();
    bool operator==(const QueueIndices&) const = default;
};

// NextKey waits for a key while a window is open, and a hidden or unfocused
// window gets none from the display: a byte is put first if none is there.
CallOutcome NextKeyCall(ChoiceSource& choices, const Session& session) {
    std::string text = "NextKey()";
    // Drawn whether or not it is needed: keys from the display arrive when
    // they will, and the choices that follow must not depend on it.
    const std::uint8_t code = EdgeByte(choices);
    if (session.open && !KeyWaiting()) {
        PutKey(code);
        text = CallText("PutKey", code) + "; " + text;
    }
    const QueueIndices before;
    const std::uint8_t key = NextKey();
    // Without a window it returns 0 and leaves the queue alone.
    const bool kept = session.open || (key == 0 && QueueIndices{} == before);
    return Made(Call::NextKey, text, kept ? "" : "took a key without a window");
}

CallOutcome AdvanceKeyIndexCall(ChoiceSource& choices) {
    const std::int32_t start = static_cast<std::int32_t>(choices.Below(33));
    std::atomic<std::int32_t> index{start};
    AdvanceKeyIndex(index);
    const std::int32_t expected = start >= 32 ? 1 : start + 1;
    return Made(Call::AdvanceKeyIndex, CallText("AdvanceKeyIndex", start),
                index.load() == expected ? "" : "gave " + std::to_string(index.load()));
}

// The window's creation and destruction messages make and delete the
// queue's lock, which the window thread uses while its window lives: they
// are sent only while no window exists.
std::uint32_t ChooseMessage(ChoiceSource& choices, const Session& session) {
    constexpr std::uint32_t Messages[] = {win::WM_CLOSE,   win::WM_KEYDOWN, win::WM_CHAR, win::WM_SYSKEYDOWN,
                                          win::WM_KEYUP,   win::WM_SYSCHAR, win::WM_PAINT, win::WM_USER,
                                          win::WM_CREATE,  win::WM_DESTROY};
    std::uint32_t message = Chance(choices, 80) ? OneOf(choices, Messages) : EdgeUInt32(choices, {256, 258, 260});
    const bool lifecycle = message == win::WM_CREATE || message == win::WM_DESTROY;
    if (lifecycle && session.open) message = win::WM_CLOSE;
    return message;
}

CallOutcome KeyMessageHandlerCall(ChoiceSource& choices, const Session& session) {
    const std::uint32_t message = ChooseMessage(choices, session);
    const win::WPARAM wParam = EdgeUInt32(choices, {8, 13, 27, 48, 65, 112, 123, 255});
    const win::LPARAM lParam = EdgeInt32(choices);
    const bool toWindow = Chance(choices, 50);
    const win::HWND window = toWindow ? GraphState.GraphWindow.load() : nullptr;
    const win::LRESULT result = KeyMessageHandler(window, message, wParam, lParam);
    const Verbatim windowText{toWindow ? "GraphWindow" : "nullptr"};
    return Made(Call::KeyMessageHandler, CallText("KeyMessageHandler", windowText, message, wParam, lParam),
                result == 0 ? "" : "returned " + std::to_string(result));
}

CallOutcome TranslateKeyDownCall(ChoiceSource& choices) {
    const std::int32_t key =
        EdgeInt32(choices, {8, 9, 12, 13, 19, 32, 33, 40, 45, 46, 48, 57, 65, 90, 93, 106, 111, 112, 121, 123});
    TranslateKeyDown(key);
    return Made(Call::TranslateKeyDown, CallText("TranslateKeyDown", key));
}

// 0 to n - 1 for n > 0; 0 for n of 0 and -1; n + 1 to 0 below that.
CallOutcome RandomBelowCall(ChoiceSource& choices) {
    const std::int32_t n = EdgeInt32(choices, {0, 1, 2, -1, -2});
    const std::int32_t value = RandomBelow(n);
    const std::int64_t bound = n < 0 ? std::int64_t{n} + 1 : n;
    const bool inRange = bound > 0 ? value >= 0 && value < bound : value <= 0 && value >= bound;
    return Made(Call::RandomBelow, CallText("RandomBelow", n), inRange ? "" : "gave " + std::to_string(value));
}

}  // namespace

CallOutcome PerformKeyboardCall(Call call, ChoiceSource& choices, const Session& session) {
    switch (call) {
    case Call::KeyWaiting:
        KeyWaiting();
        return Made(call, "KeyWaiting()");
    case Call::NextKey: return NextKeyCall(choices, session);
    case Call::PutKey: {
        const std::uint8_t code = EdgeByte(choices);
        PutKey(code);
        return Made(call, CallText("PutKey", code));
    }
    case Call::PutExtendedKey: {
        const std::uint8_t code = EdgeByte(choices);
        PutExtendedKey(code);
        return Made(call, CallText("PutExtendedKey", code));
    }
    case Call::ResetKeyQueue:
        ResetKeyQueue();
        return Made(call, "ResetKeyQueue()", KeyWaiting() && !session.open ? "keys left after the reset" : "");
    case Call::EndKeyQueueWindow:
        EndKeyQueueWindow();
        return Made(call, "EndKeyQueueWindow()");
    case Call::AdvanceKeyIndex: return AdvanceKeyIndexCall(choices);
    case Call::InstallKeyboard:
        InstallKeyboard();
        return Made(call, "InstallKeyboard()", GraphState.KeyHook == &KeyMessageHandler ? "" : "no handler");
    case Call::KeyMessageHandler: return KeyMessageHandlerCall(choices, session);
    case Call::TranslateKeyDown: return TranslateKeyDownCall(choices);
    case Call::SeedRandom:
        SeedRandom();
        return Made(call, "SeedRandom()");
    case Call::RandomBelow: return RandomBelowCall(choices);
    case Call::PointerEventWaiting:
    case Call::NextPointerEvent:
    case Call::PointerPosition:
    case Call::PointerButtons:
    case Call::PointerEventsDropped:
    case Call::PutPointerEvent:
    case Call::ResetPointerQueue:
    case Call::EndPointerQueueWindow:
    case Call::KeepPointerPosition:
    case Call::KeepPointerButtons: return PerformPointerCall(call, choices, session);
    default: return Made(call, std::string(CallName(call)) + ": not a keyboard call", "engine fault");
    }
}

}  // namespace lumenbox::robustness
