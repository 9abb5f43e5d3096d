// The windows a display knows: their placement and surface, which are
// visible, their order front to back, and which has the focus. Shared by the
// displays that keep their own window list (headless, terminal); the owner
// guards it with its own lock.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/display/display.h"

namespace lumenbox::display {

class WindowStack {
public:
    struct Entry {
        WindowId id;
        WindowPlacement placement;
        std::shared_ptr<Surface> surface;
        bool visible = false;
        std::uint64_t raisedAt = 0;  // larger: nearer the front
    };

    // A new hidden window, or a new placement and surface for a known one.
    void Add(WindowId window, const WindowPlacement& placement, std::shared_ptr<Surface> surface);
    // Forgets the window; its focus passes on (see PassFocusOn).
    void Remove(WindowId window);
    // A window shown while nothing has the focus takes it and comes to the
    // front; a focused window that is hidden passes it on.
    void SetVisible(WindowId window, bool visible);
    // Gives the window the focus and brings it to the front.
    void Focus(WindowId window);

    const Entry* Find(WindowId window) const;
    // The focused window, 0 for none.
    WindowId Focused() const { return focus_; }
    // What a user would be looking at: the focused window when it is
    // visible, else the visible one nearest the front; NULL for none.
    const Entry* Shown() const;
    // Every window, in order of creation.
    const std::vector<Entry>& Entries() const { return entries_; }

private:
    Entry* FindEntry(WindowId window);
    void Raise(Entry& entry) { entry.raisedAt = ++raiseCount_; }
    // As a window manager activates the next window: the visible one
    // nearest the front (among equals the newest), or none.
    void PassFocusOn();

    std::vector<Entry> entries_;
    WindowId focus_ = 0;
    std::uint64_t raiseCount_ = 0;
};

}  // namespace lumenbox::display
