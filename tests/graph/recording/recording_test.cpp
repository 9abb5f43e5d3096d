// StartRecording and StopRecording on the headless display, with automatic
// presenting off: the test draws, presents each frame at a time of its
// choosing, and decodes the file with giflib.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>

#include "graph/recording/gif_decoding.h"
#include "support/test_window.h"

namespace lumenbox::recording_tests {
namespace {

namespace headless = display::headless;
using std::chrono::milliseconds;

using test_support::DirectKind;
using test_support::PaletteKind;
using test_support::Status;

constexpr std::int16_t Size640x480 = 4;
constexpr int Width = 640;
constexpr int Height = 480;

headless::WindowId Window() { return headless::IdOf(GraphState.GraphWindow.load()); }

// Drawing reaches the window surface on the window thread too (a palette
// change repaints): wait, within reason, until it shows the colour.
bool WaitUntilShown(int x, int y, std::uint32_t rgb) {
    for (int i = 0; i < 5000; ++i) {
        if (headless::ClientPixel(Window(), x, y) == rgb) return true;
        std::this_thread::sleep_for(milliseconds(1));
    }
    return false;
}

void Bar(std::uint32_t colour, std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    SetFillMode(1, colour);
    FillBar(x1, y1, x2, y2);
}

class RecordingTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        headless::SetAutomaticPresenting(false);
        start_ = std::chrono::steady_clock::now();
    }
    void TearDown() override {
        test_support::CloseTestWindow();
        headless::Reset();
        for (const std::string& path : paths_) std::remove(path.c_str());
    }

    void Open(std::int16_t kind) {
        ASSERT_NO_FATAL_FAILURE(test_support::OpenTestWindow(kind, Size640x480, "recording"));
        ASSERT_EQ(Status(), StatusOk);
    }
    std::string Path(const std::string& name) {
        paths_.push_back(TemporaryGifPath(name));
        return paths_.back();
    }
    // What the window shows now, presented as shown `at` after the start.
    std::vector<std::uint32_t> Present(milliseconds at) {
        std::vector<std::uint32_t> shown = headless::ClientPixels(Window());
        EXPECT_TRUE(headless::PresentWindow(Window(), start_ + at));
        return shown;
    }

    std::chrono::steady_clock::time_point start_;
    std::vector<std::string> paths_;
};

// Palette entries of colours no default entry has.
constexpr std::uint16_t Red = 4;
constexpr std::uint16_t Blue = 9;
constexpr std::uint32_t RedRgb = 0xC81E28;
constexpr std::uint32_t BlueRgb = 0x1432D2;
constexpr std::uint32_t GreenRgb = 0x28B43C;

void SetEntries() {
    SetPaletteColor(Red, 0xC8, 0x1E, 0x28);
    SetPaletteColor(Blue, 0x14, 0x32, 0xD2);
}

void ExpectSameFrame(const std::vector<std::uint32_t>& shown, const DecodedFrame& frame, int number) {
    EXPECT_EQ(FirstDifference(shown, frame.pixels, Width), "") << "frame " << number;
}

TEST_F(RecordingTest, FramesDecodeToTheColoursShownAtEachPresentation) {
    ASSERT_NO_FATAL_FAILURE(Open(PaletteKind));
    SetEntries();
    const std::string path = Path("frames");
    StartRecording(path);
    ASSERT_EQ(Status(), StatusOk);
    std::vector<std::vector<std::uint32_t>> shown;
    shown.push_back(Present(milliseconds(0)));
    Bar(Red, 10, 20, 99, 59);
    ASSERT_TRUE(WaitUntilShown(99, 59, RedRgb));
    shown.push_back(Present(milliseconds(100)));
    Bar(Blue, 50, 40, 639, 479);
    ASSERT_TRUE(WaitUntilShown(639, 479, BlueRgb));
    shown.push_back(Present(milliseconds(250)));
    StopRecording();
    ASSERT_EQ(Status(), StatusOk);

    const DecodedGif gif = DecodeGif(path);
    ASSERT_TRUE(gif.ok) << gif.error;
    EXPECT_EQ(gif.width, Width);
    EXPECT_EQ(gif.height, Height);
    ASSERT_EQ(gif.frames.size(), 3u);
    for (int i = 0; i < 3; ++i) ExpectSameFrame(shown[static_cast<std::size_t>(i)], gif.frames[static_cast<std::size_t>(i)], i);
    // Each frame stayed on screen until the next was shown.
    EXPECT_EQ(gif.frames[0].delay, 10);
    EXPECT_EQ(gif.frames[1].delay, 15);
    EXPECT_GE(gif.frames[2].delay, 2);
    // The palette is the colour table: 256 entries, the drawn ones in place.
    ASSERT_EQ(gif.frames[2].table.size(), 256u);
    EXPECT_EQ(gif.frames[2].table[Red], RedRgb);
    EXPECT_EQ(gif.frames[2].indices[20 * Width + 10], Red);
    EXPECT_EQ(gif.frames[2].indices[479 * Width + 639], Blue);
    // Only what changed is in each later frame.
    EXPECT_EQ((std::vector<int>{gif.frames[1].left, gif.frames[1].top, gif.frames[1].width, gif.frames[1].height}),
              (std::vector<int>{10, 20, 90, 40}));
}

