// Writing the document: the constant head, the 766-byte layout, the round
// trip through the reader, and saving that never destroys the old file.
#include "icon/reader.h"
#include "icon/writer.h"
#include "tests/support/icon_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class Writer : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = MakeScratchFolder();
        LoadStandardPalette(standard);
    }
    void TearDown() override { RemoveScratchFolder(folder); }

    Bytes Written(const Palette& pal, const PixelGrid& grid) {
        const std::string path = folder + "/out.ico";
        EXPECT_EQ(WriteIconFile(path.c_str(), pal, grid), 0);
        return ReadBytes(path);
    }

    // Only the named file (and no leftover temporary) is in the folder.
    std::vector<std::string> FolderEntries() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string folder;
    Palette standard{};
};

TEST(IconHeaderTemplate, HoldsTheDirectoryBitmapHeaderAndStandardColours) {
    // clang-format off
    const Bytes expected = {
        0, 0, 1, 0, 1, 0,                                           // reserved, icon, one image
        32, 32, 16, 0, 0, 0, 0, 0, 0xE8, 0x02, 0, 0, 22, 0, 0, 0,   // entry: 744 bytes at 22
        40, 0, 0, 0, 32, 0, 0, 0, 64, 0, 0, 0, 1, 0, 4, 0,          // size, width, height, planes, bits
        0, 0, 0, 0, 0x80, 0x02, 0, 0,                               // no compression, 640 bytes
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,             // resolutions, colour counts
        0, 0, 0, 0,        0, 0, 128, 0,      0, 128, 0, 0,      0, 128, 128, 0,
        128, 0, 0, 0,      128, 0, 128, 0,    128, 128, 0, 0,    128, 128, 128, 0,
        192, 192, 192, 0,  0, 0, 255, 0,      0, 255, 0, 0,      0, 255, 255, 0,
        255, 0, 0, 0,      255, 0, 255, 0,    255, 255, 0, 0,    255, 255, 255, 0,
    };
    // clang-format on
    ASSERT_EQ(expected.size(), 126u);
    EXPECT_EQ(Bytes(ICON_HEADER_TEMPLATE.begin(), ICON_HEADER_TEMPLATE.end()), expected);
    // The bitmap header starts with the reader's pattern.
    EXPECT_TRUE(std::equal(IMAGE_HEADER_PATTERN.begin(), IMAGE_HEADER_PATTERN.end(),
                           ICON_HEADER_TEMPLATE.begin() + 22));
}

TEST_F(Writer, NewDocumentIsTemplateThenWhiteThenOpaque) {
    const Bytes bytes = Written(standard, FilledGrid(15));
    ASSERT_EQ(bytes.size(), 766u);
    EXPECT_TRUE(
        std::equal(ICON_HEADER_TEMPLATE.begin(), ICON_HEADER_TEMPLATE.end(), bytes.begin()));
    for (int i = 126; i < 638; ++i) ASSERT_EQ(bytes[i], 0xFF) << "byte " << i;
    for (int i = 638; i < 766; ++i) ASSERT_EQ(bytes[i], 0x00) << "byte " << i;
}

TEST_F(Writer, AllTransparentIsNibbleZeroAndFullMask) {
    const Bytes bytes = Written(standard, FilledGrid(16));
    ASSERT_EQ(bytes.size(), 766u);
    for (int i = 126; i < 638; ++i) ASSERT_EQ(bytes[i], 0x00) << "byte " << i;
    for (int i = 638; i < 766; ++i) ASSERT_EQ(bytes[i], 0xFF) << "byte " << i;
}

TEST_F(Writer, TopLeftCellIsTheFirstByteOfTheLastRows) {
    PixelGrid grid = FilledGrid(15);
    grid[0] = 16;
    Bytes bytes = Written(standard, grid);
    EXPECT_EQ(bytes[622], 0x0F);
    EXPECT_EQ(bytes[762], 0x80);
    for (int i = 126; i < 638; ++i) {
        if (i != 622) {
            ASSERT_EQ(bytes[i], 0xFF) << "byte " << i;
        }
    }
    for (int i = 638; i < 766; ++i) {
        if (i != 762) {
            ASSERT_EQ(bytes[i], 0x00) << "byte " << i;
        }
    }
    grid[0] = 21; // transparent, keeping nibble 5
    bytes = Written(standard, grid);
    EXPECT_EQ(bytes[622], 0x5F);
    EXPECT_EQ(bytes[762], 0x80);
}

