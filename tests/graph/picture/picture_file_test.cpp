// What SavePicture reports, and what it leaves on disk, when the file cannot
// be written: nothing at the path and no temporary beside it.
#include <cstdint>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>

#include "graph/picture/picture_fixture.h"
#include "graph/picture/png_reading.h"

namespace lumenbox::picture_tests {
namespace {

using Names = std::vector<std::string>;

void WriteText(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Whether this process may create a file in a folder whose permissions say
// it may not (a privileged user may).
bool WritesThroughPermissions(const fs::path& folder) {
    const fs::path probe = folder / "probe";
    const bool created = static_cast<bool>(std::ofstream(probe));
    std::error_code error;
    fs::remove(probe, error);
    return created;
}

TEST_F(PictureTest, WithoutAWindowReportsNotOpenAndWritesNothing) {
    SavePicture(Scratch("none.png"));
    EXPECT_EQ(Status(), StatusNotOpen);
    EXPECT_EQ(FolderEntries(ScratchFolder()), Names{});
}

TEST_F(PictureTest, ASuccessClearsAnEarlierStatus) {
    ASSERT_NO_FATAL_FAILURE(Open(PaletteKind));
    GraphState.GraphStatus = StatusOutOfRange;
    SavePicture(Scratch("cleared.png"));
    EXPECT_EQ(Status(), StatusOk);
}

TEST_F(PictureTest, AMissingFolderFailsAndLeavesNothing) {
    ASSERT_NO_FATAL_FAILURE(Open(PaletteKind));
    SavePicture(Scratch("missing/picture.png"));
    EXPECT_EQ(Status(), StatusFileFailed);
    EXPECT_EQ(FolderEntries(ScratchFolder()), Names{});
}

TEST_F(PictureTest, AFolderThatIsAFileFailsAndLeavesTheFileAlone) {
    ASSERT_NO_FATAL_FAILURE(Open(DirectKind));
    WriteText(Scratch("plain"), "text");
    SavePicture(Scratch("plain/picture.png"));
    EXPECT_EQ(Status(), StatusFileFailed);
    EXPECT_EQ(FolderEntries(ScratchFolder()), Names{"plain"});
    EXPECT_EQ(ReadText(Scratch("plain")), "text");
}

TEST_F(PictureTest, AReadOnlyFolderFailsAndLeavesNothing) {
    ASSERT_NO_FATAL_FAILURE(Open(PaletteKind));
    const fs::path folder = ScratchFolder() / "read-only";
    fs::create_directory(folder);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    if (WritesThroughPermissions(folder))
        GTEST_SKIP() << "this user writes into read-only folders (root): the system folder test below covers it";
    SavePicture((folder / "picture.png").string());
    EXPECT_EQ(Status(), StatusFileFailed);
    EXPECT_EQ(FolderEntries(folder), Names{});
}

// /proc takes no new files from anyone, root included.
TEST_F(PictureTest, AFolderNobodyMayWriteFails) {
    if (!fs::is_directory("/proc/self")) GTEST_SKIP() << "no /proc on this system";
    ASSERT_NO_FATAL_FAILURE(Open(PaletteKind));
    SavePicture("/proc/lumenbox-picture.png");
    EXPECT_EQ(Status(), StatusFileFailed);
    EXPECT_FALSE(fs::exists("/proc/lumenbox-picture.png"));
}

// The temporary is written whole before the rename meets the folder.
TEST_F(PictureTest, APathNamingAFolderFailsAndRemovesItsTemporary) {
    ASSERT_NO_FATAL_FAILURE(Open(PaletteKind));
    fs::create_directory(ScratchFolder() / "taken");
    SavePicture(Scratch("taken"));
    EXPECT_EQ(Status(), StatusFileFailed);
    EXPECT_EQ(FolderEntries(ScratchFolder()), Names{"taken"});
    EXPECT_TRUE(fs::is_directory(ScratchFolder() / "taken"));
    SavePicture(Scratch("taken") + "/");
    EXPECT_EQ(Status(), StatusFileFailed);
    EXPECT_EQ(FolderEntries(ScratchFolder() / "taken"), Names{});
}

TEST_F(PictureTest, AnEmptyPathOrOneWithAZeroFails) {
    ASSERT_NO_FATAL_FAILURE(Open(PaletteKind));
    SavePicture("");
    EXPECT_EQ(Status(), StatusFileFailed);
    // Taken up to the zero, this would name another file.
    const std::string path = Scratch("cut") + std::string(1, '\0') + ".png";
    SavePicture(path);
    EXPECT_EQ(Status(), StatusFileFailed);
    EXPECT_EQ(FolderEntries(ScratchFolder()), Names{});
}

TEST_F(PictureTest, AnExistingFileIsReplacedWhole) {
    ASSERT_NO_FATAL_FAILURE(Open(SixteenColourKind));
    WriteText(Scratch("old.png"), std::string(100000, 'x'));
    SavePicture(Scratch("old.png"));
    ASSERT_EQ(Status(), StatusOk);
    DecodedPng picture;
    std::string error;
    EXPECT_TRUE(ReadPng(Scratch("old.png"), picture, error)) << error;
    EXPECT_EQ(FolderEntries(ScratchFolder()), Names{"old.png"});
}

// A bare name goes to the current folder, and its temporary too.
TEST_F(PictureTest, ABareNameIsWrittenInTheCurrentFolder) {
    ASSERT_NO_FATAL_FAILURE(Open(TwoColourKind));
    const fs::path previous = fs::current_path();
    fs::current_path(ScratchFolder());
    SavePicture("here.png");
    const std::int16_t status = Status();
    fs::current_path(previous);
    EXPECT_EQ(status, StatusOk);
    EXPECT_EQ(FolderEntries(ScratchFolder()), Names{"here.png"});
}

}  // namespace
}  // namespace lumenbox::picture_tests
