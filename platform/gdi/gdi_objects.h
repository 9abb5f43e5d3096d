// The GDI object model: every object a GDI handle can designate, the one
// table that hands out those handles, and the one mutex that guards both.
//
// Every GDI call takes the mutex once, looks its handles up in O(1), and
// works on the objects directly. Objects selected into a DC are held by
// plain pointers: an object cannot be deleted while selected (DeleteObject
// refuses), and stock objects are never deleted, so the pointers stay good.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include <lumenbox/win/gdi.h>
#include <lumenbox/win/types.h>

#include "platform/display/display.h"
#include "platform/gdi/colour_table.h"
#include "platform/gdi/pixel_formats.h"
#include "platform/kernel/handle_table.h"
#include "platform/kernel/lock_word.h"

namespace lumenbox::win::detail {

struct DeviceContext;

struct GdiObject {
    explicit GdiObject(UINT objectType) : type(objectType) {}
    virtual ~GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    const UINT type;  // OBJ_*
    std::uintptr_t handle = 0;
    bool stock = false;
    int selections = 0;  // DCs it is selected into
};

struct Pen final : GdiObject {
    static bool Accepts(UINT t) { return t == OBJ_PEN; }
    explicit Pen(const LOGPEN& r) : GdiObject(OBJ_PEN), record(r) {}
    LOGPEN record;
};

// One pixel of a pattern brush: its colour, and its colour-table index when
// the pattern came from an indexed bitmap (-1 otherwise).
struct PatternCell {
    Rgb colour = 0;
    int index = -1;
};

// A pattern brush's copy of its bitmap's top-left pixels, at most 8 x 8.
struct BrushPattern {
    int width = 0;
    int height = 0;
    std::array<PatternCell, 64> cells{};  // row-major, width x height used
};

struct Brush final : GdiObject {
    static bool Accepts(UINT t) { return t == OBJ_BRUSH; }
    explicit Brush(const LOGBRUSH& r) : GdiObject(OBJ_BRUSH), record(r) {}
    LOGBRUSH record;
    // BS_PATTERN only: solid brushes, made and deleted thousands of times a
    // frame, stay small.
    std::unique_ptr<const BrushPattern> pattern;
};

struct Font final : GdiObject {
    static bool Accepts(UINT t) { return t == OBJ_FONT; }
    explicit Font(const LOGFONTA& r) : GdiObject(OBJ_FONT), record(r) {}
    LOGFONTA record;
};

struct Palette final : GdiObject {
    static bool Accepts(UINT t) { return t == OBJ_PAL; }
    Palette() : GdiObject(OBJ_PAL) {}
    ColourTable colours;
    std::vector<BYTE> flags;  // peFlags, one per entry
};

struct Region final : GdiObject {
    static bool Accepts(UINT t) { return t == OBJ_REGION; }
    explicit Region(const RECT& r) : GdiObject(OBJ_REGION), rect(r) {}
    RECT rect;  // ordered corners; right and bottom exclusive
};

// A DIB section (or the stock 1 x 1 monochrome bitmap, which behaves as one).
struct Bitmap final : GdiObject {
    static bool Accepts(UINT t) { return t == OBJ_BITMAP; }
    Bitmap() : GdiObject(OBJ_BITMAP) {}

    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    PixelLayout layout = PixelLayout::Standard;  // 16 bits: 5-5-5 or 5-6-5
    std::ptrdiff_t stride = 0;  // bytes per stored row
    bool bottomUp = false;      // the first stored row is the bottom one
    // Words rather than bytes, so that 32-bit rows are genuine uint32 arrays.
    std::vector<std::uint32_t> storage;
    ColourTable table;  // 2^bits entries for indexed depths, empty otherwise
    DeviceContext* selectedIn = nullptr;

    bool Indexed() const { return bitsPerPixel <= 8; }
    std::uint8_t* Bytes() { return reinterpret_cast<std::uint8_t*>(storage.data()); }
    const PixelFormat* Format() const { return PixelFormatFor(bitsPerPixel, layout); }
    PixelView View();
};

enum class DcKind { Memory, WindowSurface, Screen };

// What a DC's pixels are, resolved once per selected bitmap rather than on
// every pixel call. Bitmaps never move or change shape, and a window DC keeps
// its surface for life, so the selected bitmap's handle (unique for ever,
// thanks to its generation) is all that decides whether it still holds.
struct ResolvedPixels {
    static constexpr std::uintptr_t kSurface = 1;  // no GDI handle has this value
    std::uintptr_t key = 0;                       // 0: not resolved yet
    PixelView view;
    ColourTable* table = nullptr;          // indexed bitmap: its colour table
    display::Surface* surface = nullptr;   // window surface
    RECT bounds{};                         // (0, 0, width, height)
};

struct DeviceContext final : GdiObject {
    static bool Accepts(UINT t) { return t == OBJ_DC || t == OBJ_MEMDC; }
    explicit DeviceContext(DcKind k) : GdiObject(k == DcKind::Memory ? OBJ_MEMDC : OBJ_DC), kind(k) {}

    const DcKind kind;
    std::shared_ptr<display::Surface> surface;  // WindowSurface
    display::ScreenInfo screen{};               // Screen

