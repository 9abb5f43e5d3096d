// The recording's queue and timeline, driven directly: frames offered as the
// presenting thread offers them, with times of the test's choosing.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graph/recording/gif_decoding.h"
#include "graph/recording_session.h"

namespace lumenbox::recording_tests {
namespace {

constexpr int Width = 8;
constexpr int Height = 4;
constexpr std::int64_t Ms = 1'000'000;  // nanoseconds

// A frame of one colour.
std::vector<std::uint32_t> Plain(std::uint32_t rgb) {
    return std::vector<std::uint32_t>(static_cast<std::size_t>(Width * Height), rgb);
}

class RecordingSessionTest : public ::testing::Test {
protected:
    void TearDown() override { std::remove(path_.c_str()); }

    std::unique_ptr<RecordingSession> Start(std::size_t queueLimit = 6) {
        RecordingSession::Options options;
        options.queueLimit = queueLimit;
        return RecordingSession::Start(path_, Width, Height, options);
    }
    void Offer(RecordingSession& session, std::uint32_t rgb, std::int64_t atMs) {
        const std::vector<std::uint32_t> pixels = Plain(rgb);
        session.Offer(pixels.data(), Width, Height, atMs * Ms);
    }
    std::vector<std::uint32_t> FirstPixels(const DecodedGif& gif) {
        std::vector<std::uint32_t> colours;
        for (const DecodedFrame& frame : gif.frames) colours.push_back(frame.pixels.front());
        return colours;
    }
    std::vector<int> Delays(const DecodedGif& gif) {
        std::vector<int> delays;
        for (const DecodedFrame& frame : gif.frames) delays.push_back(frame.delay);
        return delays;
    }