TEST_F(Writer, BottomRowComesFirstAndColumnsFillNibblesAndBits) {
    PixelGrid grid = FilledGrid(0);
    grid[31 * 32 + 0] = 0x3; // bottom row: first colour row in the file
    grid[31 * 32 + 1] = 0xA;
    grid[31 * 32 + 7] = 16 + 2;
    grid[31 * 32 + 31] = 31;
    grid[5 * 32 + 9] = 7; // row 5 is file row 26
    const Bytes bytes = Written(standard, grid);
    EXPECT_EQ(bytes[126], 0x3A);
    EXPECT_EQ(bytes[126 + 3], 0x02);
    EXPECT_EQ(bytes[126 + 15], 0x0F);
    EXPECT_EQ(bytes[638], 0x01);     // column 7: bit 0 of byte 0
    EXPECT_EQ(bytes[638 + 3], 0x01); // column 31: bit 0 of byte 3
    EXPECT_EQ(bytes[126 + 26 * 16 + 4], 0x07);
}

TEST_F(Writer, PaletteGoesIntoTheColourTableLowEightBits) {
    Palette pal = SamplePalette(5);
    pal[0] = 0x1AB; // only 0xAB goes out
    const Bytes bytes = Written(pal, FilledGrid(0));
    for (int k = 0; k < 16; ++k) {
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_EQ(bytes[62 + 4 * k + channel], pal[3 * k + channel] & 0xFF);
        EXPECT_EQ(bytes[62 + 4 * k + 3], 0);
    }
    // The rest of the head stays the template's.
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 62, ICON_HEADER_TEMPLATE.begin()));
}

TEST_F(Writer, EveryValueFromZeroToThirtyOneSurvivesAWriteAndARead) {
    for (int seed = 0; seed < 4; ++seed) {
        PixelGrid grid = SampleGrid(seed);
        for (int v = 0; v < 32; ++v) grid[v] = v; // make sure all 32 appear
        const Palette pal = SamplePalette(seed);
        const std::string path = folder + "/round.ico";
        ASSERT_EQ(WriteIconFile(path.c_str(), pal, grid), 0);
        EXPECT_EQ(ReadIconImageCount(path.c_str()), 1);
        Palette readPal{};
        PixelGrid readGrid{};
        ASSERT_EQ(ReadIconImage(path.c_str(), readPal, readGrid, 1), 0);
        EXPECT_EQ(readPal, pal);
        EXPECT_EQ(readGrid, grid);
    }
}

TEST_F(Writer, NewDocumentHasNoSecondImage) {
    const std::string path = folder + "/new.ico";
    ASSERT_EQ(WriteIconFile(path.c_str(), standard, FilledGrid(15)), 0);
    Palette pal{};
    PixelGrid grid{};
    EXPECT_EQ(ReadIconImage(path.c_str(), pal, grid, 2), 1);
}

TEST_F(Writer, ReplacesAnExistingFileAndLeavesNoTemporary) {
    const std::string path = folder + "/icon.ico";
    WriteBytes(path, Bytes(5000, 0x55)); // longer than an icon: nothing of it may remain
    ASSERT_EQ(WriteIconFile(path.c_str(), standard, FilledGrid(3)), 0);
    EXPECT_EQ(ReadBytes(path).size(), 766u);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"icon.ico"});
}

TEST_F(Writer, LeavesOtherFilesBesideTheTargetAlone) {
    // Files that look like leftovers of an earlier save are not ours to overwrite.
    const std::string path = folder + "/icon.ico";
    const Bytes other(100, 0x77);
    WriteBytes(path + ".save0.tmp", other);
    WriteBytes(path + ".save1.tmp", other);
    ASSERT_EQ(WriteIconFile(path.c_str(), standard, FilledGrid(3)), 0);
    EXPECT_EQ(ReadBytes(path + ".save0.tmp"), other);
    EXPECT_EQ(ReadBytes(path + ".save1.tmp"), other);
    EXPECT_EQ(ReadBytes(path).size(), 766u);
    EXPECT_EQ(FolderEntries().size(), 3u);
}

TEST_F(Writer, TargetThatIsAFolderFailsAndLeavesNoTemporary) {
    const std::string path = folder + "/sub";
    std::filesystem::create_directory(path);
    EXPECT_EQ(WriteIconFile(path.c_str(), standard, FilledGrid(3)), 1);
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"sub"});
}

TEST_F(Writer, FolderThatIsAFileFails) {
    // No temporary and no target can be made below a regular file, whoever runs the test.
    const std::string file = folder + "/plain";
    WriteBytes(file, Bytes(10, 1));
    EXPECT_EQ(WriteIconFile((file + "/icon.ico").c_str(), standard, FilledGrid(3)), 1);
    EXPECT_EQ(ReadBytes(file), Bytes(10, 1));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"plain"});
}

TEST_F(Writer, MissingFolderFails) {
    EXPECT_EQ(WriteIconFile((folder + "/no/such/icon.ico").c_str(), standard, FilledGrid(3)), 1);
    EXPECT_TRUE(FolderEntries().empty());
}

} // namespace
