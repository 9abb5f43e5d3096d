// GDI services of the Windows stand-in: device contexts, bitmaps and DIB
// sections, palettes, brushes, pens, fonts, regions, and the pixel operations.
//
// Pixel rules (every operation keeps them):
// - Screen and window client surfaces are 32-bit RGB; a window DC draws into
//   its window's client surface.
// - DIB sections hold 1, 4 or 8 bits per pixel with a colour table, or 24 or
//   32 bits of direct colour.
// - 16-bit DIB sections (5-5-5, or 5-6-5 through BI_BITFIELDS) are direct
//   colour too: a colour keeps the high bits of each component, and reads
//   back with them repeated in the low bits, as GetPixel does on Windows.
// - A colour is a COLORREF (0x00BBGGRR) or PALETTEINDEX(i) (0x01000000 + i).
//   On an indexed bitmap PALETTEINDEX(i) stores index i itself (modulo the
//   table size), so a later change of entry i recolours what was drawn with
//   it; a COLORREF stores the nearest colour-table entry. On a 32-bit target
//   PALETTEINDEX(i) draws entry i of the logical palette selected in the DC.
// - A new DC: background mode OPAQUE, background white, text black,
//   R2_COPYPEN, brush origin (0, 0), stock black pen, white brush, system
//   font, default palette, and for a memory DC the 1 x 1 monochrome bitmap.
// - Stock objects are never destroyed; DeleteObject of one succeeds and does
//   nothing. DeleteObject of an object selected into a DC fails.
// - Every handle is checked; a stale, foreign or garbage handle is refused
//   with the Windows failure value (FALSE, 0, NULL, CLR_INVALID, GDI_ERROR).
#pragma once

#include <cstdint>

#include <lumenbox/win/types.h>

namespace lumenbox::win {

// ---- Object types (GetCurrentObject, GetObjectType) ----------------------
inline constexpr UINT OBJ_PEN = 1;
inline constexpr UINT OBJ_BRUSH = 2;
inline constexpr UINT OBJ_DC = 3;
inline constexpr UINT OBJ_PAL = 5;
inline constexpr UINT OBJ_FONT = 6;
inline constexpr UINT OBJ_BITMAP = 7;
inline constexpr UINT OBJ_REGION = 8;
inline constexpr UINT OBJ_MEMDC = 10;

inline const HGDIOBJ HGDI_ERROR = reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(-1));
inline constexpr UINT GDI_ERROR = 0xFFFFFFFFu;

// ---- Stock objects -------------------------------------------------------
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEFAULT_PALETTE = 15;
HGDIOBJ GetStockObject(int which);

// ---- Device contexts -----------------------------------------------------
// A memory DC compatible with the screen (reference NULL) or with `reference`.
HDC CreateCompatibleDC(HDC reference);
// Deletes a memory DC. Window DCs belong to their window: FALSE.
BOOL DeleteDC(HDC dc);
// The object of the given type selected in the DC, or NULL.
HGDIOBJ GetCurrentObject(HDC dc, UINT type);
// Selects a pen, brush, font or bitmap and returns the one it displaced (for
// a region: the region type, as an HGDIOBJ-sized integer, see SelectClipRgn).
// NULL for a bad DC or object, or a bitmap that cannot go into this DC (window
// DC, or a bitmap already selected in another DC).
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
// OBJ_* type of any live GDI object or DC; 0 for anything else.
DWORD GetObjectType(HGDIOBJ object);

inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int BITSPIXEL = 12;
inline constexpr int PLANES = 14;
inline constexpr int NUMCOLORS = 24;
inline constexpr int RASTERCAPS = 38;
inline constexpr int SIZEPALETTE = 104;
inline constexpr int RC_PALETTE = 0x0100;
// BITSPIXEL, HORZRES, VERTRES, PLANES of the DC's surface; 0 for others.
int GetDeviceCaps(HDC dc, int index);

// ---- Palettes ------------------------------------------------------------
struct PALETTEENTRY {
    BYTE peRed;
    BYTE peGreen;
    BYTE peBlue;
    BYTE peFlags;
};

// The stand-in's logical palettes hold at most 256 entries, so the record
// carries room for all of them instead of a trailing one-element array.
inline constexpr UINT MAX_PALETTE_ENTRIES = 256;
struct LOGPALETTE {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[MAX_PALETTE_ENTRIES];
};

