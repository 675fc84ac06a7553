// Damaged and hostile files opened through the real "Öppna..." command and the
// real open dialog: each gives exactly the notices and the count that a plain
// scan of its bytes calls for, the title names it, and the document is either
// the image that was read or the one that was there before. Nothing else.
#include "app/editor_state.h"
#include "icon/document.h"
#include "naive_reader.h"
#include "tests/app/editor_harness.h"
#include "tests/app/hook_answerer.h"
#include "tests/support/icon_files.h"
#include "toolkit/window/dialogs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

const std::string OPEN_CAPTION = "\xD6ppnameddelande";
const std::string OPEN_DIALOG_TITLE = "\xD6ppna ikon...";
constexpr int LARGE_FILE_BYTES = 100 * 1024 * 1024;

std::string NotKindText(int k) {
    return "Image " + std::to_string(k) + " \xE4r inte av typen\n32x32 pixel och 16 f\xE4rger!";
}

// What the user sees after an Open: the notices for the images that could not
// be read, the count, and the image last read into the editor.
struct Outcome {
    std::vector<int> notKind; // image numbers reported, in order
    int count = 0;
    int loaded = 0; // 0: no image was read, the document stays
    Palette palette{};
    PixelGrid grid{};
};

// Counts and images exactly as a literal byte-by-byte scan finds them: images
// 1 to min(count, 6) are tried in turn.
Outcome Expected(const Bytes& file) {
    Outcome outcome;
    outcome.count = file.size() >= 5 ? file[4] : -1;
    for (int k = 1; k <= 6 && k <= outcome.count; ++k) {
        Palette pal{};
        PixelGrid grid{};
        if (NaiveReadIconImageFromBytes(file.data(), file.size(), pal, grid, k) == 0) {
            outcome.loaded = k;
            outcome.palette = pal;
            outcome.grid = grid;
        } else {
            outcome.notKind.push_back(k);
        }
    }
    return outcome;
}

Outcome NothingRead(int count, std::vector<int> notKind) {
    Outcome outcome;
    outcome.count = count;
    outcome.notKind = std::move(notKind);
    return outcome;
}

Outcome Read(int count, int loaded, const Bytes& image, std::vector<int> notKind) {
    Outcome outcome;
    outcome.count = count;
    outcome.loaded = loaded;
    outcome.notKind = std::move(notKind);
    // The image's own bytes, scanned alone, give its palette and grid.
    NaiveReadIconImageFromBytes(image.data(), image.size(), outcome.palette, outcome.grid, 1);
    return outcome;
}

// Image k of a test file: a sample document of its own, with no header
// pattern in its cells.
Bytes SampleImage(int k) {
    return MakeImage32x4(SamplePalette(100 + k), SampleGrid(200 + k));
}

// The first 15 bytes of a 32 x 32, 16-colour image header: by these the
// editor finds its images.
const Bytes HEADER_PATTERN = {0x28, 0, 0, 0, 0x20, 0, 0, 0, 0x40, 0, 0, 0, 0x01, 0, 0x04};

