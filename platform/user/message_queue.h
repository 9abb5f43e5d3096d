// One thread's message queue: the messages posted to it and its quit request.
//
// Any thread may post; only the owning thread takes messages out. Painting is
// not queued here: the update regions live with the windows, and a change of
// one only wakes the owner (Wake) so that it looks again.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>

#include <lumenbox/win/user.h>

#include "platform/display/display.h"

namespace lumenbox::win::detail {

// A posted message. Key messages, and the characters made from them, carry
// the key state of their moment, which becomes the thread's key state when
// the message is retrieved.
struct QueuedMessage {
    MSG message;
    std::optional<display::KeyStates> keys;
};

// Which messages a retrieval accepts.
struct MessageFilter {
    HWND window;  // NULL: any; ThreadMessagesOnly(): those posted to no window
    UINT min;
    UINT max;

    static HWND ThreadMessagesOnly() { return reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1)); }
    bool AcceptsNumber(UINT message) const { return (min == 0 && max == 0) || (message >= min && message <= max); }
    bool AcceptsWindow(HWND target) const {
        if (window == ThreadMessagesOnly()) return target == nullptr;
        return window == nullptr || window == target;
    }
    bool Accepts(const MSG& m) const { return AcceptsWindow(m.hwnd) && AcceptsNumber(m.message); }
};

class MessageQueue {
public:
    void Post(QueuedMessage message);
    // Ahead of everything else: the next message the owner retrieves.
    void PostNext(QueuedMessage message);
    void PostQuit(int exitCode);
    // Something the owner should look at again (an update region changed).
    void Wake();
    // Drops every message for a window that is gone.
    void Purge(HWND window);

    // The first posted message the filter accepts, else WM_QUIT when a quit
    // is pending (whatever the filter); removed if `remove`. `seen` receives
    // the queue's change count at the time of the look, for WaitForChange.
    std::optional<QueuedMessage> Take(const MessageFilter& filter, bool remove, std::uint64_t& seen);
    // Blocks until anything was posted or woken since the count `seen`.
    void WaitForChange(std::uint64_t seen);

private:
    void ChangedLocked();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<QueuedMessage> posted_;
    bool quitPending_ = false;
    int quitCode_ = 0;
    std::uint64_t changes_ = 0;
};

}  // namespace lumenbox::win::detail