// NULL for a null record, version other than 0x300, or 0 or more than 256 entries.
HPALETTE CreatePalette(const LOGPALETTE* record);
// Selects the palette into the DC and returns the previous one (NULL on failure).
HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground);
// Number of entries mapped (the palette's size); GDI_ERROR for a bad DC.
UINT RealizePalette(HDC dc);
// Entries set, clipped to the palette's size; 0 on failure.
UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries);
UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries);
// New entries are black. FALSE for 0 or more than 256 entries.
BOOL ResizePalette(HPALETTE palette, UINT count);
// Exact match if there is one, else the least squared RGB distance, the
// lowest index among equals; bits 24-31 ignored. CLR_INVALID for a bad handle.
UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF colour);

// ---- Bitmaps -------------------------------------------------------------
struct RGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
};

struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;  // positive: bottom-up rows; negative: top-down
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};

// Room for the largest colour table the stand-in accepts (8 bits per pixel).
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[256];
};

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    void* bmBits;
};

inline constexpr DWORD BI_RGB = 0;
// Three DWORD masks (red, green, blue) follow the header, in place of
// bmiColors[0..2].
inline constexpr DWORD BI_BITFIELDS = 3;
inline constexpr UINT DIB_RGB_COLORS = 0;

// A DIB section of 1, 4, 8, 16, 24 or 32 bits per pixel. Indexed depths take
// biClrUsed entries from the colour table (all 2^bits when 0); the rest are
// black. BI_RGB at 16 bits is 5-5-5; BI_BITFIELDS takes 16 bits with masks
// 0xF800/0x07E0/0x001F (5-6-5) or 0x7C00/0x03E0/0x001F (5-5-5), and 32 bits
// with 0xFF0000/0x00FF00/0x0000FF; other masks or depths are refused.
// Pixels start at zero. `bits` receives the pixel address if given.
// NULL for a bad header, depth, size (more than 32767 in either direction or
// 0), usage other than DIB_RGB_COLORS, or a section handle.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset);
// A DIB section of the format of the bitmap selected in a memory DC (with a
// copy of its colour table, or its 16-bit layout), or a 32-bit one for a
// window or screen DC.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
// Sets colour-table entries of the indexed DIB selected in the memory DC.
// Entries written; 0 on failure.
UINT SetDIBColorTable(HDC dc, UINT start, UINT count, const RGBQUAD* colours);
UINT GetDIBColorTable(HDC dc, UINT start, UINT count, RGBQUAD* colours);

// ---- DIB bits --------------------------------------------------------------
// Scan lines are numbered from the bottom of the image `info` describes
// (|biHeight| rows, its top row on the bitmap's top row), in either
// orientation; the buffer holds `lines` rows from scan line `start`, bottom
// one first when biHeight > 0, top one first when biHeight < 0, each padded
// to 32 bits. The buffer's format is the bitmap's own depth (raw indices,
// or packed pixels; BI_BITFIELDS answers with the bitmap's masks) or any
// direct one (16, 24, 32 bits: colours, through the colour table of an
// indexed bitmap). Columns are copied up to the narrower of the two widths.
// Only DIB_RGB_COLORS. Whether the bitmap is selected in a DC or not.
//
// Copies scan lines out and returns how many came from the bitmap; rows of
// the request below the bitmap, and columns right of it, come out zero.
// With bits == NULL: biBitCount 0 fills in the header (width, height,
// depth, BI_BITFIELDS for 16 and 32 bits, image size) and returns the
// height; a supported biBitCount fills in the image size and the colour
// table (indexed) or masks (BI_BITFIELDS) and returns 1. 0 for a bad DC,
// bitmap or header, another format, or a start at or beyond |biHeight|.
int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage);
// Copies scan lines in (a direct buffer into an indexed bitmap stores each
// colour's nearest colour-table entry; an indexed one of the bitmap's depth
// its indices as they are, whatever colour table `info` carries). Returns
// the scan lines taken from the buffer, which ends at the image's top even
// when `lines` reaches past it. 0 for a bad bitmap (or the stock one), DC
// (NULL is allowed), header or format, a null buffer, or a start at or
// beyond |biHeight|.
int SetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info, UINT usage);

// ---- Regions -------------------------------------------------------------
inline constexpr int REGION_ERROR = 0;  // Windows' ERROR
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

// A rectangle region; right and bottom exclusive; corners are reordered.
HRGN CreateRectRgn(int left, int top, int right, int bottom);
// Copies the region into the DC as its clip region (NULL removes it).
// Returns the region type, or REGION_ERROR.
int SelectClipRgn(HDC dc, HRGN region);
// 1 and the clip box if the DC has a clip region, 0 if not, -1 on error.
int GetClipRgn(HDC dc, HRGN region);
int GetClipBox(HDC dc, RECT* box);