class HostileOpen : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        folder = TestCaseFolder();
    }
    void TearDown() override {
        for (const std::string& path : written) DeleteFileA(path.c_str());
        RemoveDirectoryA(folder.c_str());
        if (opens > 0) {
            std::printf("[ figures  ] %d opens through the dialog, %.0f ms each\n", opens,
                        1000.0 * openSeconds / opens);
        }
        EditorTest::TearDown();
    }

    std::string Write(const std::string& name, const Bytes& bytes) {
        const std::string path = folder + name;
        WriteBytes(path, bytes);
        written.push_back(path);
        return path;
    }

    // A document that no test file holds, so that an unchanged document shows.
    void PutPreviousDocument(int seed) {
        previousPalette = SamplePalette(seed);
        previousGrid = SampleGrid(seed);
        palette = previousPalette;
        pixelGrid = previousGrid;
    }

    // "Öppna..." with the path typed into the dialog; every notice gets OK.
    std::vector<ShownBox> OpenThroughDialog(const std::string& path) {
        std::vector<HookAnswer> script = {{HookReply::FileName, path}};
        for (int k = 0; k < 8; ++k) script.push_back({HookReply::Ok, ""});
        const auto start = std::chrono::steady_clock::now();
        StartHookAnswers(script);
        SendMessageA(window, WM_COMMAND, ID_OPEN, 0);
        auto boxes = StopHookAnswers();
        // Only the canvases and the state are looked at: the repaint can wait.
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        openSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ++opens;
        return boxes;
    }

    // Opens the file and checks everything the user can see against outcome.
    void ExpectOpen(const std::string& path, const Outcome& outcome, const std::string& what) {
        SCOPED_TRACE(what);
        const auto boxes = OpenThroughDialog(path);
        ASSERT_FALSE(boxes.empty());
        EXPECT_TRUE(boxes[0].fileDialog);
        EXPECT_EQ(boxes[0].caption, OPEN_DIALOG_TITLE);
        EXPECT_FALSE(boxes[0].stayedOpen);
        ASSERT_EQ(boxes.size(), 1 + outcome.notKind.size());
        for (size_t i = 0; i < outcome.notKind.size(); ++i) {
            EXPECT_EQ(boxes[1 + i].caption, OPEN_CAPTION);
            EXPECT_EQ(boxes[1 + i].text, NotKindText(outcome.notKind[i]));
        }
        EXPECT_EQ(imageCount, outcome.count);
        EXPECT_EQ(std::string(openPath), path);
        EXPECT_EQ(WindowTitle(window), path);
        if (outcome.loaded > 0) {
            EXPECT_EQ(palette, outcome.palette);
            EXPECT_EQ(pixelGrid, outcome.grid);
        } else {
            EXPECT_EQ(palette, previousPalette);
            EXPECT_EQ(pixelGrid, previousGrid);
        }
        // Only the button of the last image read is pushed and disabled.
        const int marked = outcome.loaded > 4 ? 4 : outcome.loaded;
        HWND buttons[] = {imageButton1, imageButton2, imageButton3, imageButton4};
        HDC thumbnails[] = {thumbCanvas1, thumbCanvas2, thumbCanvas3, thumbCanvas4};
        for (int b = 1; b <= 4; ++b) {
            EXPECT_EQ(ButtonPushed(buttons[b - 1]), b == marked) << "button " << b;
            EXPECT_EQ(ButtonEnabled(buttons[b - 1]), b != marked) << "button " << b;
            // Images not read leave their thumbnails wiped.
            if (b > outcome.loaded) {
                EXPECT_EQ(CanvasPixel(thumbnails[b - 1], 16, 16), DARK_GREY) << "thumbnail " << b;
            }
        }
    }

    std::string folder;
    std::vector<std::string> written;
    Palette previousPalette{};
    PixelGrid previousGrid{};
    int opens = 0;
    double openSeconds = 0;
};

TEST_F(HostileOpen, EmptyFileReadsNoCountAndSaysNothing) {
    PutPreviousDocument(1);
    ExpectOpen(Write("empty.ico", {}), NothingRead(-1, {}), "empty");
}

// Lengths of a valid one-image file to open cut short. The open dialog costs
// from 70 to over 400 ms under Wine, so the test command takes every length
// of the directory and the header pattern, a few around each later boundary,
// and every 9th between; PRICKVERKET_EVERY_TRUNCATION=1 takes all 767.
std::vector<size_t> OneImageTruncations(size_t fileBytes) {
    const char* every = std::getenv("PRICKVERKET_EVERY_TRUNCATION");
    std::vector<size_t> lengths;
    for (size_t length = 0; length <= fileBytes; ++length) {
        const bool headOrPattern = length <= 22 + 16;
        const bool nearBoundary =
            length % 9 == 0 || (length >= 22 + 40 - 1 && length <= 22 + 40 + 1) ||
            (length >= 22 + 104 - 1 && length <= 22 + 104 + 1) ||
            (length >= 22 + 616 - 1 && length <= 22 + 616 + 1) || length + 3 >= fileBytes;
        if ((every != nullptr && std::strcmp(every, "1") == 0) || headOrPattern || nearBoundary)
            lengths.push_back(length);
    }
    return lengths;
}

