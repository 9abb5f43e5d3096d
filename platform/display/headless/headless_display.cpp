// The headless display's screen, settings and windows.
#include "platform/display/headless/headless_display.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <utility>

namespace lumenbox::display {

namespace {

constexpr ScreenInfo kDefaultScreen{1920, 1080, 32};

bool ValidDepth(int bitsPerPixel) {
    switch (bitsPerPixel) {
        case 1: case 4: case 8: case 15: case 16: case 24: case 32: return true;
        default: return false;
    }
}

bool SameWithoutCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// A surface leaving this display tells the presenter nothing more.
void ForgetWatch(Surface& surface) {
    std::lock_guard pixels(surface.Mutex());
    surface.WatchNextChange(nullptr);
}

}  // namespace

HeadlessDisplay::HeadlessDisplay()
    : screen_(kDefaultScreen),
      openGL_(true),
      openGLAltersFloatingPoint_(false),
      presenter_([this] { return VisibleWindows(); }, [this] { return PresentationObserved(); },
                 [this](const PresentedFrame& frame) { ReportPresented(frame); }) {}

HeadlessDisplay::~HeadlessDisplay() {
    presenter_.Shutdown();
    std::lock_guard lock(mutex_);
    for (const WindowStack::Entry& entry : windows_.Entries())
        if (entry.surface) ForgetWatch(*entry.surface);
}

std::unique_ptr<Display> CreateHeadlessDisplay() {
    auto display = std::make_unique<HeadlessDisplay>();
    // Another process's only way to give keys to a window of this one.
    if (const char* script = std::getenv("LUMENBOX_HEADLESS_SCRIPT"); script && *script)
        display->StartInputScript(InputScript::Parse(script));
    return display;
}

void HeadlessDisplay::StartInputScript(std::vector<InputScript::Step> steps) {
    if (!steps.empty()) script_ = std::make_unique<InputScript>(*this, std::move(steps));
}

void HeadlessDisplay::Shutdown() {
    if (script_) script_->Stop();
    presenter_.Shutdown();
}

// ---- Display ----------------------------------------------------------------

ScreenInfo HeadlessDisplay::Screen() const {
    std::lock_guard lock(mutex_);
    return screen_;
}

bool HeadlessDisplay::OpenGLAvailable() const {
    std::lock_guard lock(mutex_);
    return openGL_;
}

bool HeadlessDisplay::OpenGLAltersFloatingPoint() const {
    std::lock_guard lock(mutex_);
    return openGLAltersFloatingPoint_;
}

std::vector<std::string> HeadlessDisplay::FontFamilies() const {
    {
        std::lock_guard lock(mutex_);
        if (fonts_) return *fonts_;
    }
    // The machine's list is computed once and may take a moment: not under
    // the lock.
    return InstalledFontFamilies();
}

KeyStates HeadlessDisplay::KeyState() const {
    std::lock_guard lock(mutex_);
    return keys_;
}

void HeadlessDisplay::SetEventSink(EventSink* sink) {
    std::lock_guard lock(mutex_);
    sink_ = sink;
}

void HeadlessDisplay::AddWindow(WindowId window, const WindowPlacement& placement, std::shared_ptr<Surface> surface) {
    {
        std::lock_guard lock(mutex_);
        if (const WindowStack::Entry* known = windows_.Find(window); known && known->surface)
            ForgetWatch(*known->surface);
        if (surface) {
            std::lock_guard pixels(surface->Mutex());
            presenter_.Watch(*surface);
        }
        windows_.Add(window, placement, std::move(surface));
    }
    presenter_.Reconsider();
}

void HeadlessDisplay::RemoveWindow(WindowId window) {
    {
        std::lock_guard lock(mutex_);
        if (const WindowStack::Entry* known = windows_.Find(window); known && known->surface)
            ForgetWatch(*known->surface);
        windows_.Remove(window);
        if (pointerWindow_ == window) pointerWindow_ = 0;
    }
    presenter_.Forget(window);
    presenter_.Reconsider();
}

void HeadlessDisplay::SetVisible(WindowId window, bool visible) {
    {
        std::lock_guard lock(mutex_);
        windows_.SetVisible(window, visible);
    }
    presenter_.Reconsider();
}

std::vector<HeadlessPresenter::Shown> HeadlessDisplay::VisibleWindows() const {
    std::lock_guard lock(mutex_);
    std::vector<HeadlessPresenter::Shown> shown;
    for (const WindowStack::Entry& entry : windows_.Entries())
        if (entry.visible && entry.surface) shown.push_back({entry.id, entry.surface});
    return shown;
}

void HeadlessDisplay::SetFocus(WindowId window) {
    std::lock_guard lock(mutex_);
    windows_.Focus(window);
}

// ---- Windows ----------------------------------------------------------------

std::vector<WindowId> HeadlessDisplay::Windows() const {
    std::lock_guard lock(mutex_);
    std::vector<WindowId> ids;
    for (const WindowStack::Entry& entry : windows_.Entries()) ids.push_back(entry.id);
    return ids;
}

std::optional<headless::WindowView> HeadlessDisplay::Window(WindowId window) const {
    std::lock_guard lock(mutex_);
    const WindowStack::Entry* entry = windows_.Find(window);
    if (!entry) return std::nullopt;
    const WindowPlacement& p = entry->placement;
    return headless::WindowView{p.caption, entry->visible, windows_.Focused() == window, p.framed,
                                p.x, p.y, p.width, p.height, p.clientWidth, p.clientHeight};
}

std::shared_ptr<Surface> HeadlessDisplay::SurfaceOf(WindowId window) const {
    std::lock_guard lock(mutex_);
    const WindowStack::Entry* entry = windows_.Find(window);
    return entry ? entry->surface : nullptr;
}

// ---- Test set-up ------------------------------------------------------------

void HeadlessDisplay::Reset() {
    {
        std::lock_guard lock(mutex_);
        screen_ = kDefaultScreen;
        openGL_ = true;
        openGLAltersFloatingPoint_ = false;
        fonts_.reset();
        keys_ = KeyStates{};
        pointerWindow_ = 0;
        buttons_ = 0;
    }
    presenter_.SetAutomatic(true);
}

void HeadlessDisplay::SetScreen(int width, int height, int bitsPerPixel) {
    if (width <= 0 || height <= 0 || !ValidDepth(bitsPerPixel)) return;
    std::lock_guard lock(mutex_);
    screen_ = ScreenInfo{width, height, bitsPerPixel};
}

void HeadlessDisplay::SetOpenGLAvailable(bool available) {
    std::lock_guard lock(mutex_);
    openGL_ = available;
}

void HeadlessDisplay::SetOpenGLAltersFloatingPoint(bool alters) {
    std::lock_guard lock(mutex_);
    openGLAltersFloatingPoint_ = alters;
}

void HeadlessDisplay::SetFontFamilies(std::vector<std::string> families) {
    std::lock_guard lock(mutex_);
    fonts_ = std::move(families);
}

void HeadlessDisplay::RemoveFontFamily(std::string_view family) {
    std::vector<std::string> families = FontFamilies();
    std::erase_if(families, [family](const std::string& name) { return SameWithoutCase(name, family); });
    std::lock_guard lock(mutex_);
    fonts_ = std::move(families);
}

}  // namespace lumenbox::display