// ---- Pixels --------------------------------------------------------------
// The pixel's COLORREF (colour-table colour for indexed bitmaps);
// CLR_INVALID outside the bitmap or the clip region, or for a bad DC.
COLORREF GetPixel(HDC dc, int x, int y);
BOOL SetPixelV(HDC dc, int x, int y, COLORREF colour);
// SetPixelV and SetPixel combine the colour with the pixel under the DC's
// raster operation (SetROP2); R2_COPYPEN writes it plainly. SetPixel returns
// the colour the pixel shows afterwards, (COLORREF)-1 on failure.
COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour);

inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr DWORD SRCINVERT = 0x00660046;   // D ^ S
inline constexpr DWORD SRCPAINT = 0x00EE0086;    // D | S
inline constexpr DWORD SRCAND = 0x008800C6;      // D & S
inline constexpr DWORD NOTSRCCOPY = 0x00330008;  // ~S
inline constexpr DWORD BLACKNESS = 0x00000042;   // all bits clear
inline constexpr DWORD WHITENESS = 0x00FF0062;   // all bits set
inline constexpr DWORD DSTINVERT = 0x00550009;   // ~D
// Copies a block, combined with what is there by the raster operation.
// Converts through the source's colour table or palette as SRCCOPY does;
// between indexed bitmaps of one depth the operation works on the indices,
// otherwise on the target's values (RGB, or colour-table indices), masked
// to the target's bits. BLACKNESS, WHITENESS and DSTINVERT take no source
// (its DC is not looked at). Clipped to both surfaces and the target's clip
// region. FALSE for bad DCs or another raster operation.
BOOL BitBlt(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop);

// ---- Rectangles and brushes ----------------------------------------------
inline constexpr UINT BS_SOLID = 0;
inline constexpr UINT BS_NULL = 1;
inline constexpr UINT BS_HOLLOW = BS_NULL;
inline constexpr UINT BS_HATCHED = 2;
inline constexpr UINT BS_PATTERN = 3;

inline constexpr int HS_HORIZONTAL = 0;
inline constexpr int HS_VERTICAL = 1;
inline constexpr int HS_FDIAGONAL = 2;
inline constexpr int HS_BDIAGONAL = 3;
inline constexpr int HS_CROSS = 4;
inline constexpr int HS_DIAGCROSS = 5;

struct LOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    ULONG_PTR lbHatch;  // hatch style, or for BS_PATTERN the HBITMAP
};

// NULL for an unknown style or hatch, or a pattern that is not a live bitmap.
// A pattern brush copies its bitmap (its top-left 8 x 8 pixels) at creation.
HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom);
// Fills with the brush, copying it (raster operations do not apply); clipped
// to the surface and the clip region. Hatches and patterns tile from device
// (0, 0); hatch gaps take the background colour when the mode is OPAQUE.
// An empty or reversed rectangle fills nothing. 0 on failure, 1 otherwise.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);

// ---- Pens ----------------------------------------------------------------
inline constexpr UINT PS_SOLID = 0;
inline constexpr UINT PS_DASH = 1;
inline constexpr UINT PS_DOT = 2;
inline constexpr UINT PS_DASHDOT = 3;
inline constexpr UINT PS_DASHDOTDOT = 4;
inline constexpr UINT PS_NULL = 5;
inline constexpr UINT PS_INSIDEFRAME = 6;

struct LOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;  // only x is used
    COLORREF lopnColor;
};

// NULL for a style above PS_INSIDEFRAME.
HPEN CreatePenIndirect(const LOGPEN* pen);

// ---- Lines and shapes ----------------------------------------------------
// Pens: width 0 or 1 draws one pixel per step along the major axis (a
// 45-degree line lights one pixel per row), PS_DASH 18 on 6 off, PS_DOT 3/3,
// PS_DASHDOT 9,6,3,6, PS_DASHDOTDOT 9,3,3,3,3,3 pixels, the pattern running
// on along a polyline, gaps in the background colour when the background
// mode is OPAQUE and untouched when TRANSPARENT. Wider pens draw solid,
// centred, with round ends and joins, each pixel once per call. PS_NULL
// draws nothing. The pen combines with the pixels under the DC's ROP2.
// Everything is clipped to the bitmap or surface and the clip region.

// From the current position up to, not including, (x, y); the current
// position moves there. FALSE for a bad DC.
BOOL LineTo(HDC dc, int x, int y);
// Segments through the points, each without its end point, so shared
// vertices are drawn once and the last point not at all. The current
// position is neither used nor moved. FALSE for fewer than 2 points.
BOOL Polyline(HDC dc, const POINT* points, int count);

