// A surface tells its watcher of the first change after each watch, once,
// and never after the watch is withdrawn.
#include <gtest/gtest.h>

#include <mutex>

#include "platform/display/display.h"

namespace lumenbox::display {
namespace {

class CountingWatcher final : public SurfaceWatcher {
public:
    void SurfaceChanged() override { ++told; }
    int told = 0;
};

void Change(Surface& surface) {
    std::lock_guard lock(surface.Mutex());
    surface.Pixels()[0] += 1;
    surface.MarkChanged();
}

void Watch(Surface& surface, SurfaceWatcher* watcher) {
    std::lock_guard lock(surface.Mutex());
    surface.WatchNextChange(watcher);
}

TEST(SurfaceWatchTest, AnUnwatchedSurfaceOnlyCountsItsVersion) {
    Surface surface(2, 2);
    const std::uint64_t before = surface.Version();
    Change(surface);
    Change(surface);
    EXPECT_EQ(surface.Version(), before + 2);
}

TEST(SurfaceWatchTest, TheFirstChangeAfterAWatchTellsTheWatcherOnce) {
    Surface surface(2, 2);
    CountingWatcher watcher;
    Watch(surface, &watcher);
    EXPECT_EQ(watcher.told, 0) << "watching alone is no change";
    Change(surface);
    EXPECT_EQ(watcher.told, 1);
    Change(surface);
    Change(surface);
    EXPECT_EQ(watcher.told, 1) << "later changes wait for the next watch";
}

TEST(SurfaceWatchTest, EachNewWatchHearsOfTheNextChange) {
    Surface surface(2, 2);
    CountingWatcher watcher;
    for (int round = 1; round <= 3; ++round) {
        Watch(surface, &watcher);
        Change(surface);
        EXPECT_EQ(watcher.told, round);
    }
}

TEST(SurfaceWatchTest, AWithdrawnWatchIsNeverCalled) {
    Surface surface(2, 2);
    CountingWatcher watcher;
    Watch(surface, &watcher);
    Watch(surface, nullptr);
    Change(surface);
    EXPECT_EQ(watcher.told, 0);
}

TEST(SurfaceWatchTest, ALaterWatcherReplacesAnEarlierOne) {
    Surface surface(2, 2);
    CountingWatcher first;
    CountingWatcher second;
    Watch(surface, &first);
    Watch(surface, &second);
    Change(surface);
    EXPECT_EQ(first.told, 0);
    EXPECT_EQ(second.told, 1);
}

}  // namespace
}  // namespace lumenbox::display
