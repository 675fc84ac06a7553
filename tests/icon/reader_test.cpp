// Reading images out of icon files: the directory count, the scan for the
// n-th 32 x 32, 16-colour header, the cell decoding, and bad input.
#include "icon/reader.h"
#include "tests/support/icon_files.h"
#include "naive_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {

class Reader : public ::testing::Test {
  protected:
    void SetUp() override { folder = MakeScratchFolder(); }
    void TearDown() override { RemoveScratchFolder(folder); }

    std::string Write(const std::string& name, const Bytes& bytes) {
        const std::string path = folder + "/" + name;
        WriteBytes(path, bytes);
        return path;
    }

    // Reads image n into a palette and grid full of a marker, so that a
    // failed read can be seen to leave them alone.
    int Read(const std::string& path, int n) {
        pal.fill(-1);
        grid.fill(-1);
        return ReadIconImage(path.c_str(), pal, grid, n);
    }

    void ExpectUntouched() {
        for (int value : pal) ASSERT_EQ(value, -1);
        for (int value : grid) ASSERT_EQ(value, -1);
    }

    std::string folder;
    Palette pal{};
    PixelGrid grid{};
};

Bytes Image32(int seed) {
    return MakeImage32x4(SamplePalette(seed), SampleGrid(seed));
}

TEST_F(Reader, CountIsTheLowByteAtOffsetFour) {
    Bytes bytes = MakeIconFile({Image32(1)});
    EXPECT_EQ(ReadIconImageCount(Write("one.ico", bytes).c_str()), 1);
    bytes[4] = 0xFE;
    bytes[5] = 0x01; // the high byte is not read
    EXPECT_EQ(ReadIconImageCount(Write("many.ico", bytes).c_str()), 254);
    bytes[4] = 0;
    EXPECT_EQ(ReadIconImageCount(Write("none.ico", bytes).c_str()), 0);
    EXPECT_EQ(ReadIconImageCount(Write("five.ico", Bytes{0, 0, 1, 0, 7}).c_str()), 7);
    EXPECT_EQ(ReadIconImageCount(Write("four.ico", Bytes{0, 0, 1, 0}).c_str()), -1);
}

TEST_F(Reader, DecodesNibblesMaskBitsAndBottomUpRows) {
    Palette written = SamplePalette(3);
    PixelGrid cells{};
    cells.fill(15);
    Bytes image = MakeImage32x4(written, cells);
    image[104] = 0x3A;                // first stored colour byte: bottom row, columns 0 and 1
    image[616] = 0x81;                // first stored mask byte: bottom row, columns 0 and 7
    image[104 + 16 * 31 + 15] = 0x50; // last colour byte: top row, columns 30 and 31
    image[616 + 4 * 31 + 3] = 0x02;   // last mask byte: top row, column 30
    image[616 + 4 * 31] = 0x40;       // top row, column 1
    ASSERT_EQ(Read(Write("cells.ico", MakeIconFile({image})), 1), 0);
    EXPECT_EQ(pal, written);
    EXPECT_EQ(grid[31 * 32 + 0], 3 + 16);
    EXPECT_EQ(grid[31 * 32 + 1], 10);
    EXPECT_EQ(grid[31 * 32 + 7], 15 + 16);
    EXPECT_EQ(grid[0 * 32 + 30], 5 + 16);
    EXPECT_EQ(grid[0 * 32 + 31], 0);
    EXPECT_EQ(grid[0 * 32 + 1], 15 + 16);
    int changed = 0;
    for (int cell : grid) changed += cell != 15;
    EXPECT_EQ(changed, 6);
}

TEST_F(Reader, MaskOverNibbleZeroIsSixteenAndOverFiveIsTwentyOne) {
    PixelGrid cells{};
    cells.fill(0);
    cells[5] = 16;
    cells[6] = 21;
    ASSERT_EQ(Read(Write("mask.ico", MakeIconFile({MakeImage32x4(SamplePalette(1), cells)})), 1),
              0);
    EXPECT_EQ(grid, cells);
}

TEST_F(Reader, PaletteDropsTheReservedByte) {
    Bytes image = Image32(4);
    for (int k = 0; k < 16; ++k) image[40 + 4 * k + 3] = 0xAA;
    ASSERT_EQ(Read(Write("reserved.ico", MakeIconFile({image})), 1), 0);
    EXPECT_EQ(pal, SamplePalette(4));
}