// The shapes take the box (left, top)-(right, bottom) with the right and
// bottom edges excluded (Ellipse(0, 0, 11, 11) lights columns 0 to 10);
// reversed corners are swapped. The interior is painted with the DC's brush
// (copied, tiled from device (0, 0); BS_NULL leaves it), the outline with the
// pen over it. A PS_INSIDEFRAME pen keeps a wide outline inside the box.
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
// Part of the ellipse's outline, counter-clockwise as seen on the screen,
// from the radial through (xStart, yStart) to the radial through (xEnd,
// yEnd); equal radials give the whole ellipse.
BOOL Arc(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
// The arc with the two radii to the centre, the wedge filled.
BOOL Pie(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);

inline constexpr int ALTERNATE = 1;
inline constexpr int WINDING = 2;
// A closed polygon: the interior is every pixel whose own point lies inside
// (a point on a left or top edge counts, one on a right or bottom edge does
// not), under the DC's fill mode; the outline is the closed polyline. FALSE
// for fewer than 2 points.
BOOL Polygon(HDC dc, const POINT* points, int count);
// ALTERNATE (even-odd, a new DC's mode) or WINDING (non-zero). Set returns
// the previous mode, 0 for a bad DC or mode.
int SetPolyFillMode(HDC dc, int mode);
int GetPolyFillMode(HDC dc);

// ---- Flood fill ----------------------------------------------------------
inline constexpr UINT FLOODFILLBORDER = 0;
inline constexpr UINT FLOODFILLSURFACE = 1;
// Fills with the DC's brush the 4-connected area around (x, y): up to pixels
// of `colour` (FLOODFILLBORDER), or made of pixels of `colour`
// (FLOODFILLSURFACE). Colours are compared as stored pixel values, so
// PALETTEINDEX(i) on an indexed bitmap means index i. FALSE for a bad DC or
// type, a seed outside the visible area, on the border colour (BORDER) or
// not of the colour (SURFACE).
BOOL ExtFloodFill(HDC dc, int x, int y, COLORREF colour, UINT type);

// ---- Fonts ---------------------------------------------------------------
inline constexpr int LF_FACESIZE = 32;
inline constexpr BYTE DEFAULT_CHARSET = 1;

struct LOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[LF_FACESIZE];
};

// Windows' TEXTMETRICA, field for field.
struct TEXTMETRICA {
    LONG tmHeight;  // cell height: ascent + descent
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;  // cell height less the em height
    LONG tmExternalLeading;  // the designer's space between lines
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};

inline constexpr LONG FW_DONTCARE = 0;
inline constexpr LONG FW_NORMAL = 400;
inline constexpr LONG FW_SEMIBOLD = 600;
inline constexpr LONG FW_BOLD = 700;

inline constexpr BYTE ANSI_CHARSET = 0;

// tmPitchAndFamily: the low bits say what kind of font it is (TMPF_FIXED_PITCH
// set means a *variable* pitch, as on Windows), the high nibble its family.
inline constexpr BYTE TMPF_FIXED_PITCH = 0x01;
inline constexpr BYTE TMPF_VECTOR = 0x02;
inline constexpr BYTE TMPF_TRUETYPE = 0x04;
inline constexpr BYTE FF_DONTCARE = 0x00;
inline constexpr BYTE FF_ROMAN = 0x10;
inline constexpr BYTE FF_SWISS = 0x20;
inline constexpr BYTE FF_MODERN = 0x30;

inline constexpr DWORD RASTER_FONTTYPE = 0x1;
inline constexpr DWORD TRUETYPE_FONTTYPE = 0x4;

using FONTENUMPROCA = int (*)(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD fontType, LPARAM data);

// Records the description; the face need not be installed. NULL for a null record.
HFONT CreateFontIndirectA(const LOGFONTA* font);
// Calls `callback` once per installed family whose name equals `family`
// (ignoring case), or once per family when `family` is NULL, until it
// returns 0. Returns the callback's last result, or 1 if it was not called.
int EnumFontFamiliesA(HDC dc, const char* family, FONTENUMPROCA callback, LPARAM data);

// ---- Text ----------------------------------------------------------------
// Text is drawn with the glyphs of the font file fontconfig chooses for the
// selected font's face, weight and slant, one bit per pixel: every pixel is
// the text colour or untouched (or the background colour, see below). Bytes
// are Windows-1252 characters. Sizes: lfHeight > 0 is the cell height
// (ascent + descent), < 0 the em height, 0 a cell height of 16; lfWidth 0 is
// the natural width, else the average character width. lfEscapement, in
// tenths of a degree counter-clockwise, turns the baseline and the glyphs
// about the reference point.
using INT = int;