TEST_F(RecordingTest, UnchangedFramesMergeIntoTheDelayOfTheOneBefore) {
    ASSERT_NO_FATAL_FAILURE(Open(PaletteKind));
    SetEntries();
    const std::string path = Path("merged");
    StartRecording(path);
    Present(milliseconds(0));
    Present(milliseconds(50));
    Present(milliseconds(120));
    Bar(Red, 0, 0, 9, 9);
    ASSERT_TRUE(WaitUntilShown(9, 9, RedRgb));
    Present(milliseconds(200));
    Present(milliseconds(230));
    Bar(Blue, 0, 0, 9, 9);
    ASSERT_TRUE(WaitUntilShown(9, 9, BlueRgb));
    Present(milliseconds(300));
    StopRecording();

    const DecodedGif gif = DecodeGif(path);
    ASSERT_TRUE(gif.ok) << gif.error;
    ASSERT_EQ(gif.frames.size(), 3u);
    EXPECT_EQ(gif.frames[0].delay, 20);
    EXPECT_EQ(gif.frames[1].delay, 10);
    EXPECT_EQ(gif.frames[1].pixels[0], RedRgb);
    EXPECT_EQ(gif.frames[2].pixels[0], BlueRgb);
}

TEST_F(RecordingTest, PaletteCyclingShowsAsColourTableChanges) {
    ASSERT_NO_FATAL_FAILURE(Open(PaletteKind));
    SetEntries();
    Bar(Red, 0, 0, 639, 99);
    ASSERT_TRUE(WaitUntilShown(0, 0, RedRgb));
    const std::string path = Path("cycling");
    StartRecording(path);
    const std::vector<std::uint32_t> first = Present(milliseconds(0));
    SetPaletteColor(Red, 0x28, 0xB4, 0x3C);
    ASSERT_TRUE(WaitUntilShown(0, 0, GreenRgb));
    const std::vector<std::uint32_t> second = Present(milliseconds(100));
    StopRecording();

    const DecodedGif gif = DecodeGif(path);
    ASSERT_TRUE(gif.ok) << gif.error;
    ASSERT_EQ(gif.frames.size(), 2u);
    ExpectSameFrame(first, gif.frames[0], 0);
    ExpectSameFrame(second, gif.frames[1], 1);
    // The same entry in both frames; only its colour in the table changed.
    EXPECT_EQ(gif.frames[0].indices[0], Red);
    EXPECT_EQ(gif.frames[1].indices[0], Red);
    EXPECT_EQ(gif.frames[0].table[Red], RedRgb);
    EXPECT_EQ(gif.frames[1].table[Red], GreenRgb);
    EXPECT_EQ(gif.frames[0].table[Blue], gif.frames[1].table[Blue]);
}

// Kind 9, more than 256 colours: each decoded pixel near the one shown.
TEST_F(RecordingTest, DirectColourFramesAreQuantisedCloseToTheShownColours) {
    ASSERT_NO_FATAL_FAILURE(Open(DirectKind));
    const std::string path = Path("quantised");
    StartRecording(path);
    Bar(win::RGB(10, 200, 30), 0, 0, 639, 479);
    ASSERT_TRUE(WaitUntilShown(0, 0, 0x0AC81E));
    const std::vector<std::uint32_t> plain = Present(milliseconds(0));
    // 1024 colours: a red ramp across, a blue ramp down.
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 32; ++y)
            Bar(win::RGB(static_cast<std::uint8_t>(x * 8), 90, static_cast<std::uint8_t>(y * 8)),
                static_cast<std::int16_t>(x * 20), static_cast<std::int16_t>(y * 15),
                static_cast<std::int16_t>(x * 20 + 19), static_cast<std::int16_t>(y * 15 + 14));
    ASSERT_TRUE(WaitUntilShown(639, 479, 0xF85AF8));
    const std::vector<std::uint32_t> ramps = Present(milliseconds(100));
    StopRecording();

    const DecodedGif gif = DecodeGif(path);
    ASSERT_TRUE(gif.ok) << gif.error;
    ASSERT_EQ(gif.frames.size(), 2u);
    // A frame of few colours keeps them exactly.
    ExpectSameFrame(plain, gif.frames[0], 0);
    ASSERT_EQ(gif.frames[1].pixels.size(), ramps.size());
    int worst = 0;
    std::int64_t total = 0;
    for (std::size_t i = 0; i < ramps.size(); ++i) {
        for (int shift = 0; shift <= 16; shift += 8) {
            const int difference = std::abs(static_cast<int>((ramps[i] >> shift) & 0xFF) -
                                            static_cast<int>((gif.frames[1].pixels[i] >> shift) & 0xFF));
            worst = std::max(worst, difference);
            total += difference;
        }
    }
    // Median cut leaves a 256-colour grid over the 1024 drawn: a box spans
    // a few drawn steps of 8.
    EXPECT_LE(worst, 32) << "a component differs by " << worst;
    EXPECT_LE(total, 8 * 3 * static_cast<std::int64_t>(ramps.size())) << "mean difference too large";
    EXPECT_LE(gif.frames[1].table.size(), 256u);
}

