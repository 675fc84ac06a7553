// Saving where it cannot succeed, through the real "Spara..." command and the
// real save dialog: a failed save shows exactly "Gick inte att spara!" and
// leaves the file that was there byte for byte; a save that succeeds writes
// exactly 766 bytes that read back to the document.
//   app_save_fault_test READ_ONLY_FOLDER FULL_FOLDER [gtest options]
// The two folders are mounts that save_fault_test.sh makes: a read-only file
// system and a full one, each holding old.ico. Run by that script only.
#include "app/editor_state.h"
#include "icon/document.h"
#include "naive_reader.h"
#include "tests/app/editor_harness.h"
#include "tests/app/hook_answerer.h"
#include "tests/support/icon_files.h"
#include "toolkit/window/dialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const std::string SAVE_CAPTION = "Sparameddelande";
const std::string SAVE_DIALOG_TITLE = "Spara ikon...";
const std::string NOT_SAVED = "Gick inte att spara!";
const std::string CANCELLED = "Avbryt valdes!";

std::string readOnlyFolder; // from the command line, with a trailing backslash
std::string fullFolder;

std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class SaveFault : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        folder = TestCaseFolder();
        // The document to be saved: every value 0..31, a palette of its own.
        palette = SamplePalette(7);
        pixelGrid = SampleGrid(8);
    }
    void TearDown() override {
        for (const std::string& name : FolderNames(folder)) {
            SetFileAttributesA((folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA((folder + name).c_str());
            RemoveDirectoryA((folder + name).c_str());
        }
        RemoveDirectoryA(folder.c_str());
        EditorTest::TearDown();
    }

    // "Spara..." with the path typed into the dialog, then the given answers.
    std::vector<ShownBox> SaveThroughDialog(const std::string& path,
                                            std::vector<HookAnswer> then = {}) {
        std::vector<HookAnswer> script = {{HookReply::FileName, path}};
        script.insert(script.end(), then.begin(), then.end());
        const auto start = std::chrono::steady_clock::now();
        StartHookAnswers(script);
        Command(window, ID_SAVE);
        auto boxes = StopHookAnswers();
        std::printf(
            "[ figures  ] save of %s: %.0f ms\n", path.c_str(),
            1000.0 *
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        return boxes;
    }

    // The file holds exactly the document: 766 bytes, count 1, image 1 the document.
    void ExpectSavedDocument(const std::string& path) {
        const Bytes bytes = ReadBytes(path);
        ASSERT_EQ(bytes.size(), 766u) << path;
        EXPECT_EQ(bytes[4], 1);
        Palette pal{};
        PixelGrid grid{};
        ASSERT_EQ(NaiveReadIconImageFromBytes(bytes.data(), bytes.size(), pal, grid, 1), 0);
        EXPECT_EQ(pal, palette);
        EXPECT_EQ(grid, pixelGrid);
    }

    // The save dialog's boxes: the dialog itself, its question before it
    // replaces a file when there is one, then the editor's notice if any.
    void ExpectBoxes(const std::vector<ShownBox>& boxes, bool replaceQuestion,
                     const std::string& notice) {
        size_t next = 0;
        ASSERT_GT(boxes.size(), next);
        EXPECT_TRUE(boxes[next].fileDialog);
        EXPECT_EQ(boxes[next].caption, SAVE_DIALOG_TITLE);
        EXPECT_FALSE(boxes[next].stayedOpen);
        ++next;
        if (replaceQuestion) {
            ASSERT_GT(boxes.size(), next);
            EXPECT_FALSE(boxes[next].fileDialog);
            // The platform's own question, in its own words.
            EXPECT_EQ(boxes[next].caption, SAVE_DIALOG_TITLE);
            EXPECT_FALSE(boxes[next].text.empty());
            ++next;
        }
        if (!notice.empty()) {
            ASSERT_GT(boxes.size(), next);
            EXPECT_EQ(boxes[next].caption, SAVE_CAPTION);
            EXPECT_EQ(boxes[next].text, notice);
            ++next;
        }
        EXPECT_EQ(boxes.size(), next);
    }

    std::string folder;
};

void ExpectMountFolder(const std::string& mount) {
    ASSERT_FALSE(mount.empty()) << "run by save_fault_test.sh, which passes the mount folders";
    ASSERT_TRUE(Exists(mount + "old.ico")) << mount;
}

// A save that works, as the baseline: a new file, and an existing one replaced
// after the dialog's question.
TEST_F(SaveFault, ANewFileAndAReplacedOneAreExactly766Bytes) {
    const std::string fresh = folder + "ny.ico";
    ExpectBoxes(SaveThroughDialog(fresh), false, "");
    ExpectSavedDocument(fresh);
    EXPECT_EQ(WindowTitle(window), fresh);

    const std::string old = folder + "old.ico";
    WriteBytes(old, Bytes(3000, 0x41));
    ExpectBoxes(SaveThroughDialog(old, {{HookReply::Yes, ""}}), true, "");
    ExpectSavedDocument(old);
    EXPECT_EQ(FolderNames(folder), (std::vector<std::string>{"ny.ico", "old.ico"}));
}

// Saying No to the question about replacing goes back to the dialog; the user
// then cancels. The old file is untouched.
TEST_F(SaveFault, NotReplacingKeepsTheOldFile) {
    const std::string old = folder + "old.ico";
    const Bytes before(1234, 0x42);
    WriteBytes(old, before);
    const auto boxes = SaveThroughDialog(old, {{HookReply::No, ""}});
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_TRUE(boxes[0].stayedOpen);
    EXPECT_EQ(boxes[2].caption, SAVE_CAPTION);
    EXPECT_EQ(boxes[2].text, CANCELLED);
    EXPECT_EQ(ReadBytes(old), before);
    EXPECT_EQ(WindowTitle(window), "Prickverket");
}

// A file marked read-only is not replaced: the notice, and the file as it was.
TEST_F(SaveFault, AReadOnlyTargetIsNotReplaced) {
    const std::string old = folder + "old.ico";
    const Bytes before = MakeIconFile({MakeImage32x4(StandardPalette(), FilledGrid(3))});
    WriteBytes(old, before);
    ASSERT_TRUE(SetFileAttributesA(old.c_str(), FILE_ATTRIBUTE_READONLY));
    ExpectBoxes(SaveThroughDialog(old, {{HookReply::Yes, ""}, {HookReply::Ok, ""}}), true,
                NOT_SAVED);
    EXPECT_EQ(ReadBytes(old), before);
    EXPECT_NE(GetFileAttributesA(old.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"old.ico"}); // no temporary left
    // The title names the chosen file even so.
    EXPECT_EQ(WindowTitle(window), old);
}

// A read-only file system: neither a new file nor a replacement can be made.
TEST_F(SaveFault, AReadOnlyFolderTakesNothing) {
    ExpectMountFolder(readOnlyFolder);
    const std::string old = readOnlyFolder + "old.ico";
    const Bytes before = ReadBytes(old);
    ExpectBoxes(SaveThroughDialog(old, {{HookReply::Yes, ""}, {HookReply::Ok, ""}}), true,
                NOT_SAVED);
    EXPECT_EQ(ReadBytes(old), before);
    ExpectBoxes(SaveThroughDialog(readOnlyFolder + "ny.ico", {{HookReply::Ok, ""}}), false,
                NOT_SAVED);
    EXPECT_EQ(FolderNames(readOnlyFolder), std::vector<std::string>{"old.ico"});
    EXPECT_EQ(WindowTitle(window), readOnlyFolder + "ny.ico");
}

// A full file system: the write fails part way, the old file stays as it was,
// and no temporary file or half-written new file is left.
TEST_F(SaveFault, AFullDiskKeepsTheOldFile) {
    ExpectMountFolder(fullFolder);
    const std::string old = fullFolder + "old.ico";
    const Bytes before = ReadBytes(old);
    const std::vector<std::string> names = FolderNames(fullFolder);
    ExpectBoxes(SaveThroughDialog(old, {{HookReply::Yes, ""}, {HookReply::Ok, ""}}), true,
                NOT_SAVED);
    EXPECT_EQ(ReadBytes(old), before);
    ExpectBoxes(SaveThroughDialog(fullFolder + "ny.ico", {{HookReply::Ok, ""}}), false, NOT_SAVED);
    EXPECT_EQ(FolderNames(fullFolder), names);
    EXPECT_EQ(ReadBytes(old), before);
}

// A path to a folder is not a file to write: the dialog goes into the folder
// and stays open; the user cancels. Nothing is written, not even beside it.
TEST_F(SaveFault, APathToAFolderIsEnteredNotWritten) {
    const std::string inner = folder + "bilder.ico"; // a folder named like an icon
    ASSERT_TRUE(CreateDirectoryA(inner.c_str(), nullptr));
    for (const std::string& path : {inner, inner + "\\", folder}) {
        SCOPED_TRACE(path);
        const auto boxes = SaveThroughDialog(path);
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_TRUE(boxes[0].stayedOpen);
        EXPECT_EQ(boxes[1].caption, SAVE_CAPTION);
        EXPECT_EQ(boxes[1].text, CANCELLED);
        EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"bilder.ico"});
        EXPECT_TRUE(FolderNames(inner + "\\").empty());
        EXPECT_EQ(WindowTitle(window), "Prickverket");
    }
}

// A name typed without an extension is saved under exactly that name: the
// dialog adds none. The file is a whole icon all the same.
TEST_F(SaveFault, ANameWithoutAnExtensionIsSavedAsTyped) {
    const std::string path = folder + "bild";
    ExpectBoxes(SaveThroughDialog(path), false, "");
    EXPECT_EQ(std::string(savePath), path);
    EXPECT_EQ(WindowTitle(window), path);
    EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"bild"});
    ExpectSavedDocument(path);
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc >= 3) {
        readOnlyFolder = std::string(argv[1]) + "\\";
        fullFolder = std::string(argv[2]) + "\\";
    }
    return RUN_ALL_TESTS();
}
