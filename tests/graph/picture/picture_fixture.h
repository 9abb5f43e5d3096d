// Shared set-up of the picture tests: a fresh headless screen, a scratch
// folder of the test's own, and a look at what a folder holds.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>

#include "support/test_window.h"

namespace lumenbox::picture_tests {

namespace fs = std::filesystem;

using test_support::DirectKind;
using test_support::PaletteKind;
using test_support::SixteenColourKind;
using test_support::Status;
using test_support::TwoColourKind;
inline constexpr std::int16_t Size320x200 = 1;


// The names in a folder, sorted; empty for a folder that is not there.
inline std::vector<std::string> FolderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class PictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        display::headless::Reset();
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        scratch_ = fs::temp_directory_path() / ("lumenbox-picture-test-" + std::to_string(stamp));
        ASSERT_TRUE(fs::create_directory(scratch_)) << scratch_;
    }
    void TearDown() override {
        test_support::CloseTestWindow();
        std::error_code error;
        // A folder a test made read-only must be writable again to be emptied.
        for (fs::recursive_directory_iterator it(scratch_, error), end; !error && it != end; it.increment(error))
            if (it->is_directory()) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
        fs::permissions(scratch_, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(scratch_, error);
    }

    // A path in the scratch folder.
    std::string Scratch(const std::string& name) const { return (scratch_ / name).string(); }
    const fs::path& ScratchFolder() const { return scratch_; }

    static void Open(std::int16_t kind, std::int16_t size = Size320x200) {
        ASSERT_NO_FATAL_FAILURE(test_support::OpenTestWindow(kind, size, "pictures"));
        ASSERT_EQ(Status(), StatusOk);
    }

private:
    fs::path scratch_;
};

}  // namespace lumenbox::picture_tests
