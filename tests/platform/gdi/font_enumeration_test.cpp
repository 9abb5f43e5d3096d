// EnumFontFamiliesA over the families the display reports.
#include <string>
#include <vector>

#include <lumenbox/display/headless.h>

#include "gdi_test_support.h"

namespace lumenbox::win {
namespace {

struct Seen {
    std::vector<std::string> faces;
    std::vector<DWORD> types;
    int stopAfter = 1000;
};

int Record(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD type, LPARAM data) {
    auto* seen = reinterpret_cast<Seen*>(data);
    EXPECT_NE(metrics, nullptr);
    seen->faces.emplace_back(font->lfFaceName);
    seen->types.push_back(type);
    return static_cast<int>(seen->faces.size()) < seen->stopAfter ? 1 : 0;
}

class FontEnumeration : public ::testing::Test {
protected:
    void SetUp() override {
        if (!display::headless::IsActive()) GTEST_SKIP() << "needs LUMENBOX_DISPLAY=headless";
        display::headless::SetFontFamilies({"Courier New", "MS Sans Serif", "Times New Roman", "Arial", "DejaVu Sans"});
        dc_ = CreateCompatibleDC(nullptr);
    }
    void TearDown() override {
        if (dc_) DeleteDC(dc_);
        display::headless::Reset();
    }
    HDC dc_ = nullptr;
};

TEST_F(FontEnumeration, MatchesTheFamilyIgnoringCase) {
    Seen seen;
    EXPECT_EQ(EnumFontFamiliesA(dc_, "times new ROMAN", Record, reinterpret_cast<LPARAM>(&seen)), 1);
    EXPECT_EQ(seen.faces, std::vector<std::string>{"Times New Roman"});
}

TEST_F(FontEnumeration, AMissingFamilyIsNeverReported) {
    Seen seen;
    EXPECT_EQ(EnumFontFamiliesA(dc_, "Wingdings", Record, reinterpret_cast<LPARAM>(&seen)), 1) << "1 when never called";
    EXPECT_TRUE(seen.faces.empty());
    display::headless::RemoveFontFamily("Arial");
    EXPECT_EQ(EnumFontFamiliesA(dc_, "Arial", Record, reinterpret_cast<LPARAM>(&seen)), 1);
    EXPECT_TRUE(seen.faces.empty());
}

TEST_F(FontEnumeration, NullFamilyEnumeratesAllUntilTheCallbackStops) {
    Seen all;
    EXPECT_EQ(EnumFontFamiliesA(dc_, nullptr, Record, reinterpret_cast<LPARAM>(&all)), 1);
    EXPECT_EQ(all.faces.size(), 5u);
    Seen two;
    two.stopAfter = 2;
    EXPECT_EQ(EnumFontFamiliesA(dc_, nullptr, Record, reinterpret_cast<LPARAM>(&two)), 0) << "the callback's last result";
    EXPECT_EQ(two.faces.size(), 2u);
}

TEST_F(FontEnumeration, RefusesANullCallback) {
    EXPECT_EQ(EnumFontFamiliesA(dc_, "Arial", nullptr, 0), 0);
}

}  // namespace
}  // namespace lumenbox::win
