// Which display the process gets, and the font families every display offers.
#include <algorithm>
#include <cctype>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include <lumenbox/display/headless.h>

#include "platform/display/display.h"

namespace lumenbox::display {
namespace {

TEST(DisplaySelectionTest, TheTestsGetTheHeadlessDisplayOnce) {
    // CTest runs every suite with LUMENBOX_DISPLAY=headless.
    std::vector<Display*> seen(8, nullptr);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < seen.size(); ++i) threads.emplace_back([&seen, i] { seen[i] = Current(); });
    for (std::thread& t : threads) t.join();
    ASSERT_NE(seen[0], nullptr);
    for (Display* d : seen) EXPECT_EQ(d, seen[0]) << "chosen once, whoever asks first";
    EXPECT_STREQ(Current()->Name(), "headless");
    EXPECT_TRUE(headless::IsActive());
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

TEST(FontCatalogTest, StandardFacesComeFirstWithoutDuplicates) {
    const std::vector<std::string> families = InstalledFontFamilies();
    ASSERT_GE(families.size(), 4u);
    EXPECT_EQ(families[0], "Courier New");
    EXPECT_EQ(families[1], "MS Sans Serif");
    EXPECT_EQ(families[2], "Times New Roman");
    EXPECT_EQ(families[3], "Arial");
    std::vector<std::string> lowered;
    for (const std::string& f : families) {
        EXPECT_FALSE(f.empty());
        lowered.push_back(Lower(f));
    }
    std::sort(lowered.begin(), lowered.end());
    EXPECT_EQ(std::adjacent_find(lowered.begin(), lowered.end()), lowered.end()) << "a family listed twice";
    EXPECT_EQ(InstalledFontFamilies(), families) << "the same list every time";
}

}  // namespace
}  // namespace lumenbox::display
