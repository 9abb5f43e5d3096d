// A picture file written whole or not at all.
#pragma once

#include <cstdio>
#include <functional>
#include <string_view>

namespace lumenbox {

// Creates a temporary file in the folder of `path`, lets `write` fill it,
// closes it and renames it to `path` (replacing a file of that name). When
// any step fails (the folder is missing or cannot be written, `write`
// returns false, the path names a folder, or holds a zero character), the
// temporary is removed and false returned: a reader of `path` sees the old
// file or the whole new one, never a part.
bool WriteWholeFile(std::string_view path, const std::function<bool(std::FILE*)>& write);

}  // namespace lumenbox
