// The recording's queue and encoder thread.
#include "graph/recording_session.h"

#include <pthread.h>
#include <signal.h>

#include <algorithm>
#include <cstddef>
#include <utility>

#include "graph/recording_colour_table.h"

namespace lumenbox {

namespace {

// GIF delays are hundredths of a second, and viewers slow down anything
// shorter than two.
constexpr std::int64_t kShortestDelay = 2;
constexpr std::int64_t kNsPerCentisecond = 10'000'000;

struct ChangedArea {
    int left;
    int top;
    int width;
    int height;
};

// The smallest rectangle holding every pixel that differs; a frame that
// differs nowhere still needs one pixel to carry its delay. Each frame is
// drawn over the ones before it, so only this part goes into the file
// (a fire changes below its flames, a drawing program a few shapes).
ChangedArea ChangedAreaOf(const std::vector<std::uint32_t>& before, const std::vector<std::uint32_t>& after,
                          int width, int height) {
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        const std::uint32_t* a = before.data() + row;
        const std::uint32_t* b = after.data() + row;
        if (std::equal(a, a + width, b)) continue;
        top = std::min(top, y);
        bottom = y;
        int first = 0;
        while (a[first] == b[first]) ++first;
        int last = width - 1;
        while (a[last] == b[last]) --last;
        left = std::min(left, first);
        right = std::max(right, last);
    }
    if (bottom < 0) return ChangedArea{0, 0, 1, 1};
    return ChangedArea{left, top, right - left + 1, bottom - top + 1};
}

std::vector<std::uint32_t> Crop(const std::vector<std::uint32_t>& pixels, int width, const ChangedArea& area) {
    std::vector<std::uint32_t> part;
    part.reserve(static_cast<std::size_t>(area.width) * static_cast<std::size_t>(area.height));
    for (int y = area.top; y < area.top + area.height; ++y) {
        const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y) * width + area.left;
        part.insert(part.end(), row, row + area.width);
    }
    return part;
}

// The encoder thread never runs the signal handlers, so a handler waiting
// for a frame being written can never wait for itself.
void BlockSealingSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
}

}  // namespace

std::unique_ptr<RecordingSession> RecordingSession::Start(const std::string& path, int width, int height,
                                                          Options options) {
    std::unique_ptr<GifRecordingFile> file = GifRecordingFile::Create(path, width, height, options.sealOnSignal);
    if (!file) return nullptr;
    return std::unique_ptr<RecordingSession>(new RecordingSession(std::move(file), width, height, options));
}

RecordingSession::RecordingSession(std::unique_ptr<GifRecordingFile> file, int width, int height, Options options)
    : width_(width), height_(height), options_(options), file_(std::move(file)) {
    encoder_ = std::thread([this] {
        BlockSealingSignals();
        EncodeQueuedFrames();
    });
}

// A session never finished (a failed start) ends its file all the same; its
// last frame gets the shortest delay.
RecordingSession::~RecordingSession() {
    if (encoder_.joinable()) Finish(0);
}

void RecordingSession::SetPalette(std::vector<std::uint32_t> palette) {
    std::lock_guard lock(mutex_);
    palette_ = std::move(palette);
}

void RecordingSession::Offer(const std::uint32_t* pixels, int width, int height, std::int64_t shownAtNs) {
    if (pixels == nullptr || width != width_ || height != height_) return;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    Frame frame;
    {
        std::lock_guard lock(mutex_);
        if (finishing_ || queue_.size() >= options_.queueLimit) {
            ++dropped_;
            return;
        }
        if (!spare_.empty()) {
            frame.pixels = std::move(spare_.back());
            spare_.pop_back();
        }
        frame.palette = palette_;
    }
    // The copy is made outside the lock, so the encoder is never kept
    // waiting by it; this thread is the only one that adds frames.
    frame.pixels.assign(pixels, pixels + count);
    frame.shownAtNs = shownAtNs;
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(frame));
    }
    queued_.notify_one();
}