struct SIZE {
    LONG cx;
    LONG cy;
};

inline constexpr UINT ETO_OPAQUE = 2;   // fill the rectangle with the background colour first
inline constexpr UINT ETO_CLIPPED = 4;  // clip the text to the rectangle

// Draws `count` characters with the selected font and text colour, placed at
// (x, y) (or the current position under TA_UPDATECP) as SetTextAlign says.
// Under OPAQUE the text's cell box (its advance by the cell height) is first
// filled with the background colour. The advance of each character grows by
// the character extra, and the break characters (spaces) share the break
// extra of SetTextJustification. ROP2 does not apply. Clipped to the surface
// and the clip region. FALSE for a bad DC, count < 0, or no text with count > 0.
BOOL TextOutA(HDC dc, int x, int y, const char* text, int count);
// TextOutA with a rectangle (ETO_OPAQUE fills it with the background colour,
// ETO_CLIPPED clips the text to it; both ignored without a rectangle) and
// per-character advances `dx` (NULL: the font's own).
BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, const char* text, UINT count, const INT* dx);
// cx: the advances of the characters with the character extra and the break
// extra; cy: the cell height. Unrotated. FALSE for a bad DC, a null `size`,
// count < 0, or no text with count > 0.
BOOL GetTextExtentPoint32A(HDC dc, const char* text, int count, SIZE* size);
// The metrics of the font selected in the DC, at its size. FALSE for a bad DC
// or a null record.
BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics);

// GetObjectA: copies a LOGPEN, LOGBRUSH, LOGFONTA or BITMAP for the object
// into `out` (at most `size` bytes); returns bytes copied, 0 on failure.
int GetObjectA(HGDIOBJ object, int size, void* out);

// ---- Drawing attributes --------------------------------------------------
inline constexpr int R2_BLACK = 1;
inline constexpr int R2_NOTMERGEPEN = 2;
inline constexpr int R2_MASKNOTPEN = 3;
inline constexpr int R2_NOTCOPYPEN = 4;
inline constexpr int R2_MASKPENNOT = 5;
inline constexpr int R2_NOT = 6;
inline constexpr int R2_XORPEN = 7;
inline constexpr int R2_NOTMASKPEN = 8;
inline constexpr int R2_MASKPEN = 9;
inline constexpr int R2_NOTXORPEN = 10;
inline constexpr int R2_NOP = 11;
inline constexpr int R2_MERGENOTPEN = 12;
inline constexpr int R2_COPYPEN = 13;
inline constexpr int R2_MERGEPENNOT = 14;
inline constexpr int R2_MERGEPEN = 15;
inline constexpr int R2_WHITE = 16;

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

inline constexpr UINT TA_NOUPDATECP = 0;
inline constexpr UINT TA_UPDATECP = 1;
inline constexpr UINT TA_LEFT = 0;
inline constexpr UINT TA_RIGHT = 2;
inline constexpr UINT TA_CENTER = 6;
inline constexpr UINT TA_TOP = 0;
inline constexpr UINT TA_BOTTOM = 8;
inline constexpr UINT TA_BASELINE = 24;

// Each setter returns the previous value, or 0 (CLR_INVALID for colours,
// GDI_ERROR for SetTextAlign, 0x80000000 for SetTextCharacterExtra) for a bad
// DC or value.
int SetROP2(HDC dc, int mode);
int GetROP2(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF colour);
COLORREF GetBkColor(HDC dc);
COLORREF SetTextColor(HDC dc, COLORREF colour);
COLORREF GetTextColor(HDC dc);
UINT SetTextAlign(HDC dc, UINT align);
UINT GetTextAlign(HDC dc);
int SetTextCharacterExtra(HDC dc, int extra);
int GetTextCharacterExtra(HDC dc);
// Stores the break extra and count for later text output; FALSE for a bad DC.
BOOL SetTextJustification(HDC dc, int breakExtra, int breakCount);
// Moves the current position; the previous one goes to `previous` if given.
BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
BOOL GetCurrentPositionEx(HDC dc, POINT* position);

// ---- OpenGL pictures -------------------------------------------------------
// Waits for the OpenGL drawing of the calling thread's current context, which
// must be on `dc`, and puts its picture there: over the whole client area of
// a window DC, or into the bitmap of a memory DC (only the pixels the drawing
// changed; on an indexed bitmap as the nearest colour-table entries). FALSE
// for any other DC or when no context of the DC is current here.
BOOL SwapBuffers(HDC dc);

}  // namespace lumenbox::win
