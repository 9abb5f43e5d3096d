// Reporting presentations to the user layer's observer.
#include <cstddef>
#include <mutex>
#include <vector>

#include "platform/display/display.h"

namespace lumenbox::display {

void Display::ReportPresented(const PresentedFrame& frame) const {
    if (PresentationObserver* observer = observer_.load(std::memory_order_acquire)) observer->Presented(frame);
}

void Display::ReportSurfacePresented(WindowId window, const Surface& surface,
                                     std::chrono::steady_clock::time_point shownAt) const {
    if (!PresentationObserved()) return;
    // One buffer per presenting thread: its size settles at the window's, so
    // a presentation allocates nothing after the first.
    thread_local std::vector<std::uint32_t> copy;
    const std::size_t count = static_cast<std::size_t>(surface.Width()) * static_cast<std::size_t>(surface.Height());
    {
        std::lock_guard lock(surface.Mutex());
        copy.assign(surface.Pixels(), surface.Pixels() + count);
    }
    ReportPresented(PresentedFrame{window, surface.Width(), surface.Height(), copy.data(), shownAt});
}

}  // namespace lumenbox::display
