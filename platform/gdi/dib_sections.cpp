// DIB sections: creation from a header, compatible bitmaps, colour tables.
// A compatible bitmap keeps its model's format exactly, 16-bit layout
// included, so blocks copied between the two never change.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>

#include "platform/gdi/dib_header.h"
#include "platform/gdi/gdi_objects.h"

namespace lumenbox::win {

using namespace detail;

namespace {

constexpr LONG kMaxSide = 32767;
// Beyond this a request is surely a mistake, not a picture; refusing it
// keeps a garbage header from exhausting memory.
constexpr std::size_t kMaxBytes = std::size_t{256} << 20;

// A zeroed DIB of |height| rows in `format`, stored bottom-up when
// `bottomUp`; an indexed one gets 2^bits black entries. nullptr when too
// large.
std::unique_ptr<Bitmap> NewDib(int width, int height, const PixelFormat& format, bool bottomUp) {
    if (width < 1 || width > kMaxSide || height < 1 || height > kMaxSide) return nullptr;
    const int bits = format.bitsPerPixel;
    const std::ptrdiff_t stride = DibRowBytes(width, bits);
    const std::size_t bytes = static_cast<std::size_t>(stride) * static_cast<std::size_t>(height);
    if (bytes > kMaxBytes) return nullptr;
    auto bitmap = std::make_unique<Bitmap>();
    bitmap->width = width;
    bitmap->height = height;
    bitmap->bitsPerPixel = bits;
    bitmap->layout = format.layout;
    bitmap->stride = stride;
    bitmap->bottomUp = bottomUp;
    try {
        bitmap->storage.assign(bytes / 4, 0);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    if (bits <= 8) bitmap->table = ColourTable(std::size_t{1} << bits);
    return bitmap;
}

// The format of a well-formed header, or nullptr.
const PixelFormat* HeaderFormat(const BITMAPINFO& info) {
    const BITMAPINFOHEADER& h = info.bmiHeader;
    // The colour table follows the header at biSize bytes; BITMAPINFO has
    // room for the plain header only, so no larger header is accepted.
    if (h.biSize != sizeof(BITMAPINFOHEADER) || h.biPlanes != 1) return nullptr;
    const PixelFormat* format = DescribedFormat(info);
    // Indexed depths read biClrUsed table entries; never more than the depth holds.
    if (!format || (h.biBitCount <= 8 && h.biClrUsed > (1u << h.biBitCount))) return nullptr;
    return format;
}

// The DIB a compatible bitmap copies its format from, or nullptr for a DC
// without one (window, screen, or a memory DC holding the stock bitmap).
Bitmap* FormatSource(DeviceContext& dc) {
    if (dc.kind != DcKind::Memory || dc.bitmap->stock) return nullptr;
    return dc.bitmap;
}

// The indexed DIB selected in a memory DC, whose colour table the
// Set/GetDIBColorTable calls reach.
Bitmap* IndexedDibOf(HDC handle) {
    DeviceContext* dc = Find<DeviceContext>(handle);
    if (!dc || dc->kind != DcKind::Memory || dc->bitmap->stock || !dc->bitmap->Indexed()) return nullptr;
    return dc->bitmap;
}

UINT EntriesInRange(std::size_t size, UINT start, UINT count) {
    if (start >= size) return 0;
    return static_cast<UINT>(std::min<std::size_t>(count, size - start));
}

}  // namespace

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD /*offset*/) {
    if (bits) *bits = nullptr;
    if (!info || usage != DIB_RGB_COLORS || section) return nullptr;
    const PixelFormat* format = HeaderFormat(*info);
    const BITMAPINFOHEADER& header = info->bmiHeader;
    if (!format || header.biHeight == INT32_MIN) return nullptr;
    auto bitmap = NewDib(header.biWidth, std::abs(header.biHeight), *format, header.biHeight > 0);
    if (!bitmap) return nullptr;
    if (bitmap->Indexed()) {
        const std::size_t used = header.biClrUsed ? header.biClrUsed : bitmap->table.Size();
        for (std::size_t i = 0; i < used; ++i) bitmap->table.Set(i, RgbFromQuad(info->bmiColors[i]));
    }
    GdiLock lock;
    // With DIB_RGB_COLORS Windows needs no DC; one given must still be live.
    if (dc && !Find<DeviceContext>(dc)) return nullptr;
    void* pixels = bitmap->storage.data();
    const std::uintptr_t handle = Adopt(std::move(bitmap));
    if (bits) *bits = pixels;
    return MakeHandle<HBITMAP>(handle);
}

HBITMAP CreateCompatibleBitmap(HDC handle, int width, int height) {
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    if (!dc) return nullptr;
    std::unique_ptr<Bitmap> bitmap;
    if (Bitmap* source = FormatSource(*dc)) {
        bitmap = NewDib(width, height, *source->Format(), source->bottomUp);
        if (bitmap && source->Indexed()) bitmap->table = source->table;
    } else if (dc->kind == DcKind::Memory) {
        // A memory DC still holding the stock bitmap is monochrome, and so
        // is what it makes: black and white.
        bitmap = NewDib(width, height, *PixelFormatFor(1), true);
        if (bitmap) bitmap->table = Gdi().stock.monoBitmap->table;
    } else {
        bitmap = NewDib(width, height, *PixelFormatFor(32), true);
    }
    if (!bitmap) return nullptr;
    return MakeHandle<HBITMAP>(Adopt(std::move(bitmap)));
}

UINT SetDIBColorTable(HDC dc, UINT start, UINT count, const RGBQUAD* colours) {
    if (!colours) return 0;
    GdiLock lock;
    Bitmap* bitmap = IndexedDibOf(dc);
    if (!bitmap) return 0;
    const UINT n = EntriesInRange(bitmap->table.Size(), start, count);
    for (UINT i = 0; i < n; ++i) bitmap->table.Set(start + i, RgbFromQuad(colours[i]));
    return n;
}

UINT GetDIBColorTable(HDC dc, UINT start, UINT count, RGBQUAD* colours) {
    if (!colours) return 0;
    GdiLock lock;
    Bitmap* bitmap = IndexedDibOf(dc);
    if (!bitmap) return 0;
    const UINT n = EntriesInRange(bitmap->table.Size(), start, count);
    for (UINT i = 0; i < n; ++i) colours[i] = QuadFromRgb(bitmap->table.At(start + i));
    return n;
}

}  // namespace lumenbox::win