TEST_F(Reader, ImagesOfOtherKindsAreSkippedUncounted) {
    // 32x32 4-bit, 16x16 4-bit, 32x32 8-bit, 48x48 32-bit, 32x32 4-bit.
    const Bytes file = MakeIconFile({Image32(10), MakeImage(16, 16, 4, 1), MakeImage(32, 32, 8, 2),
                                     MakeImage(48, 48, 32, 3), Image32(11)});
    const std::string path = Write("mixed.ico", file);
    EXPECT_EQ(ReadIconImageCount(path.c_str()), 5);
    ASSERT_EQ(Read(path, 1), 0);
    EXPECT_EQ(grid, SampleGrid(10));
    ASSERT_EQ(Read(path, 2), 0);
    EXPECT_EQ(pal, SamplePalette(11));
    EXPECT_EQ(grid, SampleGrid(11));
    EXPECT_EQ(Read(path, 3), 1);
    ExpectUntouched();
}

TEST_F(Reader, FirstImageOfAnotherKindThen32x32) {
    const std::string path =
        Write("second.ico", MakeIconFile({MakeImage(16, 16, 4, 5), Image32(6)}));
    ASSERT_EQ(Read(path, 1), 0);
    EXPECT_EQ(grid, SampleGrid(6));
    EXPECT_EQ(Read(path, 2), 1);
}

TEST_F(Reader, OneImageFollowedBy16x16Gives1078BytesAndOneImage) {
    const Bytes file = MakeIconFile({Image32(7), MakeImage(16, 16, 4, 8)});
    ASSERT_EQ(file.size(), 1078u);
    const std::string path = Write("two.ico", file);
    EXPECT_EQ(ReadIconImageCount(path.c_str()), 2);
    EXPECT_EQ(Read(path, 1), 0);
    EXPECT_EQ(Read(path, 2), 1);
}

TEST_F(Reader, PatternInsideOtherDataCountsAsAnImage) {
    // A 256-colour image whose pixels happen to hold a complete 32x32 4-bit image.
    Bytes other = MakeImage(32, 32, 8, 9);
    const Bytes hidden = Image32(12);
    const std::size_t inside = 40 + 1024 + 100;
    std::memcpy(other.data() + inside, hidden.data(), hidden.size());
    const Bytes file = MakeIconFile({other, Image32(13)});
    const std::string path = Write("hidden.ico", file);
    ASSERT_EQ(Read(path, 1), 0);
    EXPECT_EQ(grid, SampleGrid(12));
    ASSERT_EQ(Read(path, 2), 0);
    EXPECT_EQ(grid, SampleGrid(13));
    EXPECT_EQ(Read(path, 3), 1);
}

TEST_F(Reader, PatternInsideAFoundImageCountsToo) {
    // A match does not make the scan jump over its image.
    Bytes first = Image32(15);
    std::memcpy(first.data() + 200, IMAGE_HEADER_PATTERN.data(), IMAGE_HEADER_PATTERN.size());
    const Bytes file = MakeIconFile({first, Image32(16)});
    const std::string path = Write("nested.ico", file);
    ASSERT_EQ(Read(path, 1), 0);
    EXPECT_EQ(pal, SamplePalette(15));
    ASSERT_EQ(Read(path, 2), 0);
    Palette expectedPal{};
    for (int k = 0; k < 16; ++k) {
        for (int channel = 0; channel < 3; ++channel)
            expectedPal[3 * k + channel] = file[38 + 200 + 40 + 4 * k + channel];
    }
    EXPECT_EQ(pal, expectedPal);
    ASSERT_EQ(Read(path, 3), 0);
    EXPECT_EQ(grid, SampleGrid(16));
    EXPECT_EQ(Read(path, 4), 1);
}

TEST_F(Reader, PatternNeedsAllFifteenBytes) {
    // The high byte of the bit count is not part of the pattern; the planes' high byte is.
    Bytes image = Image32(14);
    image[15] = 0x7F;
    EXPECT_EQ(Read(Write("high.ico", MakeIconFile({image})), 1), 0);
    for (int at = 0; at < 15; ++at) {
        Bytes broken = Image32(14);
        broken[at] ^= 0x01;
        EXPECT_EQ(Read(Write("broken.ico", MakeIconFile({broken})), 1), 1) << "byte " << at;
        ExpectUntouched();
    }
}

TEST_F(Reader, ZeroAndNegativeImageNumbersAreNeverFound) {
    const std::string path = Write("one.ico", MakeIconFile({Image32(1), Image32(2)}));
    for (int n : {0, -1, -2, -2147483647 - 1}) {
        EXPECT_EQ(Read(path, n), 1) << "n = " << n;
        ExpectUntouched();
    }
}

TEST_F(Reader, EmptyFileGivesNoCountAndNoImage) {
    const std::string path = Write("empty.ico", {});
    EXPECT_EQ(ReadIconImageCount(path.c_str()), -1);
    EXPECT_EQ(Read(path, 1), 1);
    ExpectUntouched();
}

TEST_F(Reader, MissingFileGivesNoCountAndNoImage) {
    const std::string path = folder + "/missing.ico";
    EXPECT_EQ(ReadIconImageCount(path.c_str()), -1);
    EXPECT_EQ(Read(path, 1), 1);
    ExpectUntouched();
}

