// DefWindowProcA: what a window does with the messages its procedure leaves.
#include <lumenbox/win/gdi.h>

#include "platform/user/system_colours.h"
#include "platform/user/user_state.h"

namespace lumenbox::win {

namespace {

using detail::UserState;

struct EraseJob {
    HBRUSH background;
    RECT area;
};

// What WM_ERASEBKGND is to fill: the area BeginPaint or GetUpdateRect is
// erasing, else the update region, else (a program sending the message
// itself) the whole client area.
std::optional<EraseJob> EraseJobOf(HWND window) {
    UserState& user = detail::User();
    std::lock_guard lock(user.mutex);
    const detail::WindowRecord* record = detail::FindOrdinaryWindowLocked(user, window);
    if (!record) return std::nullopt;
    RECT area = record->ClientRect();
    if (record->erasing)
        area = *record->erasing;
    else if (!record->update.Empty())
        area = record->update.bounds;
    return EraseJob{record->background, area};
}

// A class background of 1 to 21 names a system colour (index + 1); any other
// value is a brush. Brush handles are far larger, so the two cannot be confused.
std::optional<COLORREF> SystemColourOfBackground(HBRUSH background) {
    const auto value = reinterpret_cast<std::uintptr_t>(background);
    if (value == 0 || value > 0xFFFF) return std::nullopt;
    return detail::SystemColour(static_cast<int>(value) - 1);
}

LRESULT EraseBackground(HWND window, HDC dc) {
    const std::optional<EraseJob> job = EraseJobOf(window);
    if (!job || !job->background) return 0;  // nothing to erase with: not erased
    if (const std::optional<COLORREF> colour = SystemColourOfBackground(job->background)) {
        const LOGBRUSH solid{BS_SOLID, *colour, 0};
        HBRUSH brush = CreateBrushIndirect(&solid);
        FillRect(dc, &job->area, brush);
        DeleteObject(brush);
    } else {
        FillRect(dc, &job->area, job->background);
    }
    return 1;
}

void PaintNothing(HWND window) {
    PAINTSTRUCT paint;
    if (BeginPaint(window, &paint)) EndPaint(window, &paint);
}

}  // namespace

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_ERASEBKGND:
            return EraseBackground(window, reinterpret_cast<HDC>(wParam));
        case WM_PAINT:
            PaintNothing(window);
            return 0;
        default:
            return 0;
    }
}

}  // namespace lumenbox::win