// Lengths from 0 to 766 of a valid one-image file. Up to 4 bytes there is no
// count; from 5 bytes the count is 1 and the image is reported until the whole
// image is there; only the full 766 bytes are read.
TEST_F(HostileOpen, TruncationsOfAOneImageFile) {
    const Bytes image = SampleImage(1);
    const Bytes file = MakeIconFile({image});
    ASSERT_EQ(file.size(), 766u);
    const std::string path = folder + "cut.ico";
    written.push_back(path);
    for (size_t length : OneImageTruncations(file.size())) {
        PutPreviousDocument(static_cast<int>(length));
        WriteBytes(path, Bytes(file.begin(), file.begin() + length));
        Outcome outcome = length <= 4    ? NothingRead(-1, {})
                          : length < 766 ? NothingRead(1, {1})
                                         : Read(1, 1, image, {});
        ExpectOpen(path, outcome, std::to_string(length) + " bytes");
        if (HasFailure()) break; // one length is enough to see a fault
    }
}

// A file of several images with one of another kind among them: count 3, a
// 32 x 32 image, a 16 x 16 one, then a 32 x 32 one (the file's second readable
// image). Every length around each boundary, and every 23rd length between.
TEST_F(HostileOpen, TruncationsOfAFileWithSeveralImages) {
    const Bytes file = MakeIconFile({SampleImage(1), MakeImage16x4(5), SampleImage(3)});
    const long first = 6 + 3 * 16, second = first + 744 + 296, end = second + 744;
    ASSERT_EQ(file.size(), static_cast<size_t>(end));
    std::vector<long> lengths;
    for (long boundary : {0L, 5L, first, first + 15, first + 744, second, second + 15, end}) {
        for (long d = -2; d <= 1; ++d) {
            if (boundary + d >= 0 && boundary + d <= end) lengths.push_back(boundary + d);
        }
    }
    for (long length = 1; length < end; length += 23) lengths.push_back(length);
    const std::string path = folder + "several.ico";
    written.push_back(path);
    for (long length : lengths) {
        PutPreviousDocument(static_cast<int>(length));
        const Bytes cut(file.begin(), file.begin() + length);
        WriteBytes(path, cut);
        const Outcome outcome = Expected(cut);
        // The same outcome, told by hand from the file's layout.
        if (length < 5) {
            ASSERT_EQ(outcome.count, -1) << length;
        } else {
            ASSERT_EQ(outcome.loaded, length == end ? 2 : length >= first + 744 ? 1 : 0) << length;
        }
        ExpectOpen(path, outcome, std::to_string(length) + " bytes");
        if (HasFailure()) break;
    }
}

