#include "platform/gl/gl_tables.h"

#include <iterator>

#include <lumenbox/win/gdi.h>

namespace lumenbox::win::detail {

GlTables& Gl() {
    static auto& tables = *new GlTables;
    return tables;
}

bool IsDeviceContext(HDC dc) {
    const DWORD type = GetObjectType(dc);
    return type == OBJ_DC || type == OBJ_MEMDC;
}

const PixelFormatRecord* FormatOf(HDC dc) {
    auto& formats = Gl().formats;
    const auto found = formats.find(HandleValue(dc));
    if (found == formats.end()) return nullptr;
    if (!IsDeviceContext(dc)) {
        formats.erase(found);
        return nullptr;
    }
    return &found->second;
}

void ForgetDeletedDeviceContexts() {
    auto& formats = Gl().formats;
    for (auto it = formats.begin(); it != formats.end();)
        it = IsDeviceContext(MakeHandle<HDC>(it->first)) ? std::next(it) : formats.erase(it);
}

}  // namespace lumenbox::win::detail
