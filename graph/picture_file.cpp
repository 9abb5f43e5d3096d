// The temporary-and-rename way of writing a file. The temporary's name does
// not grow with the file's own, so a name near the system's length limit
// still gets one; it starts with a dot, as files a listing hides do.
#include "graph/picture_file.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace lumenbox {
namespace {

namespace fs = std::filesystem;

// A name no other writer in this process or, almost surely, any other
// process is using; creation is exclusive, so a clash only costs a retry.
fs::path TemporaryName(const fs::path& folder) {
    static std::atomic<std::uint32_t> counter{0};
    const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    const std::uint64_t mark = now ^ (std::uint64_t{counter.fetch_add(1)} << 40);
    char name[40];
    std::snprintf(name, sizeof name, ".lumenbox-%016llx.tmp", static_cast<unsigned long long>(mark));
    return folder / name;
}

// Creates the temporary exclusively ("x"), so that an existing file, or a
// link planted under its name, is never written through.
std::FILE* CreateTemporary(const fs::path& folder, fs::path& temporary) {
    constexpr int Attempts = 8;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        temporary = TemporaryName(folder);
        if (std::FILE* file = std::fopen(temporary.c_str(), "wbx")) return file;
        std::error_code error;
        // Anything but a name taken (a missing or read-only folder) ends it.
        if (!fs::exists(fs::symlink_status(temporary, error))) return nullptr;
    }
    return nullptr;
}

}  // namespace

bool WriteWholeFile(std::string_view path, const std::function<bool(std::FILE*)>& write) {
    // The system would take the name only up to a zero: another file.
    if (path.empty() || path.find('\0') != std::string_view::npos) return false;
    const fs::path target{std::string(path)};
    // A name ending in a separator names a folder, never a file to write.
    if (!target.has_filename()) return false;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

    fs::path temporary;
    std::FILE* file = CreateTemporary(folder, temporary);
    if (file == nullptr) return false;
    const bool written = write(file);
    const bool closed = std::fclose(file) == 0;
    std::error_code error;
    if (written && closed) {
        fs::rename(temporary, target, error);
        if (!error) return true;
    }
    fs::remove(temporary, error);
    return false;
}

}  // namespace lumenbox
