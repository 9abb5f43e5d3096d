// Writing a recording's GIF file with giflib.
#include "graph/recording_gif_file.h"

#include <fcntl.h>
#include <gif_lib.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <ctime>

namespace lumenbox {

namespace {

constexpr std::uint8_t kTrailer = 0x3B;

// What a signal handler needs to make the process's recording whole: plain
// lock-free atomics only. `writing` and `sealed` keep the handler and the
// writer apart (each stores its own flag, then reads the other's).
struct SealRecord {
    std::atomic<int> fd{-1};
    std::atomic<std::int64_t> end{0};
    std::atomic<bool> writing{false};
    std::atomic<bool> sealed{false};
};
SealRecord seal;

bool WriteAt(int fd, const std::uint8_t* bytes, std::size_t length, std::int64_t offset) {
    while (length > 0) {
        const ssize_t written = pwrite(fd, bytes, length, offset);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        length -= static_cast<std::size_t>(written);
        offset += written;
    }
    return true;
}

// The smallest power of two from 2 to 256 that holds `count` colours, as
// giflib's colour maps require.
int TableSizeFor(std::size_t count) {
    int size = 2;
    while (static_cast<std::size_t>(size) < count && size < 256) size *= 2;
    return size;
}

ColorMapObject* ColourMapOf(const std::vector<std::uint32_t>& colours) {
    std::array<GifColorType, 256> entries{};
    const std::size_t count = std::min<std::size_t>(colours.size(), entries.size());
    for (std::size_t i = 0; i < count; ++i) {
        entries[i] = GifColorType{static_cast<GifByteType>(colours[i] >> 16), static_cast<GifByteType>(colours[i] >> 8),
                                  static_cast<GifByteType>(colours[i])};
    }
    return GifMakeMapObject(TableSizeFor(count), entries.data());
}

}  // namespace

std::unique_ptr<GifRecordingFile> GifRecordingFile::Create(const std::string& path, int width, int height,
                                                           bool sealOnSignal) {
    if (path.empty() || path.find('\0') != std::string::npos || width <= 0 || height <= 0 || width > 65535 ||
        height > 65535)
        return nullptr;
    std::unique_ptr<GifRecordingFile> file(new GifRecordingFile());
    file->fd_ = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file->fd_ < 0) return nullptr;
    int error = 0;
    file->gif_ = EGifOpen(file.get(), &GifRecordingFile::Collect, &error);
    if (file->gif_ == nullptr) return nullptr;
    if (sealOnSignal) {
        seal.sealed.store(false);
        seal.end.store(0);
        seal.fd.store(file->fd_);
        file->sealOnSignal_ = true;
    }
    if (!file->WriteHeader(width, height)) return nullptr;
    return file;
}

GifRecordingFile::~GifRecordingFile() {
    Close();
}

int GifRecordingFile::Collect(GifFileType* gif, const std::uint8_t* bytes, int length) {
    auto* file = static_cast<GifRecordingFile*>(gif->UserData);
    file->pending_.insert(file->pending_.end(), bytes, bytes + length);
    return length;
}

// GIF89a with the looping extension, so that a viewer repeats the animation.
bool GifRecordingFile::WriteHeader(int width, int height) {
    EGifSetGifVersion(gif_, true);
    if (EGifPutScreenDesc(gif_, width, height, 8, 0, nullptr) != GIF_OK) return false;
    static const GifByteType kApplication[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType kLoopForever[] = {1, 0, 0};
    if (EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) != GIF_OK ||
        EGifPutExtensionBlock(gif_, sizeof(kApplication), kApplication) != GIF_OK ||
        EGifPutExtensionBlock(gif_, sizeof(kLoopForever), kLoopForever) != GIF_OK ||
        EGifPutExtensionTrailer(gif_) != GIF_OK)
        return false;
    return Commit();
}

bool GifRecordingFile::AddFrame(const IndexedFrame& frame, int delay) {
    if (failed_ || gif_ == nullptr) return false;
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = std::clamp(delay, 2, 65535);
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const std::size_t extensionLength = EGifGCBToExtension(&control, extension);
    ColorMapObject* colours = ColourMapOf(frame.colours);
    const bool encoded = colours != nullptr &&
                         EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(extensionLength),
                                          extension) == GIF_OK &&
                         EGifPutImageDesc(gif_, frame.left, frame.top, frame.width, frame.height, false, colours) == GIF_OK &&
                         EGifPutLine(gif_, const_cast<GifPixelType*>(frame.indices.data()),
                                     frame.width * frame.height) == GIF_OK;
    GifFreeMapObject(colours);
    if (!encoded) {
        failed_ = true;
        return false;
    }
    return Commit();
}

bool GifRecordingFile::Commit() {
    pending_.push_back(kTrailer);
    bool written = true;
    if (sealOnSignal_) seal.writing.store(true);
    // A sealed file no longer grows: the process is ending on a signal.
    if (!sealOnSignal_ || !seal.sealed.load()) {
        written = WriteAt(fd_, pending_.data(), pending_.size(), end_);
        if (written) {
            end_ += static_cast<std::int64_t>(pending_.size()) - 1;
            if (sealOnSignal_) seal.end.store(end_);
        }
    }
    if (sealOnSignal_) seal.writing.store(false);
    pending_.clear();
    if (!written) failed_ = true;
    return written;
}

bool GifRecordingFile::Close() {
    if (gif_ != nullptr) {
        // giflib writes the trailer, which already stands at the end.
        int error = 0;
        EGifCloseFile(gif_, &error);
        gif_ = nullptr;
        pending_.clear();
    }
    if (fd_ >= 0) {
        if (sealOnSignal_) seal.fd.store(-1);
        if (::close(fd_) != 0) failed_ = true;
        fd_ = -1;
    }
    return !failed_;
}

void SealRecordingForSignal() {
    seal.sealed.store(true);
    // A frame being written finishes first (the writing thread blocks these
    // signals, so it is never the one waiting here); at most a second.
    for (int waited = 0; seal.writing.load() && waited < 1000; ++waited) {
        const timespec millisecond{0, 1000000};
        nanosleep(&millisecond, nullptr);
    }
    const int fd = seal.fd.load();
    if (fd < 0) return;
    const std::int64_t end = seal.end.load();
    if (end <= 0) return;
    const std::uint8_t trailer = kTrailer;
    if (pwrite(fd, &trailer, 1, end) == 1) {
        [[maybe_unused]] const int truncated = ftruncate(fd, end + 1);
    }
}

}  // namespace lumenbox
