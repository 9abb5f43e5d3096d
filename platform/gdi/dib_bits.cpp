// GetDIBits and SetDIBits: scan lines of a DIB section out to a caller's
// buffer, and in from one.
//
// Scan line s counts from the bottom of the image the caller's header
// describes (|biHeight| rows), whose top row lies on the bitmap's top row:
// s is image row |biHeight| - 1 - s. The buffer holds the scan lines from
// `start` on, the lowest first when the header is bottom-up and the highest
// first when it is top-down, so a top-down buffer reads as a picture. The
// parts of that image outside the bitmap are nobody's pixels: GetDIBits
// gives zeros for them and SetDIBits drops them.
#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

#include "platform/gdi/dib_header.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pixel_conversion.h"

namespace lumenbox::win {

using namespace detail;

namespace {

constexpr int kChunk = 256;

// The caller's image, as its header describes it. Sizes are 64-bit: every
// product of them below stays in range.
struct CallerImage {
    const PixelFormat* format = nullptr;
    long long width = 0;
    long long height = 0;  // |biHeight|
    bool topDown = false;
    long long stride = 0;  // bytes per row, padded to 32 bits
};

// False for a size Windows refuses: no width, no height, or an image of
// more than 2^32 - 1 bytes.
bool DescribeImage(const BITMAPINFOHEADER& header, const PixelFormat& format, CallerImage& image) {
    if (header.biWidth <= 0 || header.biHeight == 0) return false;
    image.format = &format;
    image.width = header.biWidth;
    image.height = header.biHeight < 0 ? -static_cast<long long>(header.biHeight) : header.biHeight;
    image.topDown = header.biHeight < 0;
    image.stride = DibRowBytes(header.biWidth, format.bitsPerPixel);
    return image.stride * image.height <= UINT_MAX;
}

long long ImageBytes(const CallerImage& image) { return image.stride * image.height; }

// Buffer row k is image row first + step * k, for k < count.
struct ScanRows {
    long long count = 0;
    long long first = 0;
    int step = 1;
};

// The scan lines from `start`, `lines` of them, cut at the image's top (a
// buffer is never taken to reach past the image its header describes);
// false when none is in the image.
bool ScanRowsOf(const CallerImage& image, UINT start, UINT lines, ScanRows& rows) {
    if (start >= image.height || lines == 0) return false;
    rows.count = std::min<long long>(lines, image.height - start);
    if (image.topDown) {
        rows.first = image.height - start - rows.count;
        rows.step = 1;
    } else {
        rows.first = image.height - 1 - start;
        rows.step = -1;
    }
    return true;
}

// The buffer rows [begin, end) that lie on the bitmap's rows. The rest sit
// below the bitmap: before `begin` bottom-up, from `end` on top-down.
struct RowSpan {
    long long begin = 0;
    long long end = 0;
};

RowSpan RowsOnBitmap(const ScanRows& rows, long long bitmapHeight) {
    RowSpan span;
    if (rows.step < 0) {
        span.begin = std::max(0LL, rows.first - bitmapHeight + 1);
        span.end = std::min(rows.count, rows.first + 1);
    } else {
        span.begin = std::max(0LL, -rows.first);
        span.end = std::min(rows.count, bitmapHeight - rows.first);
    }
    span.begin = std::min(span.begin, rows.count);
    span.end = std::max(span.end, span.begin);
    return span;
}

// Moves the first `count` pixels of one row into another. Raw values of one
// format go as whole bytes (a ragged 1- or 4-bit end pixel by pixel, so no
// pixel past `count` is touched); others through the conversion in chunks.
void CopyPixels(const std::uint8_t* from, const PixelFormat& fromFormat, std::uint8_t* to,
                const PixelFormat& toFormat, int count, const PixelConversion& conversion) {
    int done = 0;
    if (&fromFormat == &toFormat && conversion.Identity()) {
        const std::size_t bytes = static_cast<std::size_t>(count) * static_cast<std::size_t>(fromFormat.bitsPerPixel) / 8;
        std::memcpy(to, from, bytes);
        done = static_cast<int>(bytes * 8 / static_cast<std::size_t>(fromFormat.bitsPerPixel));
    }
    std::array<std::uint32_t, kChunk> values;
    while (done < count) {
        const int n = std::min(kChunk, count - done);
        fromFormat.read(from, done, n, values.data());
        conversion.Apply(values.data(), n);
        toFormat.write(to, done, n, values.data());
        done += n;
    }
}

// The caller's colour table, as far as conversion goes: indices of the
// bitmap's own indexed format are the bitmap's indices.
ColourTable* CallerTable(Bitmap& bitmap, const CallerImage& image) {
    return image.format == bitmap.Format() && bitmap.Indexed() ? &bitmap.table : nullptr;
}

// ---- GetDIBits ---------------------------------------------------------------

// The format a request gets, or nullptr: the bitmap's own, or any direct
// one. BI_BITFIELDS at the bitmap's own (16- or 32-bit) depth asks for the
// bitmap's masks rather than giving any.
const PixelFormat* OutgoingFormat(const BITMAPINFO& info, Bitmap& bitmap) {
    const BITMAPINFOHEADER& h = info.bmiHeader;
    const PixelFormat* own = bitmap.Format();
    if (h.biCompression == BI_BITFIELDS && (h.biBitCount == 16 || h.biBitCount == 32) && h.biBitCount == own->bitsPerPixel)
        return own;
    const PixelFormat* format = DescribedFormat(info);
    return format && (format == own || format->Direct()) ? format : nullptr;
}

// The header form of the query: the bitmap's own description.
int DescribeBitmap(BITMAPINFOHEADER& h, const Bitmap& bitmap) {
    h.biWidth = bitmap.width;
    h.biHeight = bitmap.height;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bitmap.bitsPerPixel);
    h.biCompression = bitmap.bitsPerPixel == 16 || bitmap.bitsPerPixel == 32 ? BI_BITFIELDS : BI_RGB;
    h.biSizeImage = static_cast<DWORD>(DibRowBytes(bitmap.width, bitmap.bitsPerPixel) * bitmap.height);
    h.biXPelsPerMeter = 0;
    h.biYPelsPerMeter = 0;
    h.biClrUsed = 0;
    h.biClrImportant = 0;
    return bitmap.height;
}

// What GetDIBits tells about the pixels it gives: the image size, and for
// the bitmap's own format its colour table or its masks.
void DescribeAnswer(BITMAPINFO& info, const Bitmap& bitmap, const CallerImage& image) {
    info.bmiHeader.biSizeImage = static_cast<DWORD>(ImageBytes(image));
    info.bmiHeader.biClrUsed = 0;
    if (image.format != bitmap.Format()) return;
    if (bitmap.Indexed()) {
        for (std::size_t i = 0; i < bitmap.table.Size(); ++i) info.bmiColors[i] = QuadFromRgb(bitmap.table.At(i));
    } else if (info.bmiHeader.biCompression == BI_BITFIELDS) {
        StoreBitfieldMasks(info, image.format->masks);
    }
}

// Fills the buffer rows; returns how many came from the bitmap.
int CopyOut(Bitmap& bitmap, const CallerImage& image, const ScanRows& rows, std::uint8_t* bits) {
    const RowSpan span = RowsOnBitmap(rows, bitmap.height);
    const std::size_t stride = static_cast<std::size_t>(image.stride);
    std::memset(bits, 0, stride * static_cast<std::size_t>(span.begin));
    std::memset(bits + stride * static_cast<std::size_t>(span.end), 0,
                stride * static_cast<std::size_t>(rows.count - span.end));
    const PixelView view = bitmap.View();
    const PixelConversion conversion(*view.format, bitmap.Indexed() ? &bitmap.table : nullptr, *image.format,
                                     CallerTable(bitmap, image));
    const int columns = static_cast<int>(std::min<long long>(image.width, bitmap.width));
    // Columns right of the bitmap, and the padding, come out zero too.
    const bool partRow = columns * static_cast<long long>(image.format->bitsPerPixel) != image.stride * 8;
    for (long long k = span.begin; k < span.end; ++k) {
        std::uint8_t* to = bits + stride * static_cast<std::size_t>(k);
        if (partRow) std::memset(to, 0, stride);
        CopyPixels(view.Row(static_cast<int>(rows.first + rows.step * k)), *view.format, to, *image.format, columns,
                   conversion);
    }
    return static_cast<int>(span.end - span.begin);
}

// ---- SetDIBits ---------------------------------------------------------------

// The formats a bitmap takes: its own (indices kept as they are, whatever
// colour table comes with them) or any direct one.
const PixelFormat* IncomingFormat(const BITMAPINFO& info, Bitmap& bitmap) {
    const PixelFormat* format = DescribedFormat(info);
    return format && (format == bitmap.Format() || format->Direct()) ? format : nullptr;
}

void CopyIn(Bitmap& bitmap, const CallerImage& image, const ScanRows& rows, const std::uint8_t* bits) {
    const RowSpan span = RowsOnBitmap(rows, bitmap.height);
    const PixelView view = bitmap.View();
    const PixelConversion conversion(*image.format, CallerTable(bitmap, image), *view.format,
                                     bitmap.Indexed() ? &bitmap.table : nullptr);
    const int columns = static_cast<int>(std::min<long long>(image.width, bitmap.width));
    const std::size_t stride = static_cast<std::size_t>(image.stride);
    for (long long k = span.begin; k < span.end; ++k)
        CopyPixels(bits + stride * static_cast<std::size_t>(k), *image.format,
                   view.Row(static_cast<int>(rows.first + rows.step * k)), *view.format, columns, conversion);
}

}  // namespace