// 100 MB of zeros (made sparse, in a moment) whose directory announces two
// images and whose only image is its last 744 bytes: image 1 is read, image 2
// reported.
TEST_F(HostileOpen, HundredMegabytesWithItsOnlyImageAtTheEnd) {
    const Bytes image = SampleImage(7);
    const Bytes head = MakeIconFile(2, {});
    const std::string path = folder + "large.ico";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    written.push_back(path);
    DWORD done = 0;
    LARGE_INTEGER at;
    at.QuadPart = LARGE_FILE_BYTES - static_cast<LONGLONG>(image.size());
    const bool made =
        WriteFile(file, head.data(), static_cast<DWORD>(head.size()), &done, nullptr) &&
        SetFilePointerEx(file, at, nullptr, FILE_BEGIN) &&
        WriteFile(file, image.data(), static_cast<DWORD>(image.size()), &done, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(made);
    WIN32_FILE_ATTRIBUTE_DATA attributes;
    ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &attributes));
    ASSERT_EQ(attributes.nFileSizeLow, static_cast<DWORD>(LARGE_FILE_BYTES));
    PutPreviousDocument(3);
    const auto start = std::chrono::steady_clock::now();
    ExpectOpen(path, Read(2, 1, image, {2}), "100 MB");
    std::printf(
        "[ figures  ] opening the 100 MB file: %.0f ms\n",
        1000.0 * std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

// Seeded noise of many lengths: whatever the count byte says, every image it
// announces (up to six) is reported, unless the noise holds a whole image.
TEST_F(HostileOpen, RandomBytes) {
    std::mt19937 random(20240605);
    for (int round = 0; round < 12; ++round) {
        Bytes noise(random() % 5000);
        for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
        // Some rounds with a small count, so that counts below 6 are seen too.
        if (round % 3 == 0 && noise.size() > 4) noise[4] = static_cast<std::uint8_t>(round / 3);
        PutPreviousDocument(round);
        ExpectOpen(Write("noise" + std::to_string(round) + ".ico", noise), Expected(noise),
                   "round " + std::to_string(round) + ", " + std::to_string(noise.size()) +
                       " bytes");
    }
}

// The dialog does not hand a folder back: it goes into it and stays open, and
// the user, finding no icon, cancels. Nothing of the editor changes.
TEST_F(HostileOpen, AFolderIsEnteredAndTheCancelIsReported) {
    const Bytes image = SampleImage(2);
    const std::string before = Write("before.ico", MakeIconFile({image}));
    ExpectOpen(before, Read(1, 1, image, {}), "an icon first");
    const std::string inner = folder + "inner.ico"; // a folder that looks like an icon
    ASSERT_TRUE(CreateDirectoryA(inner.c_str(), nullptr));
    for (const std::string& path : {inner, inner + "\\", folder}) {
        SCOPED_TRACE(path);
        const PixelGrid grid = pixelGrid;
        const auto boxes = OpenThroughDialog(path);
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_TRUE(boxes[0].fileDialog);
        EXPECT_TRUE(boxes[0].stayedOpen);
        EXPECT_EQ(boxes[1].caption, OPEN_CAPTION);
        EXPECT_EQ(boxes[1].text, "Avbryt valdes!");
        EXPECT_EQ(imageCount, 1);
        EXPECT_EQ(std::string(openPath), before);
        EXPECT_EQ(WindowTitle(window), before);
        EXPECT_EQ(pixelGrid, grid);
        EXPECT_TRUE(ButtonPushed(imageButton1));
    }
    RemoveDirectoryA(inner.c_str());
}

// A path of exactly length characters to a file name in a folder of its own
// inside base. The file is made through the wide API with the \\?\ prefix, so
// that it exists even where the path is too long for the editor.
std::string LongPath(const std::string& base, size_t length, const Bytes& bytes) {
    const std::string sub = base + std::string(170 - base.size(), 'd');
    const std::string path = sub + "\\" + std::string(length - sub.size() - 5, 'f') + ".ico";
    const std::wstring wide = L"\\\\?\\" + std::wstring(path.begin(), path.end());
    CreateDirectoryW(std::wstring(wide.begin(), wide.begin() + 4 + sub.size()).c_str(), nullptr);
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD done = 0;
    if (file == INVALID_HANDLE_VALUE) return "";
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    CloseHandle(file);
    return done == bytes.size() ? path : "";
}

// The header pattern as the last 15 bytes of a file is found, but its image
// runs past the end: reported, never half read.
TEST_F(HostileOpen, HeaderPatternAtTheVeryEnd) {
    const Bytes image = SampleImage(4);
    Bytes alone = MakeIconFile(1, {});
    alone.insert(alone.end(), 300, 0x55);
    alone.insert(alone.end(), HEADER_PATTERN.begin(), HEADER_PATTERN.end());
    PutPreviousDocument(1);
    ExpectOpen(Write("end1.ico", alone), NothingRead(1, {1}), "the pattern alone at the end");

    Bytes after = MakeIconFile(2, {image});
    after.insert(after.end(), HEADER_PATTERN.begin(), HEADER_PATTERN.end());
    PutPreviousDocument(2);
    ExpectOpen(Write("end2.ico", after), Read(2, 1, image, {2}), "after a whole image");

    Bytes cutPattern = MakeIconFile(1, {});
    cutPattern.insert(cutPattern.end(), HEADER_PATTERN.begin(), HEADER_PATTERN.end() - 1);
    PutPreviousDocument(3);
    ExpectOpen(Write("end3.ico", cutPattern), NothingRead(1, {1}), "the pattern cut by a byte");

    // A whole image that ends exactly where the file ends, after noise.
    Bytes last = MakeIconFile(1, {});
    last.insert(last.end(), 1000, 0x61);
    last.insert(last.end(), image.begin(), image.end());
    PutPreviousDocument(4);
    ExpectOpen(Write("end4.ico", last), Read(1, 1, image, {}), "a whole image last");
    last.pop_back();
    PutPreviousDocument(5);
    ExpectOpen(Write("end5.ico", last), NothingRead(1, {1}), "that image one byte short");
}

// Images whose bytes overlap: a header inside another image's colour table,
// colour rows or mask. Each header counts, and each image is read from where
// its header is, whatever else its bytes belong to.
TEST_F(HostileOpen, HeadersThatOverlapEachOther) {
    struct Case {
        const char* what;
        long inner; // where the second header starts, from the first one
        int count;
        long tail; // bytes after the first image
    };
    const Case cases[] = {
        {"in the colour table, both whole", 40, 3, 40},
        {"in the colour rows, the second cut", 300, 2, 0},
        {"in the colour rows, both whole", 300, 2, 300},
        {"at the mask, both whole", 616, 2, 616},
        {"across colour rows and mask", 610, 2, 610},
    };
    int seed = 10;
    for (const Case& c : cases) {
        Bytes file = MakeIconFile(c.count, {SampleImage(seed)});
        const long first = 6 + 16;
        std::copy(HEADER_PATTERN.begin(), HEADER_PATTERN.end(), file.begin() + first + c.inner);
        file.insert(file.end(), c.tail, 0x5A);
        Outcome outcome = Expected(file);
        // Told by hand: image 2 is read exactly when its 744 bytes are there.
        const bool secondWhole = c.tail >= c.inner;
        ASSERT_EQ(outcome.loaded, secondWhole ? 2 : 1) << c.what;
        ASSERT_EQ(outcome.notKind,
                  secondWhole ? std::vector<int>(c.count - 2, 3) : std::vector<int>{2})
            << c.what;
        PutPreviousDocument(seed);
        ExpectOpen(Write("overlap" + std::to_string(seed) + ".ico", file), outcome, c.what);
        ++seed;
    }
}

// A count byte of 255 over one image: images 2 to 6 are reported, the count
// stays 255, and image 1 stays in the editor.
TEST_F(HostileOpen, CountOf255OverASingleImage) {
    const Bytes image = SampleImage(5);
    PutPreviousDocument(5);
    ExpectOpen(Write("count255.ico", MakeIconFile(255, {image})),
               Read(255, 1, image, {2, 3, 4, 5, 6}), "count 255");
}

// Names with letters of Windows-1252 are typed, opened and shown in the title.
TEST_F(HostileOpen, NamesWithSwedishLetters) {
    int seed = 20;
    for (const std::string name :
         {"F\xE4rg.ico", "\xD6ppen bild \xE5\xE4\xF6.ico", "\xC5ngstr\xF6m \xC4\xE9\xFC.ico"}) {
        const Bytes image = SampleImage(seed);
        const std::string path = Write(name, MakeIconFile({image}));
        ASSERT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << name;
        PutPreviousDocument(seed++);
        ExpectOpen(path, Read(1, 1, image, {}), name);
    }
}

// The open dialog may return several files, so it hands back a path with two
// terminators: 258 characters is the longest that the 260 of the editor's path
// buffer take. A longer path is never cut short and read: the dialog gives up,
// the command reports a cancellation, and nothing changes.
TEST_F(HostileOpen, PathsOf258To261Characters) {
    const Bytes image = SampleImage(30);
    const std::string before = Write("before.ico", MakeIconFile({image}));
    std::vector<std::string> made;
    for (size_t length : {258u, 259u, 260u, 261u}) {
        SCOPED_TRACE(length);
        const std::string path = LongPath(folder, length, MakeIconFile({image}));
        ASSERT_EQ(path.size(), length);
        made.push_back(path);
        ExpectOpen(before, Read(1, 1, image, {}), "a short path first");
        if (length == 258) {
            ExpectOpen(path, Read(1, 1, image, {}), "the longest path");
            continue;
        }
        PutPreviousDocument(static_cast<int>(length));
        const auto boxes = OpenThroughDialog(path);
        ASSERT_GE(boxes.size(), 2u);
        EXPECT_TRUE(boxes.front().fileDialog);
        // Wine's dialog may first say that it cannot find the file.
        EXPECT_EQ(boxes.back().caption, OPEN_CAPTION);
        EXPECT_EQ(boxes.back().text, "Avbryt valdes!");
        EXPECT_EQ(std::string(openPath), before);
        EXPECT_EQ(WindowTitle(window), before);
        EXPECT_EQ(imageCount, 1);
        EXPECT_EQ(palette, previousPalette);
        EXPECT_EQ(pixelGrid, previousGrid);
        // The image buttons still read the file opened before.
        SendMessageA(window, WM_COMMAND, ID_IMAGE1, 0);
        EXPECT_EQ(pixelGrid, Read(1, 1, image, {}).grid);
    }
    for (const std::string& path : made) {
        const std::wstring wide = L"\\\\?\\" + std::wstring(path.begin(), path.end());
        DeleteFileW(wide.c_str());
        RemoveDirectoryW(wide.substr(0, wide.rfind(L'\\')).c_str());
    }
}

} // namespace