TEST_F(Reader, FolderGivesNoCountAndNoImage) {
    EXPECT_EQ(ReadIconImageCount(folder.c_str()), -1);
    EXPECT_EQ(Read(folder, 1), 1);
    ExpectUntouched();
}

TEST_F(Reader, EveryTruncationOfAValidFileIsRejectedWhole) {
    const Bytes file = MakeIconFile({Image32(20)});
    ASSERT_EQ(file.size(), 766u);
    for (std::size_t size = 1; size < file.size(); ++size) {
        const std::string path = Write("cut.ico", Bytes(file.begin(), file.begin() + size));
        EXPECT_EQ(ReadIconImageCount(path.c_str()), size >= 5 ? 1 : -1) << size << " bytes";
        EXPECT_EQ(Read(path, 1), 1) << size << " bytes";
        ExpectUntouched();
        Palette naivePal{};
        PixelGrid naiveGrid{};
        EXPECT_EQ(NaiveReadIconImage(path.c_str(), naivePal, naiveGrid, 1), 1);
    }
    EXPECT_EQ(Read(Write("whole.ico", file), 1), 0);
}

TEST_F(Reader, HeaderAtTheVeryEndIsFoundButNotLoaded) {
    // Pattern in the last 15 bytes: a match, but its image runs past the end.
    Bytes file = MakeIconFile({Image32(21)});
    file.insert(file.end(), IMAGE_HEADER_PATTERN.begin(), IMAGE_HEADER_PATTERN.end());
    const std::string path = Write("tail.ico", file);
    EXPECT_EQ(Read(path, 1), 0);
    EXPECT_EQ(Read(path, 2), 1);
    ExpectUntouched();
    // Exactly 744 bytes from the header to the end is enough.
    EXPECT_EQ(Read(Write("exact.ico", Bytes(file.begin() + 22, file.end() - 15)), 1), 0);
}

TEST_F(Reader, LargeFileOfNoiseWithImagesPlantedInIt) {
    // 100 MB of noise; a few images dropped in, one cut off by the end of the file.
    constexpr std::size_t SIZE = 100u << 20;
    Bytes noise(SIZE);
    std::mt19937_64 random(42);
    for (std::size_t i = 0; i + 8 <= SIZE; i += 8) {
        const std::uint64_t word = random();
        std::memcpy(noise.data() + i, &word, 8);
    }
    const std::string plain = Write("noise.ico", noise);
    EXPECT_EQ(ReadIconImageCount(plain.c_str()), noise[4]);
    EXPECT_EQ(Read(plain, 1), 1);
    ExpectUntouched();

    const std::size_t offsets[] = {1, SIZE / 2 + 3, SIZE - 1200};
    for (int i = 0; i < 3; ++i) {
        const Bytes image = Image32(30 + i);
        std::memcpy(noise.data() + offsets[i], image.data(), image.size());
    }
    const std::size_t cut = SIZE - 300;
    std::memcpy(noise.data() + cut, IMAGE_HEADER_PATTERN.data(), IMAGE_HEADER_PATTERN.size());
    const std::string planted = Write("planted.ico", noise);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(Read(planted, i + 1), 0) << "image " << i + 1;
        EXPECT_EQ(pal, SamplePalette(30 + i));
        EXPECT_EQ(grid, SampleGrid(30 + i));
    }
    // The fourth header has only 300 bytes after it.
    EXPECT_EQ(Read(planted, 4), 1);
    ExpectUntouched();
}

TEST_F(Reader, AgreesWithThePositionByPositionReference) {
    // Small files with patterns at awkward places: start, overlapping data, end.
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        Bytes file(20 + random() % 2500);
        for (auto& byte : file) byte = static_cast<std::uint8_t>(random() % 4 == 0 ? random() : 0);
        const int plants = static_cast<int>(random() % 4);
        for (int p = 0; p < plants; ++p) {
            const Bytes image = Image32(static_cast<int>(random()));
            const std::size_t at = random() % file.size();
            const std::size_t count = std::min(image.size(), file.size() - at);
            std::memcpy(file.data() + at, image.data(), count);
        }
        const std::string path = Write("mixed.ico", file);
        EXPECT_EQ(ReadIconImageCount(path.c_str()), NaiveReadIconImageCount(path.c_str()));
        for (int n = 0; n <= plants + 1; ++n) {
            Palette naivePal{};
            PixelGrid naiveGrid{};
            naivePal.fill(-1);
            naiveGrid.fill(-1);
            const int expected = NaiveReadIconImage(path.c_str(), naivePal, naiveGrid, n);
            ASSERT_EQ(Read(path, n), expected) << "round " << round << ", n = " << n;
            EXPECT_EQ(pal, naivePal);
            EXPECT_EQ(grid, naiveGrid);
        }
    }
}

} // namespace
