// What the user layer keeps per thread: its message queue and the key state
// of the last key message it retrieved.
#include <lumenbox/win/kernel.h>

#include "platform/user/user_state.h"

namespace lumenbox::win::detail {

namespace {

struct ThreadState {
    std::shared_ptr<MessageQueue> queue;
    std::optional<display::KeyStates> retrievedKeys;

    ThreadState() = default;
    ThreadState(const ThreadState&) = delete;
    ThreadState& operator=(const ThreadState&) = delete;
    // A thread that ends takes its windows with it, as on Windows; otherwise
    // they would stay on the screen with nobody to paint them.
    ~ThreadState() {
        if (queue) DestroyWindowsOfQueue(*queue);
    }
};

ThreadState& ThisThread() {
    thread_local ThreadState state;
    return state;
}

}  // namespace

std::shared_ptr<MessageQueue> ThisThreadQueue() {
    ThreadState& state = ThisThread();
    if (!state.queue) state.queue = std::make_shared<MessageQueue>();
    return state.queue;
}

MessageQueue* ThisThreadQueueIfAny() { return ThisThread().queue.get(); }

const std::optional<display::KeyStates>& RetrievedKeyState() { return ThisThread().retrievedKeys; }

void RememberRetrievedKeyState(const display::KeyStates& keys) { ThisThread().retrievedKeys = keys; }

display::KeyStates SynchronousKeyState() {
    if (const auto& retrieved = RetrievedKeyState()) return *retrieved;
    display::Display* display = display::Current();
    return display ? display->KeyState() : display::KeyStates{};
}

}  // namespace lumenbox::win::detail
