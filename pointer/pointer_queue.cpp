// The pointer queue: a ring of 256 events filled by the window thread and
// drained by the program's thread, and the last known position and buttons.
//
// The lock and the wake-up live as long as the process, unlike the window:
// a reader racing a close never touches a lock that is gone, and a waiting
// reader sleeps on the condition instead of polling, so waiting costs
// nothing. The count, position and buttons are atomic words, so the polls
// that never wait take no lock.
#include <array>
#include <atomic>
#include <condition_variable>
#include <limits>
#include <mutex>

#include <lumenbox/graph.h>
#include <lumenbox/pointer.h>

namespace lumenbox {

namespace {

struct PointerQueueRecord {
    std::mutex lock;
    std::condition_variable arrived;  // an event came, or the window closed
    std::array<PointerEvent, PointerQueueCapacity> events{};
    std::size_t oldest = 0;                // under lock
    std::atomic<std::size_t> count{0};     // written under lock
    std::atomic<std::uint32_t> dropped{0}; // written under lock
    bool windowOpen = false;               // under lock
    std::uint64_t window = 0;              // under lock: a new number per open and close
    std::atomic<std::uint32_t> position{PackedOutside()};
    std::atomic<std::uint8_t> buttons{0};

    static constexpr std::uint32_t Pack(std::int16_t x, std::int16_t y) {
        return static_cast<std::uint16_t>(x) | (std::uint32_t{static_cast<std::uint16_t>(y)} << 16);
    }
    static constexpr std::uint32_t PackedOutside() { return Pack(-1, -1); }
};

PointerQueueRecord& Queue() {
    // Never destroyed: the window thread may still report while the process exits.
    static PointerQueueRecord* const queue = new PointerQueueRecord();
    return *queue;
}

std::int16_t Half(std::uint32_t packed, int shift) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(packed >> shift));
}

// A drop count that stops at its largest value rather than wrapping to zero.
void CountDrop(PointerQueueRecord& queue) {
    const std::uint32_t dropped = queue.dropped.load(std::memory_order_relaxed);
    if (dropped != std::numeric_limits<std::uint32_t>::max()) queue.dropped.store(dropped + 1, std::memory_order_relaxed);
}

}  // namespace

bool PointerEventWaiting() {
    return IsGraphOpen() && Queue().count.load(std::memory_order_acquire) != 0;
}

PointerEvent NextPointerEvent() {
    PointerQueueRecord& queue = Queue();
    std::unique_lock lock(queue.lock);
    // Without a window nothing comes; queued events stay for no one.
    if (!queue.windowOpen || !IsGraphOpen()) return PointerEvent{};
    const std::uint64_t window = queue.window;
    queue.arrived.wait(lock, [&] { return queue.count.load(std::memory_order_relaxed) != 0 || queue.window != window; });
    if (queue.window != window) return PointerEvent{};
    const PointerEvent event = queue.events[queue.oldest];
    queue.oldest = (queue.oldest + 1) % PointerQueueCapacity;
    queue.count.store(queue.count.load(std::memory_order_relaxed) - 1, std::memory_order_release);
    return event;
}

std::int16_t PointerX() {
    return IsGraphOpen() ? Half(Queue().position.load(std::memory_order_acquire), 0) : std::int16_t{-1};
}

std::int16_t PointerY() {
    return IsGraphOpen() ? Half(Queue().position.load(std::memory_order_acquire), 16) : std::int16_t{-1};
}

std::uint8_t PointerButtons() { return IsGraphOpen() ? Queue().buttons.load(std::memory_order_acquire) : 0; }

std::uint32_t PointerEventsDropped() { return Queue().dropped.load(std::memory_order_acquire); }

void PutPointerEvent(const PointerEvent& event) {
    PointerQueueRecord& queue = Queue();
    {
        std::lock_guard lock(queue.lock);
        std::size_t count = queue.count.load(std::memory_order_relaxed);
        if (count == PointerQueueCapacity) {
            queue.oldest = (queue.oldest + 1) % PointerQueueCapacity;
            --count;
            CountDrop(queue);
        }
        queue.events[(queue.oldest + count) % PointerQueueCapacity] = event;
        queue.count.store(count + 1, std::memory_order_release);
    }
    queue.arrived.notify_all();
}

void ResetPointerQueue() {
    PointerQueueRecord& queue = Queue();
    {
        std::lock_guard lock(queue.lock);
        ++queue.window;
        queue.windowOpen = true;
        queue.oldest = 0;
        queue.count.store(0, std::memory_order_release);
        queue.dropped.store(0, std::memory_order_release);
        queue.position.store(PointerQueueRecord::PackedOutside(), std::memory_order_release);
        queue.buttons.store(0, std::memory_order_release);
    }
    queue.arrived.notify_all();
}

void EndPointerQueueWindow() {
    PointerQueueRecord& queue = Queue();
    {
        std::lock_guard lock(queue.lock);
        ++queue.window;
        queue.windowOpen = false;
    }
    queue.arrived.notify_all();
}

void KeepPointerPosition(std::int16_t x, std::int16_t y) {
    Queue().position.store(PointerQueueRecord::Pack(x, y), std::memory_order_release);
}

void KeepPointerButtons(std::uint8_t buttons) { Queue().buttons.store(buttons, std::memory_order_release); }

}  // namespace lumenbox
