// The GDI state singleton and what every object kind shares.
#include "platform/gdi/gdi_objects.h"

#include <utility>

#include "platform/gdi/stock_objects.h"

namespace lumenbox::win::detail {

GdiState::GdiState() { CreateStockObjects(*this); }

GdiState& MakeGdiState() {
    static GdiState* const state = [] {
        auto* const made = new GdiState();
        MadeGdiState.store(made, std::memory_order_release);
        return made;
    }();
    return *state;
}

std::uintptr_t Adopt(std::unique_ptr<GdiObject> object) { return Adopt(Gdi(), std::move(object)); }

std::uintptr_t Adopt(GdiState& gdi, std::unique_ptr<GdiObject> object) {
    GdiObject* raw = object.get();
    raw->handle = gdi.objects.Insert(std::move(object));
    return raw->handle;
}

PixelView Bitmap::View() {
    PixelView view;
    view.width = width;
    view.height = height;
    view.format = Format();
    view.pitch = bottomUp ? -stride : stride;
    view.top = bottomUp ? Bytes() + stride * (height - 1) : Bytes();
    return view;
}

}  // namespace lumenbox::win::detail
