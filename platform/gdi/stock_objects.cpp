// Stock brushes, pens, font, default palette and the 1 x 1 monochrome
// bitmap. They live in the handle table like any object, flagged stock, so
// their handles are checked like any other; nothing ever deletes them.
#include "platform/gdi/stock_objects.h"

#include <cstring>
#include <memory>

namespace lumenbox::win::detail {

namespace {

// Windows' default logical palette: the 20 static colours.
constexpr BYTE kDefaultPalette[20][3] = {
    {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
    {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
    {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
    {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

template <class T>
T* AddStock(GdiState& state, std::unique_ptr<T> object, int index = -1) {
    T* raw = object.get();
    raw->stock = true;
    raw->handle = state.objects.Insert(std::move(object));
    if (index >= 0) state.stock.byIndex[static_cast<std::size_t>(index)] = raw;
    return raw;
}

Brush* AddBrush(GdiState& state, int index, UINT style, COLORREF colour) {
    return AddStock(state, std::make_unique<Brush>(LOGBRUSH{style, colour, 0}), index);
}

Pen* AddPen(GdiState& state, int index, UINT style, COLORREF colour) {
    return AddStock(state, std::make_unique<Pen>(LOGPEN{style, POINT{0, 0}, colour}), index);
}

Font* AddSystemFont(GdiState& state) {
    LOGFONTA font{};
    font.lfHeight = 16;
    font.lfWidth = 7;
    font.lfWeight = 700;
    std::strcpy(font.lfFaceName, "System");
    return AddStock(state, std::make_unique<Font>(font), SYSTEM_FONT);
}

Palette* AddDefaultPalette(GdiState& state) {
    auto palette = std::make_unique<Palette>();
    palette->colours = ColourTable(20);
    palette->flags.assign(20, 0);
    for (std::size_t i = 0; i < 20; ++i)
        palette->colours.Set(i, MakeRgb(kDefaultPalette[i][0], kDefaultPalette[i][1], kDefaultPalette[i][2]));
    return AddStock(state, std::move(palette), DEFAULT_PALETTE);
}

// One black pixel with a black-and-white table, as a new memory DC holds.
Bitmap* AddMonoBitmap(GdiState& state) {
    auto bitmap = std::make_unique<Bitmap>();
    bitmap->width = 1;
    bitmap->height = 1;
    bitmap->bitsPerPixel = 1;
    bitmap->stride = 4;
    bitmap->storage.assign(1, 0);
    bitmap->table = ColourTable(2);
    bitmap->table.Set(1, MakeRgb(255, 255, 255));
    return AddStock(state, std::move(bitmap));
}

}  // namespace

void CreateStockObjects(GdiState& state) {
    StockObjects& stock = state.stock;
    stock.whiteBrush = AddBrush(state, WHITE_BRUSH, BS_SOLID, RGB(255, 255, 255));
    AddBrush(state, LTGRAY_BRUSH, BS_SOLID, RGB(192, 192, 192));
    AddBrush(state, GRAY_BRUSH, BS_SOLID, RGB(128, 128, 128));
    AddBrush(state, DKGRAY_BRUSH, BS_SOLID, RGB(64, 64, 64));
    AddBrush(state, BLACK_BRUSH, BS_SOLID, RGB(0, 0, 0));
    AddBrush(state, NULL_BRUSH, BS_NULL, 0);
    AddPen(state, WHITE_PEN, PS_SOLID, RGB(255, 255, 255));
    stock.blackPen = AddPen(state, BLACK_PEN, PS_SOLID, RGB(0, 0, 0));
    AddPen(state, NULL_PEN, PS_NULL, 0);
    stock.systemFont = AddSystemFont(state);
    stock.defaultPalette = AddDefaultPalette(state);
    stock.monoBitmap = AddMonoBitmap(state);
}

}  // namespace lumenbox::win::detail

namespace lumenbox::win {

HGDIOBJ GetStockObject(int which) {
    using namespace detail;
    GdiLock lock;
    if (which < 0 || which > DEFAULT_PALETTE) return nullptr;
    GdiObject* object = Gdi().stock.byIndex[static_cast<std::size_t>(which)];
    return object ? MakeHandle<HGDIOBJ>(object->handle) : nullptr;
}

}  // namespace lumenbox::win
