// The pointer unit's calls. Its queue is filled by the window thread from
// the user actions' mouse traffic; the program's thread may fill it too (it
// takes the queue's lock), so that is exercised from here as well.
#include <cstdint>

#include <lumenbox/graph.h>
#include <lumenbox/pointer.h>

#include "robustness/call_text.h"
#include "robustness/edge_values.h"
#include "robustness/library_calls.h"

namespace lumenbox::robustness {

namespace {

CallOutcome Made(Call call, std::string text, std::string problem = {}) {
    return CallOutcome{call, std::move(text), std::move(problem)};
}

PointerEvent EdgeEvent(ChoiceSource& choices) {
    PointerEvent event{};
    event.Kind = EdgeByte(choices);
    event.Button = EdgeByte(choices);
    event.X = EdgeInt16(choices);
    event.Y = EdgeInt16(choices);
    event.Wheel = EdgeInt16(choices);
    event.Modifiers = EdgeByte(choices);
    return event;
}

// NextPointerEvent waits for an event while a window is open: one is put in
// first when none is waiting, so the sequence goes on.
CallOutcome NextPointerEventCall(ChoiceSource& choices, const Session& session) {
    std::string text = "NextPointerEvent()";
    // Drawn whether or not it is needed: events from the display arrive when
    // they will, and the choices that follow must not depend on it.
    const PointerEvent put = EdgeEvent(choices);
    if (session.open && !PointerEventWaiting()) {
        PutPointerEvent(put);
        text = CallText("PutPointerEvent", put.Kind, put.Button, put.X, put.Y, put.Wheel, put.Modifiers) + "; " + text;
    }
    const PointerEvent event = NextPointerEvent();
    const bool none = event.Kind == 0 && event.Button == 0 && event.X == 0 && event.Y == 0;
    return Made(Call::NextPointerEvent, text, session.open || none ? "" : "gave an event without a window");
}

// Without a window the pointer is nowhere and no button is held.
CallOutcome PositionCall(const Session& session) {
    const std::int16_t x = PointerX();
    const std::int16_t y = PointerY();
    const bool nowhere = x == -1 && y == -1;
    return Made(Call::PointerPosition, "PointerX(); PointerY()",
                session.open || nowhere ? "" : "a position without a window: " + std::to_string(x) + ", " + std::to_string(y));
}

}  // namespace

CallOutcome PerformPointerCall(Call call, ChoiceSource& choices, const Session& session) {
    switch (call) {
    case Call::PointerEventWaiting: {
        const bool waiting = PointerEventWaiting();
        return Made(call, "PointerEventWaiting()", waiting && !session.open ? "an event without a window" : "");
    }
    case Call::NextPointerEvent: return NextPointerEventCall(choices, session);
    case Call::PointerPosition: return PositionCall(session);
    case Call::PointerButtons: {
        const std::uint8_t buttons = PointerButtons();
        const bool known = buttons <= 7 && (session.open || buttons == 0);
        return Made(call, "PointerButtons()", known ? "" : "buttons " + std::to_string(buttons));
    }
    case Call::PointerEventsDropped:
        PointerEventsDropped();
        return Made(call, "PointerEventsDropped()");
    case Call::PutPointerEvent: {
        const PointerEvent event = EdgeEvent(choices);
        PutPointerEvent(event);
        return Made(call, CallText("PutPointerEvent", event.Kind, event.Button, event.X, event.Y, event.Wheel,
                                   event.Modifiers));
    }
    case Call::ResetPointerQueue:
        ResetPointerQueue();
        return Made(call, "ResetPointerQueue()", PointerEventWaiting() && !session.open ? "events left after the reset" : "");
    case Call::EndPointerQueueWindow:
        EndPointerQueueWindow();
        return Made(call, "EndPointerQueueWindow()");
    case Call::KeepPointerPosition: {
        const std::int16_t x = EdgeInt16(choices);
        const std::int16_t y = EdgeInt16(choices);
        KeepPointerPosition(x, y);
        return Made(call, CallText("KeepPointerPosition", x, y));
    }
    case Call::KeepPointerButtons: {
        // The window thread keeps only the three buttons' bits.
        const auto buttons = static_cast<std::uint8_t>(choices.Below(8));
        KeepPointerButtons(buttons);
        return Made(call, CallText("KeepPointerButtons", buttons));
    }
    default: return Made(call, std::string(CallName(call)) + ": not a pointer call", "engine fault");
    }
}

}  // namespace lumenbox::robustness