bool RecordingSession::Finish(std::int64_t endNs) {
    {
        std::lock_guard lock(mutex_);
        finishing_ = true;
        held_ = false;
    }
    queued_.notify_one();
    if (encoder_.joinable()) encoder_.join();
    if (waiting_) {
        WriteHeld(endNs);
    } else if (WrittenFrames() == 0) {
        WriteBlankFrame();
    }
    if (!file_->Close()) failed_ = true;
    return !failed_;
}

std::uint64_t RecordingSession::DroppedFrames() const {
    std::lock_guard lock(mutex_);
    return dropped_;
}

std::uint64_t RecordingSession::WrittenFrames() const {
    std::lock_guard lock(mutex_);
    return written_;
}

void RecordingSession::HoldEncoding(bool hold) {
    {
        std::lock_guard lock(mutex_);
        held_ = hold;
    }
    queued_.notify_one();
}

void RecordingSession::EncodeQueuedFrames() {
    std::unique_lock lock(mutex_);
    for (;;) {
        queued_.wait(lock, [this] { return finishing_ || (!held_ && !queue_.empty()); });
        if (queue_.empty()) return;  // finishing, with nothing left
        Frame frame = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        Consider(std::move(frame));
        lock.lock();
    }
}

void RecordingSession::Consider(Frame frame) {
    if (!waiting_) {
        originNs_ = frame.shownAtNs;
        waiting_ = std::move(frame);
        return;
    }
    // Unchanged: the frame on screen simply stays longer.
    if (frame.pixels == waiting_->pixels && frame.palette == waiting_->palette) {
        Recycle(std::move(frame.pixels));
        return;
    }
    // A frame shown for less than the shortest delay has no place of its
    // own: the new one takes its place, and the timeline stays true.
    if (CentisecondsAt(frame.shownAtNs) - writtenCs_ >= kShortestDelay) WriteHeld(frame.shownAtNs);
    Recycle(std::move(waiting_->pixels));
    waiting_ = std::move(frame);
}

void RecordingSession::WriteHeld(std::int64_t untilNs) {
    const std::int64_t delay = std::max(kShortestDelay, CentisecondsAt(untilNs) - writtenCs_);
    const ChangedArea area = shown_.empty() ? ChangedArea{0, 0, width_, height_}
                                            : ChangedAreaOf(shown_, waiting_->pixels, width_, height_);
    const std::vector<std::uint32_t> part = Crop(waiting_->pixels, width_, area);
    IndexedFrame indexed = waiting_->palette.empty()
                               ? IndexByQuantising(part.data(), area.width, area.height)
                               : IndexByPalette(part.data(), area.width, area.height, waiting_->palette);
    indexed.left = area.left;
    indexed.top = area.top;
    if (!file_->AddFrame(indexed, static_cast<int>(std::min<std::int64_t>(delay, 65535)))) {
        failed_ = true;
        return;
    }
    shown_ = waiting_->pixels;
    writtenCs_ += delay;
    std::lock_guard lock(mutex_);
    ++written_;
}

// Decoders refuse a GIF without an image: a recording in which nothing was
// presented holds one black frame.
void RecordingSession::WriteBlankFrame() {
    const IndexedFrame blank{0, 0, width_, height_,
                             std::vector<std::uint8_t>(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)),
                             {0}};
    if (!file_->AddFrame(blank, static_cast<int>(kShortestDelay))) failed_ = true;
}

std::int64_t RecordingSession::CentisecondsAt(std::int64_t timeNs) const {
    const std::int64_t elapsed = timeNs - originNs_;
    return (elapsed + (elapsed >= 0 ? kNsPerCentisecond / 2 : -kNsPerCentisecond / 2)) / kNsPerCentisecond;
}

void RecordingSession::Recycle(std::vector<std::uint32_t> pixels) {
    std::lock_guard lock(mutex_);
    if (spare_.size() < options_.queueLimit + 1) spare_.push_back(std::move(pixels));
}

}  // namespace lumenbox
