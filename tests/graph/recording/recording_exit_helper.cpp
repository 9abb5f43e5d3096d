// A program that ends with a recording still open, for the exit tests:
//   recording_exit_helper MODE PATH
// records three frames into PATH, then ends as MODE says: "return" from
// main, "exit" with exit(3), or "sigterm" / "sigint" sent to itself once two
// frames are in the file.
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>

#include "graph/recording/gif_decoding.h"

namespace {

namespace headless = lumenbox::display::headless;
using namespace std::chrono_literals;

headless::WindowId Window() { return headless::IdOf(lumenbox::GraphState.GraphWindow.load()); }

bool WaitUntilShown(int x, int y, std::uint32_t rgb) {
    for (int i = 0; i < 5000; ++i) {
        if (headless::ClientPixel(Window(), x, y) == rgb) return true;
        std::this_thread::sleep_for(1ms);
    }
    return false;
}

// Black, then a red bar, then a blue bar, 100 ms apart.
bool RecordThreeFrames() {
    const auto start = std::chrono::steady_clock::now();
    lumenbox::SetPaletteColor(4, 0xC8, 0x1E, 0x28);
    lumenbox::SetPaletteColor(9, 0x14, 0x32, 0xD2);
    headless::PresentWindow(Window(), start);
    lumenbox::SetFillMode(1, 4);
    lumenbox::FillBar(10, 20, 99, 59);
    if (!WaitUntilShown(10, 20, 0xC81E28)) return false;
    headless::PresentWindow(Window(), start + 100ms);
    lumenbox::SetFillMode(1, 9);
    lumenbox::FillBar(0, 0, 9, 9);
    if (!WaitUntilShown(0, 0, 0x1432D2)) return false;
    headless::PresentWindow(Window(), start + 200ms);
    return true;
}

// The file is whole after every frame, so it can be read while recording.
bool WaitForFramesInFile(const std::string& path, std::size_t frames) {
    for (int i = 0; i < 5000; ++i) {
        if (lumenbox::recording_tests::DecodeGif(path).frames.size() >= frames) return true;
        std::this_thread::sleep_for(1ms);
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const std::string mode = argv[1];
    const std::string path = argv[2];
    headless::SetAutomaticPresenting(false);
    std::int16_t kind = 3;
    std::int16_t size = 4;
    lumenbox::OpenGraphics(kind, size, "exit");
    if (!lumenbox::IsGraphOpen()) return 10;
    lumenbox::StartRecording(path);
    if (lumenbox::GraphState.GraphStatus != lumenbox::StatusOk) return 11;
    if (!RecordThreeFrames()) return 12;
    if (mode == "return") return 0;
    if (mode == "exit") std::exit(3);
    if (!WaitForFramesInFile(path, 2)) return 13;
    kill(getpid(), mode == "sigint" ? SIGINT : SIGTERM);
    // The default action ends the process before this.
    std::this_thread::sleep_for(10s);
    return 14;
}