int GetDIBits(HDC dc, HBITMAP handle, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage) {
    if (!info || usage != DIB_RGB_COLORS || info->bmiHeader.biSize != sizeof(BITMAPINFOHEADER)) return 0;
    GdiLock lock;
    Bitmap* bitmap = Find<Bitmap>(handle);
    if (!Find<DeviceContext>(dc) || !bitmap) return 0;
    if (!bits && info->bmiHeader.biBitCount == 0) return DescribeBitmap(info->bmiHeader, *bitmap);
    const PixelFormat* format = OutgoingFormat(*info, *bitmap);
    CallerImage image;
    if (!format || !DescribeImage(info->bmiHeader, *format, image)) return 0;
    if (!bits) {
        DescribeAnswer(*info, *bitmap, image);
        return 1;
    }
    ScanRows rows;
    if (!ScanRowsOf(image, start, lines, rows)) return 0;
    const int copied = CopyOut(*bitmap, image, rows, static_cast<std::uint8_t*>(bits));
    DescribeAnswer(*info, *bitmap, image);
    return copied;
}

int SetDIBits(HDC dc, HBITMAP handle, UINT start, UINT lines, const void* bits, const BITMAPINFO* info, UINT usage) {
    if (!bits || !info || usage != DIB_RGB_COLORS) return 0;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    if (header.biSize != sizeof(BITMAPINFOHEADER) || header.biPlanes != 1) return 0;
    GdiLock lock;
    // With DIB_RGB_COLORS no DC is needed; one given must still be live.
    if (dc && !Find<DeviceContext>(dc)) return 0;
    Bitmap* bitmap = Find<Bitmap>(handle);
    // The stock bitmap is every new memory DC's: nobody's to change.
    if (!bitmap || bitmap->stock) return 0;
    const PixelFormat* format = IncomingFormat(*info, *bitmap);
    CallerImage image;
    ScanRows rows;
    if (!format || !DescribeImage(header, *format, image) || !ScanRowsOf(image, start, lines, rows)) return 0;
    CopyIn(*bitmap, image, rows, static_cast<const std::uint8_t*>(bits));
    return static_cast<int>(rows.count);
}

}  // namespace lumenbox::win
