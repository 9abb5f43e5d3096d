// StartRecording and StopRecording: the window's presentations recorded into
// an animated GIF.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <lumenbox/graph.h>
#include <lumenbox/win/user.h>

#include "graph/drawing_call.h"
#include "graph/recording.h"
#include "graph/recording_session.h"

namespace lumenbox {

namespace {

// The recording of the open window, if any. Like the key queue, the unit's
// own record: only the program's thread starts and stops it; the presenting
// thread reaches the session through the hook's context alone. Plain
// pointers with no destructor: the library's shut-down ends the recording at
// exit, and no static destructor may run before it.
RecordingSession* ActiveRecording = nullptr;
win::HWND RecordedWindow = nullptr;

std::int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void RecordPresentation(const win::LBPRESENTATION* frame, void* context) {
    static_cast<RecordingSession*>(context)->Offer(frame->pixels, frame->cx, frame->cy, frame->shownAtNs);
}

// The canvas colour table as 0x00RRGGBB values: palette kinds only.
std::vector<std::uint32_t> CurrentColourTable() {
    std::vector<std::uint32_t> colours;
    if (!GraphState.PaletteMode) return colours;
    colours.reserve(GraphState.ColorTable.size());
    for (const win::RGBQUAD& entry : GraphState.ColorTable)
        colours.push_back(std::uint32_t{entry.rgbRed} << 16 | std::uint32_t{entry.rgbGreen} << 8 | entry.rgbBlue);
    return colours;
}

// Ends the active recording; false when its file could not be written.
bool EndActiveRecording() {
    if (!ActiveRecording) return true;
    // When the hook is removed no presentation is running it any more.
    win::LbSetPresentationHook(RecordedWindow, nullptr, nullptr);
    const bool whole = ActiveRecording->Finish(NowNs());
    // The file shows the frames before a dropped one for longer; say why.
    if (const std::uint64_t dropped = ActiveRecording->DroppedFrames(); dropped > 0)
        std::fprintf(stderr, "lumenbox: the recording left out %llu frames the encoder could not keep up with\n",
                     static_cast<unsigned long long>(dropped));
    delete ActiveRecording;
    ActiveRecording = nullptr;
    RecordedWindow = nullptr;
    return whole;
}

}  // namespace

void StartRecording(std::string_view path) {
    if (!DrawingCallAllowed()) return;
    if (ActiveRecording) {
        GraphState.GraphStatus = StatusOutOfRange;
        return;
    }
    RecordingSession::Options options;
    options.sealOnSignal = true;
    std::unique_ptr<RecordingSession> session =
        RecordingSession::Start(std::string(path), GraphState.MaxX + 1, GraphState.MaxY + 1, options);
    if (!session) {
        GraphState.GraphStatus = StatusFileFailed;
        return;
    }
    session->SetPalette(CurrentColourTable());
    const win::HWND window = GraphState.GraphWindow.load(std::memory_order_acquire);
    if (!win::LbSetPresentationHook(window, RecordPresentation, session.get())) {
        session->Finish(NowNs());
        GraphState.GraphStatus = StatusNotOpen;
        return;
    }
    InstallRecordingSignalHandlers();
    ActiveRecording = session.release();
    RecordedWindow = window;
}

void StopRecording() {
    if (!DrawingCallAllowed()) return;
    if (!EndActiveRecording()) GraphState.GraphStatus = StatusFileFailed;
}

void NoteRecordingPalette() {
    if (ActiveRecording) ActiveRecording->SetPalette(CurrentColourTable());
}

void StartRecordingFromEnvironment() {
    const char* path = std::getenv("LUMENBOX_RECORD");
    if (path == nullptr || *path == '\0' || ActiveRecording) return;
    const std::int16_t status = GraphState.GraphStatus.load();
    StartRecording(path);
    if (GraphState.GraphStatus != StatusOk)
        std::fprintf(stderr, "lumenbox: LUMENBOX_RECORD: cannot record to %s: %s\n", path,
                     StatusMeaning(GraphState.GraphStatus));
    GraphState.GraphStatus = status;
}

void StopRecordingWithWindow() { EndActiveRecording(); }

}  // namespace lumenbox