TEST_F(RecordingTest, CloseGraphicsEndsTheRecordingWithAFileThatDecodes) {
    ASSERT_NO_FATAL_FAILURE(Open(PaletteKind));
    SetEntries();
    const std::string path = Path("closed");
    StartRecording(path);
    const std::vector<std::uint32_t> first = Present(milliseconds(0));
    Bar(Blue, 0, 0, 99, 99);
    ASSERT_TRUE(WaitUntilShown(0, 0, BlueRgb));
    const std::vector<std::uint32_t> second = Present(milliseconds(40));
    CloseGraphics();
    ASSERT_EQ(Status(), StatusOk);

    const DecodedGif gif = DecodeGif(path);
    ASSERT_TRUE(gif.ok) << gif.error;
    ASSERT_EQ(gif.frames.size(), 2u);
    ExpectSameFrame(first, gif.frames[0], 0);
    ExpectSameFrame(second, gif.frames[1], 1);
    EXPECT_EQ(gif.frames[0].delay, 4);
}

TEST_F(RecordingTest, AFileInAMissingFolderIsRefused) {
    ASSERT_NO_FATAL_FAILURE(Open(PaletteKind));
    StartRecording("/tmp/lumenbox-no-such-folder/recording.gif");
    EXPECT_EQ(Status(), StatusFileFailed);
    StartRecording("");
    EXPECT_EQ(Status(), StatusFileFailed);
    // Nothing is recording: a new start succeeds.
    StartRecording(Path("after-refusal"));
    EXPECT_EQ(Status(), StatusOk);
}

TEST_F(RecordingTest, StartingWhileRecordingIsRefusedAndTheFirstGoesOn) {
    ASSERT_NO_FATAL_FAILURE(Open(PaletteKind));
    SetEntries();
    const std::string first = Path("first");
    const std::string second = Path("second");
    StartRecording(first);
    ASSERT_EQ(Status(), StatusOk);
    StartRecording(second);
    EXPECT_EQ(Status(), StatusOutOfRange);
    Present(milliseconds(0));
    StopRecording();
    EXPECT_EQ(Status(), StatusOk);
    const DecodedGif gif = DecodeGif(first);
    ASSERT_TRUE(gif.ok) << gif.error;
    EXPECT_EQ(gif.frames.size(), 1u);
    EXPECT_FALSE(DecodeGif(second).ok);
    // Stopping again has nothing to stop.
    StopRecording();
    EXPECT_EQ(Status(), StatusOk);
}

TEST_F(RecordingTest, WithoutAWindowBothCallsReportNotOpen) {
    StartRecording(Path("no-window"));
    EXPECT_EQ(Status(), StatusNotOpen);
    EXPECT_FALSE(DecodeGif(paths_.back()).ok);
    StopRecording();
    EXPECT_EQ(Status(), StatusNotOpen);
}

TEST_F(RecordingTest, TheEnvironmentVariableStartsARecordingWhenTheWindowOpens) {
    const std::string path = Path("environment");
    setenv("LUMENBOX_RECORD", path.c_str(), 1);
    Open(PaletteKind);
    unsetenv("LUMENBOX_RECORD");
    ASSERT_TRUE(IsGraphOpen());
    EXPECT_EQ(Status(), StatusOk);
    const std::vector<std::uint32_t> shown = Present(milliseconds(0));
    StartRecording(Path("second"));
    EXPECT_EQ(Status(), StatusOutOfRange);  // the variable's recording is running
    CloseGraphics();
    const DecodedGif gif = DecodeGif(path);
    ASSERT_TRUE(gif.ok) << gif.error;
    ASSERT_EQ(gif.frames.size(), 1u);
    ExpectSameFrame(shown, gif.frames[0], 0);
}

TEST_F(RecordingTest, AutomaticPresentingRecordsWhatIsDrawn) {
    headless::SetAutomaticPresenting(true);
    ASSERT_NO_FATAL_FAILURE(Open(PaletteKind));
    SetEntries();
    const std::string path = Path("automatic");
    StartRecording(path);
    Bar(Red, 0, 0, 639, 479);
    // The presenting thread shows the change within a frame or so; the
    // file is whole after every frame, so it can be read while recording.
    bool recorded = false;
    for (int i = 0; i < 5000 && !recorded; ++i) {
        std::this_thread::sleep_for(milliseconds(1));
        if (headless::ClientPixel(Window(), 639, 479) != RedRgb) continue;
        // A later, different frame pushes the one before it into the file.
        Bar(i % 2 ? Blue : Red, 0, 0, 0, 0);
        const DecodedGif partial = DecodeGif(path);
        for (const DecodedFrame& frame : partial.frames) recorded = recorded || frame.pixels.back() == RedRgb;
    }
    StopRecording();
    EXPECT_TRUE(recorded);
    const DecodedGif gif = DecodeGif(path);
    ASSERT_TRUE(gif.ok) << gif.error;
    EXPECT_GE(gif.frames.size(), 1u);
}

}  // namespace
}  // namespace lumenbox::recording_tests
