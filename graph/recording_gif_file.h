// The GIF file of a recording, written with giflib one frame at a time and
// whole after every frame: each frame is written together with the trailer,
// and the next frame overwrites that trailer. A process that ends at any
// moment leaves a file that decodes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct GifFileType;

namespace lumenbox {

// One frame as the file holds it: a rectangle of the picture placed over
// the frames before it, a colour index per pixel (rows top-down), and its
// colour table (0x00RRGGBB, 1 to 256 entries).
struct IndexedFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices;
    std::vector<std::uint32_t> colours;
};

class GifRecordingFile {
public:
    // Creates (or empties) the file and writes the header of a looping
    // animation of the given size. NULL when the file cannot be created or
    // written. `sealOnSignal`: this is the process's recording, which
    // SealRecordingForSignal makes whole (one at a time).
    static std::unique_ptr<GifRecordingFile> Create(const std::string& path, int width, int height,
                                                    bool sealOnSignal);
    ~GifRecordingFile();
    GifRecordingFile(const GifRecordingFile&) = delete;
    GifRecordingFile& operator=(const GifRecordingFile&) = delete;

    // Appends a frame shown for `delay` hundredths of a second. False once
    // a write has failed.
    bool AddFrame(const IndexedFrame& frame, int delay);
    // Ends the file; true when every write succeeded.
    bool Close();

private:
    GifRecordingFile() = default;
    static int Collect(GifFileType* gif, const std::uint8_t* bytes, int length);
    bool WriteHeader(int width, int height);
    // Writes what giflib produced since the last commit, followed by the
    // trailer, at the end of the file.
    bool Commit();

    int fd_ = -1;
    GifFileType* gif_ = nullptr;
    std::vector<std::uint8_t> pending_;
    std::int64_t end_ = 0;  // where the trailer stands
    bool failed_ = false;
    bool sealOnSignal_ = false;
};

// Async-signal-safe: makes the process's recording file whole as it stands
// (the frames written so far and the trailer) and keeps it from growing.
// Waits a moment for a frame being written to finish.
void SealRecordingForSignal();

}  // namespace lumenbox
