// The key queue: a fixed ring of 32 one-byte slots filled by the window thread
// and drained by the program's thread.
//
// Equal indices mean empty, so at most 31 bytes are held. The indices change
// only under KeyQueueLock, but the emptiness tests read them without it; each
// index is therefore an atomic word, stored with release after its slot is
// written and loaded with acquire by the lock-free readers.
//
// A reader with nothing to read sleeps on a futex word that counts the
// queue's events (a key put, the window gone), so a program waiting for a
// key costs nothing until one comes.
#include <lumenbox/graph.h>
#include <lumenbox/keyboard.h>
#include <lumenbox/win/kernel.h>

namespace lumenbox {

std::array<std::uint8_t, 33> KeyQueue{};
std::atomic<std::int32_t> KeyReadIndex{0};
std::atomic<std::int32_t> KeyWriteIndex{0};
win::CRITICAL_SECTION KeyQueueLock;

namespace {

constexpr std::int32_t FirstSlot = 1;
constexpr std::int32_t LastSlot = 32;

// True while the program has taken the 0 of an extended key but not yet its
// code, which is then the oldest byte queued. Read and written under
// KeyQueueLock, except by ResetKeyQueue, which like the indices may run
// without it (the lock may not exist then); hence atomic.
std::atomic<bool> ReaderInsideExtendedKey{false};

// Which window the queue belongs to: a new number each time a window opens
// or closes, so a reader waiting on one window's queue sees that it is gone
// even when another window opened in the meantime, and never takes that
// window's keys for its own.
std::atomic<std::uint32_t> KeyQueueWindow{0};

// Counts what a waiting reader must look at again: every key put and every
// end of a window. A reader reads it before it looks at the queue and sleeps
// only while it still holds that count, so an event between its look and its
// sleep is never lost.
std::atomic<std::uint32_t> KeyQueueEvents{0};

void AnnounceKeyQueueEvent() {
    KeyQueueEvents.fetch_add(1, std::memory_order_release);
    KeyQueueEvents.notify_all();
}

bool QueueIsEmpty() {
    return KeyReadIndex.load(std::memory_order_acquire) == KeyWriteIndex.load(std::memory_order_acquire);
}

void RetreatKeyIndex(std::atomic<std::int32_t>& index) {
    std::int32_t previous = index.load(std::memory_order_relaxed) - 1;
    if (previous < FirstSlot) {
        previous = LastSlot;
    }
    index.store(previous, std::memory_order_release);
}

// The key at the read index goes whole: the 0 that opens an extended key
// goes together with the code after it.
void DropKeyAtReadIndex() {
    if (KeyQueue[KeyReadIndex.load(std::memory_order_relaxed)] == 0) {
        AdvanceKeyIndex(KeyReadIndex);
    }
    AdvanceKeyIndex(KeyReadIndex);
}

// A full queue gives up its oldest key whole. When the program has already
// taken the 0 of the oldest key, dropping the code would leave it half a key
// and hand it the next key's first byte as the code; the code stays, moved
// up into the freed slot, and the key after it goes instead.
void DropOldestKey() {
    if (!ReaderInsideExtendedKey.load(std::memory_order_relaxed)) {
        DropKeyAtReadIndex();
        return;
    }
    const std::uint8_t code = KeyQueue[KeyReadIndex.load(std::memory_order_relaxed)];
    AdvanceKeyIndex(KeyReadIndex);
    DropKeyAtReadIndex();
    RetreatKeyIndex(KeyReadIndex);
    KeyQueue[KeyReadIndex.load(std::memory_order_relaxed)] = code;
}

}  // namespace

bool KeyWaiting() { return !QueueIsEmpty(); }

std::uint8_t NextKey() {
    // Without a window the lock may be deleted or never made; queued keys stay.
    if (!IsGraphOpen()) {
        return 0;
    }
    const std::uint32_t window = KeyQueueWindow.load(std::memory_order_acquire);
    for (;;) {
        const std::uint32_t seen = KeyQueueEvents.load(std::memory_order_acquire);
        // The window closed while we waited: no key can come any more. Looked
        // at before the queue, so that keys of a window opened meanwhile are
        // never taken for this one's.
        if (!IsGraphOpen() || KeyQueueWindow.load(std::memory_order_acquire) != window) {
            return 0;
        }
        if (!QueueIsEmpty()) {
            break;
        }
        KeyQueueEvents.wait(seen, std::memory_order_acquire);
    }
    win::EnterCriticalSection(&KeyQueueLock);
    const std::uint8_t code = KeyQueue[KeyReadIndex.load(std::memory_order_relaxed)];
    AdvanceKeyIndex(KeyReadIndex);
    ReaderInsideExtendedKey.store(!ReaderInsideExtendedKey.load(std::memory_order_relaxed) && code == 0,
                                  std::memory_order_relaxed);
    win::LeaveCriticalSection(&KeyQueueLock);
    return code;
}

void PutKey(std::uint8_t code) {
    win::EnterCriticalSection(&KeyQueueLock);
    KeyQueue[KeyWriteIndex.load(std::memory_order_relaxed)] = code;
    AdvanceKeyIndex(KeyWriteIndex);
    if (KeyWriteIndex.load(std::memory_order_relaxed) == KeyReadIndex.load(std::memory_order_relaxed)) {
        DropOldestKey();
    }
    win::LeaveCriticalSection(&KeyQueueLock);
    AnnounceKeyQueueEvent();
}

void PutExtendedKey(std::uint8_t code) {
    // Two holds of the lock: a reader may take the 0 before the code arrives,
    // and then waits for it in NextKey.
    PutKey(0);
    PutKey(code);
}

void EndKeyQueueWindow() {
    KeyQueueWindow.fetch_add(1, std::memory_order_acq_rel);
    AnnounceKeyQueueEvent();
}

void ResetKeyQueue() {
    EndKeyQueueWindow();
    ReaderInsideExtendedKey.store(false, std::memory_order_relaxed);
    KeyReadIndex.store(FirstSlot, std::memory_order_release);
    KeyWriteIndex.store(FirstSlot, std::memory_order_release);
}

void AdvanceKeyIndex(std::atomic<std::int32_t>& index) {
    std::int32_t next = index.load(std::memory_order_relaxed) + 1;
    if (next > LastSlot) {
        next = FirstSlot;
    }
    index.store(next, std::memory_order_release);
}

}  // namespace lumenbox