    Bitmap* bitmap = nullptr;  // Memory
    Pen* pen = nullptr;
    Brush* brush = nullptr;
    Font* font = nullptr;
    Palette* palette = nullptr;

    bool hasClip = false;
    RECT clip{};
    ResolvedPixels pixels;  // see TargetOf

    int backgroundMode = OPAQUE;
    COLORREF backgroundColour = RGB(255, 255, 255);
    COLORREF textColour = RGB(0, 0, 0);
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    UINT textAlign = TA_LEFT | TA_TOP | TA_NOUPDATECP;
    int characterExtra = 0;
    int breakExtra = 0;
    int breakCount = 0;
    POINT position{0, 0};
};

struct StockObjects {
    std::array<GdiObject*, DEFAULT_PALETTE + 1> byIndex{};  // GetStockObject's numbering
    Pen* blackPen = nullptr;
    Brush* whiteBrush = nullptr;
    Font* systemFont = nullptr;
    Palette* defaultPalette = nullptr;
    Bitmap* monoBitmap = nullptr;  // what a new memory DC holds
};

// Deleted brushes without a pattern, kept for the next CreateBrushIndirect:
// a program that makes and deletes a brush per filled block then never
// allocates. A fixed array, so that keeping or taking one calls nothing.
struct SpareBrushes {
    static constexpr std::size_t kLimit = 16;
    std::array<std::unique_ptr<GdiObject>, kLimit> brushes;
    std::size_t count = 0;

    bool Empty() const { return count == 0; }
    bool Full() const { return count == kLimit; }
    // The place the next kept brush goes: null, and not Full().
    std::unique_ptr<GdiObject>& Vacancy() { return brushes[count]; }
    // The brush taken next: not Empty().
    std::unique_ptr<GdiObject>& Newest() { return brushes[count - 1]; }
};

struct GdiState {
    GdiState();
    // A lock word rather than std::mutex: a drawing program takes it a
    // hundred thousand times a frame, and its release is a plain store.
    WordMutex mutex;
    HandleTable<GdiObject> objects{HandleTag::Gdi};
    StockObjects stock;
    SpareBrushes spareBrushes;
};

// The process's GDI state once the first GDI call has made it, else null:
// the calls that run thousands of times a frame find it with one load.
inline std::atomic<GdiState*> MadeGdiState{nullptr};

// Makes the state, once; out of line, as it runs once.
GdiState& MakeGdiState();

// The process's GDI state. Never destroyed, so GDI calls made by late
// atexit handlers still find it. Inline: every GDI call asks for it.
inline GdiState& Gdi() {
    GdiState* const state = MadeGdiState.load(std::memory_order_acquire);
    return state ? *state : MakeGdiState();
}

// The GDI state with its mutex taken, when the state exists and the mutex is
// free; otherwise null, with nothing taken. The calls a drawing program makes
// thousands of times a frame try this first, so that their common case makes
// no call and keeps nothing on the stack; anything else goes to their full
// path through LockGdiThen.
inline GdiState* TryLockGdi() {
    GdiState* const state = MadeGdiState.load(std::memory_order_acquire);
    return state && state->mutex.try_lock() ? state : nullptr;
}

// A call's full path: waits for the GDI mutex, then hands the state to
// `Held`, which finds the mutex held and gives it back.
template <auto Held, class... Args>
[[gnu::noinline]] auto LockGdiThen(Args... args) {
    GdiState& gdi = Gdi();
    gdi.mutex.lock();
    return Held(gdi, args...);
}

// Holds the GDI mutex for one call, and the state it guards: found once, as
// the calls that run thousands of times a frame use it for every lookup.
class GdiLock {
public:
    GdiLock() : state_(Gdi()), lock_(state_.mutex) {}

    GdiState& State() const { return state_; }

private:
    GdiState& state_;
    std::lock_guard<WordMutex> lock_;
};

// Puts a new object in the table and returns its handle value.
std::uintptr_t Adopt(std::unique_ptr<GdiObject> object);
std::uintptr_t Adopt(GdiState& gdi, std::unique_ptr<GdiObject> object);

// The live object of type T a handle designates, or nullptr. GDI mutex held.
// Always inlined: every GDI call looks up a handle or two, and a call costs
// more than the lookup.
template <class T, class Handle>
[[gnu::always_inline]] inline T* Find(const GdiState& gdi, Handle handle) {
    GdiObject* object = gdi.objects.Find(HandleValue(handle));
    return object && T::Accepts(object->type) ? static_cast<T*>(object) : nullptr;
}
template <class T, class Handle>
[[gnu::always_inline]] inline T* Find(Handle handle) {
    return Find<T>(Gdi(), handle);
}

template <class Handle>
[[gnu::always_inline]] inline GdiObject* FindAny(const GdiState& gdi, Handle handle) {
    return gdi.objects.Find(HandleValue(handle));
}
template <class Handle>
[[gnu::always_inline]] inline GdiObject* FindAny(Handle handle) {
    return FindAny(Gdi(), handle);
}

// The DC's selection counts follow every change of what it holds.
template <class T>
T* Replace(T*& slot, T* next) {
    T* previous = slot;
    if (previous) --previous->selections;
    slot = next;
    if (next) ++next->selections;
    return previous;
}

}  // namespace lumenbox::win::detail