    std::string path_ = TemporaryGifPath("session");
};

TEST_F(RecordingSessionTest, AFullQueueDropsAndCountsFramesWithoutWaiting) {
    std::unique_ptr<RecordingSession> session = Start(2);
    ASSERT_TRUE(session);
    session->HoldEncoding(true);
    // With the encoder held, every offer past the second would wait forever
    // if offers waited: they return, dropped.
    for (std::uint32_t i = 0; i < 5; ++i) Offer(*session, 0x100000 * (i + 1), i * 100);
    EXPECT_EQ(session->DroppedFrames(), 3u);
    session->HoldEncoding(false);
    ASSERT_TRUE(session->Finish(400 * Ms));
    EXPECT_EQ(session->WrittenFrames(), 2u);
    const DecodedGif gif = DecodeGif(path_);
    ASSERT_TRUE(gif.ok) << gif.error;
    EXPECT_EQ(FirstPixels(gif), (std::vector<std::uint32_t>{0x100000, 0x200000}));
    // The dropped frames' time stays with the last frame kept.
    EXPECT_EQ(Delays(gif), (std::vector<int>{10, 30}));
}

TEST_F(RecordingSessionTest, AFrameShorterThanTheShortestDelayGivesWayToTheNext) {
    std::unique_ptr<RecordingSession> session = Start();
    ASSERT_TRUE(session);
    Offer(*session, 0x0000AA, 0);
    Offer(*session, 0x00BB00, 30);
    Offer(*session, 0xCC0000, 35);  // the green frame stayed half a hundredth
    Offer(*session, 0xDDDDDD, 100);
    ASSERT_TRUE(session->Finish(150 * Ms));
    const DecodedGif gif = DecodeGif(path_);
    ASSERT_TRUE(gif.ok) << gif.error;
    EXPECT_EQ(FirstPixels(gif), (std::vector<std::uint32_t>{0x0000AA, 0xCC0000, 0xDDDDDD}));
    EXPECT_EQ(Delays(gif), (std::vector<int>{3, 7, 5}));
}

// Sixty frames a second last 1.67 hundredths each: rounded one by one they
// would run slow or fast; the delays add up to the real time instead.
TEST_F(RecordingSessionTest, DelaysAddUpToTheRealTimeAtSixtyFramesASecond) {
    std::unique_ptr<RecordingSession> session = Start(1000);
    ASSERT_TRUE(session);
    for (std::int64_t frame = 0; frame < 60; ++frame) {
        const std::vector<std::uint32_t> pixels = Plain(frame % 2 ? 0xFFFFFF : 0x000000);
        session->Offer(pixels.data(), Width, Height, frame * 1'000'000'000 / 60);
    }
    ASSERT_TRUE(session->Finish(1'000 * Ms));
    const DecodedGif gif = DecodeGif(path_);
    ASSERT_TRUE(gif.ok) << gif.error;
    const std::vector<int> delays = Delays(gif);
    EXPECT_EQ(std::accumulate(delays.begin(), delays.end(), 0), 100);
    for (int delay : delays) EXPECT_GE(delay, 2);
}

// Each frame is drawn over the one before: only the changed rectangle is kept.
TEST_F(RecordingSessionTest, AFrameHoldsOnlyTheRectangleThatChanged) {
    std::unique_ptr<RecordingSession> session = Start();
    ASSERT_TRUE(session);
    std::vector<std::uint32_t> pixels = Plain(0x202020);
    session->Offer(pixels.data(), Width, Height, 0);
    pixels[1 * Width + 2] = 0xFF0000;
    pixels[2 * Width + 5] = 0x00FF00;
    session->Offer(pixels.data(), Width, Height, 100 * Ms);
    ASSERT_TRUE(session->Finish(200 * Ms));
    const DecodedGif gif = DecodeGif(path_);
    ASSERT_TRUE(gif.ok) << gif.error;
    ASSERT_EQ(gif.frames.size(), 2u);
    EXPECT_EQ(gif.frames[0].width, Width);
    EXPECT_EQ(gif.frames[0].height, Height);
    const DecodedFrame& second = gif.frames[1];
    EXPECT_EQ((std::vector<int>{second.left, second.top, second.width, second.height}), (std::vector<int>{2, 1, 4, 2}));
    EXPECT_EQ(second.pixels, pixels);
}

TEST_F(RecordingSessionTest, FramesOfAnotherSizeAreLeftOut) {
    std::unique_ptr<RecordingSession> session = Start();
    ASSERT_TRUE(session);
    const std::vector<std::uint32_t> wide(static_cast<std::size_t>(Width * 2 * Height), 0x123456);
    session->Offer(wide.data(), Width * 2, Height, 0);
    session->Offer(nullptr, Width, Height, 0);
    Offer(*session, 0x654321, 10);
    ASSERT_TRUE(session->Finish(50 * Ms));
    const DecodedGif gif = DecodeGif(path_);
    ASSERT_TRUE(gif.ok) << gif.error;
    EXPECT_EQ(FirstPixels(gif), (std::vector<std::uint32_t>{0x654321}));
}

// Decoders refuse a file without an image.
TEST_F(RecordingSessionTest, ARecordingOfNothingHoldsOneBlackFrame) {
    std::unique_ptr<RecordingSession> session = Start();
    ASSERT_TRUE(session);
    ASSERT_TRUE(session->Finish(0));
    const DecodedGif gif = DecodeGif(path_);
    ASSERT_TRUE(gif.ok) << gif.error;
    EXPECT_EQ(gif.width, Width);
    EXPECT_EQ(gif.height, Height);
    ASSERT_EQ(gif.frames.size(), 1u);
    EXPECT_EQ(gif.frames[0].pixels, Plain(0x000000));
}

TEST_F(RecordingSessionTest, APaletteBecomesTheColourTableAndUnknownColoursTakeTheNearestEntry) {
    std::unique_ptr<RecordingSession> session = Start();
    ASSERT_TRUE(session);
    session->SetPalette({0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFF0000});
    std::vector<std::uint32_t> pixels = Plain(0xFF0000);
    pixels[1] = 0x0000FF;
    pixels[2] = 0x10F010;  // not in the palette: nearest is green
    session->Offer(pixels.data(), Width, Height, 0);
    ASSERT_TRUE(session->Finish(20 * Ms));
    const DecodedGif gif = DecodeGif(path_);
    ASSERT_TRUE(gif.ok) << gif.error;
    ASSERT_EQ(gif.frames.size(), 1u);
    // Five entries make a table of eight; the lowest of equal entries is used.
    EXPECT_EQ(gif.frames[0].table.size(), 8u);
    EXPECT_EQ(gif.frames[0].indices[0], 1);
    EXPECT_EQ(gif.frames[0].indices[1], 3);
    EXPECT_EQ(gif.frames[0].indices[2], 2);
}

}  // namespace
}  // namespace lumenbox::recording_tests
