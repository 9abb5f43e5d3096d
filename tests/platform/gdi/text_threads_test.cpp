// Text from several threads at once: FreeType and the font caches are shared,
// so every thread must still get exactly the picture it gets alone.
#include <string>
#include <thread>
#include <vector>

#include "text_test_support.h"

namespace lumenbox::win {
namespace {

using testing::DibCanvas;
using testing::FontRequest;
using testing::Picture;
using testing::SelectedFont;

constexpr int kSide = 48;

// Each worker's own font, so that instances are made and glyphs rendered
// concurrently; the sizes and angles differ between workers.
FontRequest SpecFor(int worker) {
    const char* const faces[] = {"Arial", "Times New Roman", "Courier New", "DejaVu Sans"};
    FontRequest request{faces[worker % 4], 10 + 3 * worker};
    request.escapement = 450 * worker;
    request.weight = worker % 2 ? FW_BOLD : FW_NORMAL;
    return request;
}

std::string Draw(int worker, int rounds) {
    DibCanvas canvas(kSide, kSide, 8, {RGB(0, 0, 0), RGB(255, 255, 255)});
    SetTextColor(canvas.dc(), PALETTEINDEX(1));
    SetBkMode(canvas.dc(), TRANSPARENT);
    std::string last;
    for (int round = 0; round < rounds; ++round) {
        // A new font object every round, as a program that changes fonts
        // per string makes them.
        SelectedFont font(canvas.dc(), SpecFor(worker));
        const std::string text = "Ab" + std::to_string(round % 10);
        TextOutA(canvas.dc(), kSide / 2, kSide / 2, text.c_str(), static_cast<int>(text.size()));
    }
    return Picture(canvas, kSide, kSide);
}

TEST(TextThreads, EveryThreadDrawsWhatItWouldDrawAlone) {
    constexpr int kWorkers = 6;
    constexpr int kRounds = 60;
    std::vector<std::string> alone;
    for (int worker = 0; worker < kWorkers; ++worker) alone.push_back(Draw(worker, kRounds));
    std::vector<std::string> together(kWorkers);
    std::vector<std::thread> threads;
    for (int worker = 0; worker < kWorkers; ++worker)
        threads.emplace_back([&together, worker] { together[worker] = Draw(worker, kRounds); });
    for (std::thread& thread : threads) thread.join();
    for (int worker = 0; worker < kWorkers; ++worker) {
        EXPECT_EQ(together[worker], alone[worker]) << "worker " << worker;
        EXPECT_NE(alone[worker].find('#'), std::string::npos) << "worker " << worker << " drew something";
    }
}

}  // namespace
}  // namespace lumenbox::win
