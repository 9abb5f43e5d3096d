// The library's start-up, as every program linked with it gets it.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include <lumenbox/graph.h>
#include <lumenbox/keyboard.h>

#include "graph/window/window_fixture.h"

namespace lumenbox::window_test {
namespace {

using StartupTest = GraphWindowTest;

// The keyboard unit's start-up runs after the library's, which clears the
// hook: the other order would leave no handler.
TEST(StartupOrder, KeyboardHandlerIsInstalledBeforeMain) {
    EXPECT_EQ(GraphState.KeyHook, &KeyMessageHandler);
    EXPECT_EQ(GraphState.StandardColorRefs[0], &GraphState.StandardColors[0]);
    EXPECT_EQ(GraphState.StandardColorRefs[255], &GraphState.StandardColors[255]);
}

TEST_F(StartupTest, StartClearsTheFlagsAndReadsTheScreenOnce) {
    headless::SetScreen(1024, 768);
    GraphLibraryStart();
    EXPECT_EQ(GraphState.ScreenWidth, 1024);
    EXPECT_EQ(GraphState.ScreenHeight, 768);
    EXPECT_EQ(GraphState.GraphKind, -1);
    EXPECT_FALSE(IsGraphOpen());
    EXPECT_FALSE(GraphState.PaletteMode);
    EXPECT_EQ(GraphState.KeyHook, nullptr);
}

TEST(StatusMeaning, EveryCodeHasItsOwnWords) {
    std::set<std::string> meanings;
    for (std::int16_t code = 0; code >= -11; --code) {
        meanings.insert(StatusMeaning(code));
    }
    meanings.insert(StatusMeaning(-12));
    EXPECT_EQ(meanings.size(), 13u);
    EXPECT_STREQ(StatusMeaning(StatusFileFailed), "picture file could not be written");
    EXPECT_STREQ(StatusMeaning(StatusNotOpen), "graphics window not open");
}

}  // namespace
}  // namespace lumenbox::window_test
