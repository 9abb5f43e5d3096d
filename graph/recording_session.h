// One recording: frames offered by the presenting thread go through a
// bounded queue to an encoder thread, which merges unchanged frames, works
// out how long each stayed on screen, and writes them to the GIF file.
//
// The presenting thread never waits for the encoder: when the queue is full
// a frame is dropped and counted (its time on screen goes to the frame
// before it).
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "graph/recording_gif_file.h"

namespace lumenbox {

class RecordingSession {
public:
    struct Options {
        // Frames waiting for the encoder at most; about a tenth of a second
        // of a 60-frame animation.
        std::size_t queueLimit = 6;
        // This is the process's recording, made whole on SIGINT and SIGTERM.
        bool sealOnSignal = false;
    };

    // Creates the file; NULL when it cannot be created or written.
    static std::unique_ptr<RecordingSession> Start(const std::string& path, int width, int height, Options options);
    ~RecordingSession();
    RecordingSession(const RecordingSession&) = delete;
    RecordingSession& operator=(const RecordingSession&) = delete;

    // The colour table of the frames offered from now on (0x00RRGGBB), for
    // palette kinds; empty: each frame's colours are chosen for it.
    void SetPalette(std::vector<std::uint32_t> palette);
    // The presenting thread: a frame shown at `shownAtNs` (steady clock).
    // Copies it into the queue, or drops it when the queue is full.
    void Offer(const std::uint32_t* pixels, int width, int height, std::int64_t shownAtNs);
    // Encodes what is queued, writes the last frame as shown until `endNs`,
    // and closes the file. True when every write succeeded.
    bool Finish(std::int64_t endNs);

    std::uint64_t DroppedFrames() const;
    std::uint64_t WrittenFrames() const;
    // While held, the encoder takes nothing from the queue (tests fill it).
    void HoldEncoding(bool hold);

private:
    struct Frame {
        std::vector<std::uint32_t> pixels;
        std::vector<std::uint32_t> palette;
        std::int64_t shownAtNs = 0;
    };

    RecordingSession(std::unique_ptr<GifRecordingFile> file, int width, int height, Options options);
    void EncodeQueuedFrames();
    // Merges, skips or writes one frame; the last distinct one waits in
    // held_ until the next tells how long it stayed.
    void Consider(Frame frame);
    // Writes held_ as shown until `untilNs`.
    void WriteHeld(std::int64_t untilNs);
    void WriteBlankFrame();
    // The part of held_ that differs from what the file shows so far.
    // Hundredths of a second from the first frame to `timeNs`, rounded.
    std::int64_t CentisecondsAt(std::int64_t timeNs) const;
    void Recycle(std::vector<std::uint32_t> pixels);

    const int width_;
    const int height_;
    const Options options_;
    std::unique_ptr<GifRecordingFile> file_;

    mutable std::mutex mutex_;
    std::condition_variable queued_;
    std::deque<Frame> queue_;
    std::vector<std::vector<std::uint32_t>> spare_;  // pixel buffers to reuse
    std::vector<std::uint32_t> palette_;
    bool finishing_ = false;
    bool held_ = false;
    std::uint64_t dropped_ = 0;
    std::uint64_t written_ = 0;

    // The encoder's own (and Finish's, once the encoder has ended).
    std::optional<Frame> waiting_;
    std::vector<std::uint32_t> shown_;  // the picture the file shows so far
    std::int64_t originNs_ = 0;
    std::int64_t writtenCs_ = 0;  // hundredths of a second written so far
    bool failed_ = false;

    std::thread encoder_;  // last: started when everything above exists
};

}  // namespace lumenbox
