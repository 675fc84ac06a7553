// Windows' own drawing of the icons that our writer produces, pixel for pixel
// against what the editor shows of the same file once a user has opened it:
// the three actual-size previews and the mask.
//
//   app_loader_crosscheck_test                 the short form (ctest app.loader_crosscheck)
//   app_loader_crosscheck_test --long [--random=N] [--seed=S]
//                                              the long form (scripts/crosscheck.sh)
#include "app/editor_state.h"
#include "icon/document.h"
#include "icon/writer.h"
#include "tests/app/box_answerer.h"
#include "tests/app/editor_harness.h"
#include "tests/app/loader_crosscheck_documents.h"
#include "tests/app/loader_crosscheck_windows.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Options {
    bool longForm = false;
    int randomCount = 200; // random documents per palette kind in the long form
    unsigned seed = 1;
} options;

// One view of the document: where its 32 x 32 image lies in its canvas, where
// the paint handler shows it in the client area, and what Windows drew for it.
struct View {
    const char* name;
    HDC canvas;
    int canvasX, canvasY;
    int windowX, windowY;
    const Pixels& theirs;
};

// Windows' DI_MASK drawing shows the AND mask: white where a bit is 1 (the
// screen shows through), black where it is 0. Our mask preview shows the same
// mask as grey (transparent cell, values 16..31) and black (opaque, 0..15).
Pixels AsMaskPreview(Pixels windowsMask) {
    for (COLORREF& c : windowsMask.colors) {
        if (c == WHITE) c = GREY;
    }
    return windowsMask;
}

std::string Hex(COLORREF c) {
    char text[16];
    std::snprintf(text, sizeof text, "%06lX", static_cast<unsigned long>(c));
    return text;
}

// "ok", or the number of differing pixels and the first few as (x, y, ours, Windows').
std::string Compare(const Pixels& ours, const Pixels& windows, int* differing) {
    std::string firstFew;
    int count = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const COLORREF a = ours.At(ours.x + x, ours.y + y);
            const COLORREF b = windows.At(x, y);
            if (a == b) continue;
            if (++count <= 4) {
                firstFew += " (" + std::to_string(x) + "," + std::to_string(y) + " " + Hex(a) +
                            " " + Hex(b) + ")";
            }
        }
    }
    *differing += count;
    return count == 0 ? "ok" : std::to_string(count) + " differ:" + firstFew;
}

class LoaderCrosscheck : public EditorTest {
  protected:
    void CheckAll(const std::vector<CrossDocument>& documents) {
        const auto start = std::chrono::steady_clock::now();
        int failedDocuments = 0;
        for (size_t i = 0; i < documents.size(); ++i) {
            failedDocuments += CheckOne(documents[i], static_cast<int>(i)) ? 0 : 1;
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%zu documents, %d differ, %.1f s (%.0f ms a document)\n", documents.size(),
                    failedDocuments, seconds, 1000.0 * seconds / documents.size());
        std::fflush(stdout);
    }

    // Writes, has Windows draw, opens in the editor, compares. True when equal.
    bool CheckOne(const CrossDocument& document, int number) {
        char name[32];
        std::snprintf(name, sizeof name, "crosscheck-%03d.ico", number);
        const std::string path = TestFolder() + name;
        const bool written = WriteIconFile(path.c_str(), document.palette, document.grid) == 0;
        EXPECT_TRUE(written) << document.name;
        const WindowsDrawing windows = DrawWithWindows(path, GREY, BLACK, WHITE);
        EXPECT_TRUE(windows.loaded) << document.name << ": LoadImageA failed";

        // Opened as a user opens it: the real Open command and its dialog.
        std::vector<SeenBox> seen;
        {
            BoxAnswerer answerer({{Reply::FileName, path}});
            Command(window, ID_OPEN);
            seen = answerer.Seen();
        }
        std::remove(path.c_str());
        EXPECT_EQ(seen.size(), 1u) << document.name << ": only the open dialog is shown";
        const bool sameDocument = pixelGrid == document.grid && palette == document.palette;
        EXPECT_TRUE(sameDocument) << document.name << ": the file did not read back as written";

        std::string line = "[" + std::to_string(number) + "] " + document.name + ":";
        int differing = 0;
        if (written && windows.loaded) {
            const Pixels mask = AsMaskPreview(windows.mask);
            const View views[] = {
                {"grey", previewGreyCanvas, 9, 9, 184 + 9, 347 + 9, windows.onGrey},
                {"black", previewBlackCanvas, 9, 9, 252 + 9, 347 + 9, windows.onBlack},
                {"white", previewWhiteCanvas, 9, 9, 319 + 9, 347 + 9, windows.onWhite},
                {"mask", maskCanvas, 0, 0, 395, 356, mask},
                // Thumbnail 1 shows image 1 on the same grey as the first preview.
                {"thumbnail", thumbCanvas1, 0, 0, 12, 206, windows.onGrey},
            };
            for (const View& view : views) {
                const Pixels canvas = Capture(view.canvas, view.canvasX, view.canvasY, 32, 32);
                const Pixels shown = CaptureWindow(window, view.windowX, view.windowY, 32, 32);
                const std::string inCanvas = Compare(canvas, view.theirs, &differing);
                const std::string onScreen = Compare(shown, view.theirs, &differing);
                line += std::string(" ") + view.name + " " + inCanvas;
                if (onScreen != inCanvas) line += " (window " + onScreen + ")";
            }
        } else {
            ++differing;
            line += " not compared";
        }
        if (!sameDocument) ++differing;
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
        if (differing != 0) ADD_FAILURE() << document.name << ": see the line above";
        return differing == 0;
    }
};

TEST_F(LoaderCrosscheck, StandardPaletteDocumentsLookAsWindowsDrawsThem) {
    CheckAll(options.longForm ? LongStandardDocuments(options.randomCount, options.seed)
                              : ShortStandardDocuments());
}

TEST_F(LoaderCrosscheck, OwnPaletteDocumentsLookAsWindowsDrawsThem) {
    CheckAll(options.longForm ? LongOwnPaletteDocuments(options.randomCount, options.seed)
                              : ShortOwnPaletteDocuments());
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--long") == 0) {
            options.longForm = true;
        } else if (std::strncmp(argv[i], "--random=", 9) == 0) {
            options.randomCount = std::atoi(argv[i] + 9);
        } else if (std::strncmp(argv[i], "--seed=", 7) == 0) {
            options.seed = static_cast<unsigned>(std::strtoul(argv[i] + 7, nullptr, 10));
        } else {
            std::fprintf(stderr, "unknown argument %s\n", argv[i]);
            return 2;
        }
    }
    std::printf("%s form: seed %u, %d random documents per palette kind\n",
                options.longForm ? "long" : "short", options.seed,
                options.longForm ? options.randomCount : 0);
    return RUN_ALL_TESTS();
}
