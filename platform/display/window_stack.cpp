// The windows a display knows, their order and the focus.
#include "platform/display/window_stack.h"

#include <algorithm>
#include <utility>

namespace lumenbox::display {

void WindowStack::Add(WindowId window, const WindowPlacement& placement, std::shared_ptr<Surface> surface) {
    if (Entry* known = FindEntry(window)) {
        known->placement = placement;
        known->surface = std::move(surface);
        return;
    }
    entries_.push_back(Entry{window, placement, std::move(surface)});
}

void WindowStack::Remove(WindowId window) {
    std::erase_if(entries_, [window](const Entry& entry) { return entry.id == window; });
    if (focus_ == window) PassFocusOn();
}

void WindowStack::SetVisible(WindowId window, bool visible) {
    Entry* entry = FindEntry(window);
    if (!entry) return;
    entry->visible = visible;
    if (visible && focus_ == 0) {
        focus_ = window;
        Raise(*entry);
    } else if (!visible && focus_ == window) {
        PassFocusOn();
    }
}

void WindowStack::Focus(WindowId window) {
    Entry* entry = FindEntry(window);
    if (!entry) return;
    focus_ = window;
    Raise(*entry);
}

const WindowStack::Entry* WindowStack::Find(WindowId window) const {
    for (const Entry& entry : entries_)
        if (entry.id == window) return &entry;
    return nullptr;
}

WindowStack::Entry* WindowStack::FindEntry(WindowId window) {
    return const_cast<Entry*>(std::as_const(*this).Find(window));
}

const WindowStack::Entry* WindowStack::Shown() const {
    const Entry* best = nullptr;
    for (const Entry& entry : entries_) {
        if (!entry.visible) continue;
        if (entry.id == focus_) return &entry;
        if (!best || entry.raisedAt >= best->raisedAt) best = &entry;
    }
    return best;
}

void WindowStack::PassFocusOn() {
    focus_ = 0;
    if (const Entry* next = Shown()) focus_ = next->id;
}

}  // namespace lumenbox::display
