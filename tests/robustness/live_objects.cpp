#include "robustness/live_objects.h"

#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

#include <lumenbox/win/gdi.h>
#include <lumenbox/win/probes.h>

namespace lumenbox::robustness {

namespace {

namespace probe = win::probe;

struct GdiType {
    win::UINT type;
    const char* name;
};

constexpr std::array<GdiType, LiveObjects::GdiTypes> GdiTypeNames = {{
    {win::OBJ_PEN, "pens"},
    {win::OBJ_BRUSH, "brushes"},
    {win::OBJ_DC, "window DCs"},
    {win::OBJ_PAL, "palettes"},
    {win::OBJ_FONT, "fonts"},
    {win::OBJ_BITMAP, "bitmaps"},
    {win::OBJ_REGION, "regions"},
    {win::OBJ_MEMDC, "memory DCs"},
}};

std::size_t SystemThreadCount() {
    std::error_code error;
    std::size_t count = 0;
    for (std::filesystem::directory_iterator it("/proc/self/task", error), end; !error && it != end;
         it.increment(error)) {
        ++count;
    }
    return count;
}

// A detached thread that has stored its exit code still has to unwind.
std::size_t SettledSystemThreadCount(std::size_t expected) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    std::size_t count = SystemThreadCount();
    while (count > expected && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        count = SystemThreadCount();
    }
    return count;
}

void Compare(std::ostringstream& out, const char* what, std::size_t before, std::size_t after) {
    if (before == after) return;
    out << (out.tellp() > 0 ? ", " : "") << what << " " << before << " -> " << after;
}

}  // namespace

LiveObjects LiveObjects::Now() {
    LiveObjects now;
    for (std::size_t i = 0; i < GdiTypes; ++i) now.gdi[i] = probe::LiveGdiObjects(GdiTypeNames[i].type);
    now.windows = probe::LiveWindows();
    now.threadHandles = probe::LiveThreadHandles();
    now.glContexts = probe::LiveGLContexts();
    now.systemThreads = SystemThreadCount();
    return now;
}

std::string LiveObjects::LeftOverSince(const LiveObjects& before) const {
    std::ostringstream out;
    for (std::size_t i = 0; i < GdiTypes; ++i) Compare(out, GdiTypeNames[i].name, before.gdi[i], gdi[i]);
    Compare(out, "windows", before.windows, windows);
    Compare(out, "thread handles", before.threadHandles, threadHandles);
    Compare(out, "OpenGL contexts", before.glContexts, glContexts);
    // Only more threads count: one that ended after `before` was taken is no leak.
    const std::size_t threads = SettledSystemThreadCount(before.systemThreads);
    if (threads > before.systemThreads) Compare(out, "threads", before.systemThreads, threads);
    return out.str();
}

}  // namespace lumenbox::robustness
