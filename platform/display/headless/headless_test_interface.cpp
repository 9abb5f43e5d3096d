// The free functions of <lumenbox/display/headless.h>: each reaches the
// headless display when it is the process's display and does nothing else.
#include <lumenbox/display/headless.h>

#include <cstddef>
#include <iterator>
#include <mutex>

#include "platform/display/headless/headless_display.h"

namespace lumenbox::display::headless {

namespace {

HeadlessDisplay* Active() { return dynamic_cast<HeadlessDisplay*>(Current()); }

}  // namespace

bool IsActive() { return Active() != nullptr; }

void Reset() {
    if (HeadlessDisplay* display = Active()) display->Reset();
}

void SetScreen(int width, int height, int bitsPerPixel) {
    if (HeadlessDisplay* display = Active()) display->SetScreen(width, height, bitsPerPixel);
}

void SetOpenGLAvailable(bool available) {
    if (HeadlessDisplay* display = Active()) display->SetOpenGLAvailable(available);
}

void SetOpenGLAltersFloatingPoint(bool alters) {
    if (HeadlessDisplay* display = Active()) display->SetOpenGLAltersFloatingPoint(alters);
}

void SetFontFamilies(std::vector<std::string> families) {
    if (HeadlessDisplay* display = Active()) display->SetFontFamilies(std::move(families));
}

void RemoveFontFamily(std::string_view family) {
    if (HeadlessDisplay* display = Active()) display->RemoveFontFamily(family);
}

std::vector<WindowId> Windows() {
    HeadlessDisplay* display = Active();
    return display ? display->Windows() : std::vector<WindowId>{};
}

std::optional<WindowView> Window(WindowId window) {
    HeadlessDisplay* display = Active();
    return display ? display->Window(window) : std::nullopt;
}

std::vector<std::uint32_t> ClientPixels(WindowId window) {
    HeadlessDisplay* display = Active();
    std::shared_ptr<Surface> surface = display ? display->SurfaceOf(window) : nullptr;
    if (!surface) return {};
    std::lock_guard lock(surface->Mutex());
    const std::size_t count = static_cast<std::size_t>(surface->Width()) * static_cast<std::size_t>(surface->Height());
    return std::vector<std::uint32_t>(surface->Pixels(), surface->Pixels() + count);
}

std::optional<std::uint32_t> ClientPixel(WindowId window, int x, int y) {
    HeadlessDisplay* display = Active();
    std::shared_ptr<Surface> surface = display ? display->SurfaceOf(window) : nullptr;
    if (!surface || x < 0 || y < 0 || x >= surface->Width() || y >= surface->Height()) return std::nullopt;
    std::lock_guard lock(surface->Mutex());
    return surface->Pixels()[static_cast<std::size_t>(y) * static_cast<std::size_t>(surface->Width()) +
                             static_cast<std::size_t>(x)];
}

void SetAutomaticPresenting(bool on) {
    if (HeadlessDisplay* display = Active()) display->SetAutomaticPresenting(on);
}

bool PresentWindow(WindowId window, std::optional<std::chrono::steady_clock::time_point> shownAt) {
    HeadlessDisplay* display = Active();
    return display && display->PresentWindow(window, shownAt.value_or(std::chrono::steady_clock::now()));
}

void PressKey(int virtualKey) {
    if (HeadlessDisplay* display = Active()) display->PressKey(virtualKey);
}

void RepeatKey(int virtualKey) {
    if (HeadlessDisplay* display = Active()) display->RepeatKey(virtualKey);
}

void ReleaseKey(int virtualKey) {
    if (HeadlessDisplay* display = Active()) display->ReleaseKey(virtualKey);
}

void TypeKey(int virtualKey, std::initializer_list<int> modifiers) {
    HeadlessDisplay* display = Active();
    if (!display) return;
    for (int modifier : modifiers) display->PressKey(modifier);
    display->PressKey(virtualKey);
    display->ReleaseKey(virtualKey);
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) display->ReleaseKey(*it);
}

void SetToggle(int virtualKey, bool on) {
    if (HeadlessDisplay* display = Active()) display->SetToggle(virtualKey, on);
}

void ClickClose(WindowId window) {
    if (HeadlessDisplay* display = Active()) display->ClickClose(window);
}

void Expose(WindowId window, int left, int top, int right, int bottom) {
    if (HeadlessDisplay* display = Active()) display->Expose(window, left, top, right, bottom);
}

void MovePointer(WindowId window, int x, int y) {
    if (HeadlessDisplay* display = Active()) display->MovePointer(window, x, y);
}

void PressButton(int button) {
    if (HeadlessDisplay* display = Active()) display->PressButton(button);
}

void ReleaseButton(int button) {
    if (HeadlessDisplay* display = Active()) display->ReleaseButton(button);
}

void TurnWheel(int notches) {
    if (HeadlessDisplay* display = Active()) display->TurnWheel(notches);
}

}  // namespace lumenbox::display::headless
