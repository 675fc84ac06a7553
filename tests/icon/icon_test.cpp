// The icon core: document colours, reading .ico images, writing the file, saving where it cannot.
#include "icon/reader.h"
#include "icon/writer.h"
#include "tests/icon/reference_scan.h"
#include "tests/support/icon_files.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
namespace fs = std::filesystem;
const std::string dir = "icon_tmp/";
struct Doc { // the standard palette; every cell v but the changed ones
    Palette pal = StandardPalette();
    PixelGrid grid;
    explicit Doc(int v, std::initializer_list<std::pair<int, int>> changed = {}) {
        grid.fill(v);
        for (auto [i, w] : changed) grid[i] = w;
    }
};
Doc Random() { // a palette of its own; the top row holds every value 0..31
    Doc d(0);
    for (int& v : d.pal) v = std::rand() % 256;
    for (int i = 0; i < CELL_COUNT; ++i) d.grid[i] = i < 32 ? i : std::rand() % 32;
    return d;
}
template <class A, class B> // the first difference as "what i: got g, want w", or ""
std::string Diff(const A& got, const B& want, const std::string& what = "byte ") {
    size_t i = std::mismatch(got.begin(), got.end(), want.begin(), want.end()).first - got.begin();
    auto at = [i](const auto& v) { return i < v.size() ? std::to_string(v[i]) : "none"; };
    if (i == got.size() && i == want.size()) return "";
    return what + std::to_string(i) + ": got " + at(got) + ", want " + at(want);
}
Bytes With(Bytes bytes, size_t at, const Bytes& patch) { // cut where it would pass the end
    std::copy_n(patch.begin(), std::min(patch.size(), bytes.size() - at), bytes.begin() + at);
    return bytes;
}

// Colours: the standard palette and its swatches, an entry's true colour, what a colour paints.
TEST(Document, Colours) {
    Palette standard{}, own = StandardPalette();
    DisplayPalette ownShown{};
    // Entries 1 and 10 green, 0 and 4 black, 5 the mark's colour, 6 its own, 7 wider than 8 bits.
    const std::array<int, 4> changes[] = {
        {1, 0, 255, 0}, {4, 0, 0, 0}, {5, 100, 100, 200}, {6, 1, 2, 3}, {7, 0x1FF, 0x100, 0x2AB}};
    for (auto c : changes) std::copy(c.begin() + 1, c.end(), own.begin() + 3 * c[0]); // b, g, r
    LoadStandardPalette(standard);
    ArrangeDisplayPalette(ownShown, own);
    // clang-format off
    std::vector<std::tuple<std::string, long long, long long>> rows = {
        {"index one bit off black", FindPaletteIndex(0x000001), 16},
        {"8 bits a channel", EntryScreenColor(own, 7), 0xFF00AB},
        {"slot 3 shows entry 6", ownShown[3], 0x010203},
        {"cell shows its entry", CellScreenColor(own, 6), 0x010203},
        {"lowest entry of green", FindCellValue(0x00FF00, own), 1},
        {"lowest entry of black", FindCellValue(0, own), 0},
        {"colour gone", FindCellValue(0x000080, own), 16},
        {"mark over an equal entry", FindCellValue(TRANSPARENT_MARK, own), 16}};
    // clang-format on
    for (int k = 0; k < 16; ++k) // which standard entry has entry k's colour
        EXPECT_EQ(FindPaletteIndex(EntryScreenColor(standard, k)), k) << "entry " << k;
    for (auto [name, got, want] : rows)
        EXPECT_EQ(got, want) << name << std::hex << ": got " << got << ", want " << want;
}

// Reading: decoding, the scan for the n-th image, the count; a missing file, a cut-short one.
TEST(Reader, Table) {
    const Doc a = Random(), b = Random();
    const Bytes imgA = MakeImage(a.pal, a.grid), imgB = MakeImage(b.pal, b.grid);
    const Bytes one = MakeIconFile(1, {imgA}), head(imgA.begin(), imgA.begin() + 15);
    // The bottom row's first byte 0x3A holds 3 and 10; its mask 0x81 0x20 covers 0, 7 and 10.
    const Doc bits(15, {{992, 19}, {993, 10}, {999, 31}, {1002, 31}});
    const Bytes lit = With(With(MakeImage(bits.pal, Doc(15).grid), 104, {0x3A}), 616, {0x81, 0x20});
    // clang-format off
    // name, file (none: missing), n, status, count, want (null: what the plain scan reads)
    std::vector<std::tuple<std::string, Bytes, int, int, int, const Doc*>> rows = {
        {"one image", one, 1, 0, 1, &a},
        {"count's low byte", MakeIconFile(0x1FE, {imgA}), 1, 0, 254, nullptr},
        {"nibbles and mask bits", MakeIconFile(1, {lit}), 1, 0, 1, &bits},
        {"missing", {}, 1, 1, -1, nullptr},
        {"other kinds skipped", MakeIconFile(3, {imgA, MakeOtherImage(32, 8), imgB}), 2, 0, 3, &b},
        {"no jump over a found image", MakeIconFile(2, {With(imgA, 104, head), imgB}), 3, 0, 2, &b},
        {"image at offset 0", imgA, 1, 0, 32, &a},
        {"bit count's high byte", With(one, 37, {0x7F}), 1, 0, 1, &a},
        {"icotool 4-bit", ReadBytes(ICON_CORPUS "/icotool-4bit.ico"), 1, 0, 1, nullptr},
        {"icotool mixed depths", ReadBytes(ICON_CORPUS "/mixed-depths.ico"), 1, 0, 4, nullptr}};
    // clang-format on
    for (int i = 22; i < 37; ++i) // each byte of the header pattern counts
        rows.push_back({"byte " + std::to_string(i), With(one, i, {0x55}), 1, 1, 1, nullptr});
    for (size_t k = 1; k < one.size(); ++k) // cut short anywhere: rejected whole
        rows.push_back({"cut to " + std::to_string(k), Bytes(one.begin(), one.begin() + k), 1, 1,
                        k < 5 ? -1 : 1, nullptr});
    fs::create_directories(dir);
    for (const auto& [name, file, n, status, count, want] : rows) {
        SCOPED_TRACE(name);
        WriteBytes(dir + "file.ico", file);
        const std::string path = dir + (file.empty() ? "missing.ico" : "file.ico");
        Doc got(-1), ref(-1);
        ReferenceRead(file.data(), file.size(), n, ref.pal, ref.grid);
        EXPECT_EQ(ReadIconImageCount(path.c_str()), count);
        EXPECT_EQ(ReadIconImage(path.c_str(), got.pal, got.grid, n), status);
        const Doc& w = want ? *want : ref;
        EXPECT_EQ(Diff(got.pal, w.pal, "palette ") + Diff(got.grid, w.grid, "; cell "), "");
    }
}

// Writing: the file is doc as built independently, or unchanged; no other file appears beside it.
TEST(Writer, BytesAndPlace) {
    fs::remove(dir + "new.ico");
    fs::create_directories(dir + "sub.ico");
    WriteBytes(dir + "long.ico", Bytes(5000, 0x55));
    WriteBytes(dir + "long.ico.save0.tmp", Bytes(3, 7)); // a file of the temporary's name
    // clang-format off
    std::vector<std::tuple<std::string, std::string, Doc, bool>> rows = { // name, path, doc, saves
        {"new, top-left transparent", dir + "new.ico", Doc(15, {{0, 16}}), true},
        {"top-left keeps 5", dir + "new.ico", Doc(15, {{0, 21}}), true},
        {"own palette over a longer file", dir + "long.ico", Random(), true},
        {"target is a folder", dir + "sub.ico", Doc(15), false},
        {"missing folder", dir + "no/new.ico", Doc(15), false}};
    // clang-format on
#ifdef _WIN32 // Windows refuses to replace a read-only file; Wine would, so ours checks first
    if (!fs::exists(dir + "ro.ico")) WriteBytes(dir + "ro.ico", Bytes(100, 0x66));
    fs::permissions(dir + "ro.ico", fs::perms::owner_write, fs::perm_options::remove);
    rows.push_back({"read-only file", dir + "ro.ico", Doc(15), false});
#endif
    // save_faults.sh's mounts. Where a full disk takes no new file, the old files, one longer
    // and one shorter than an icon, are overwritten in place; hole.ico has no block of its own.
    const char* at = std::getenv("ICON_FAULTS");
    for (std::string d : {"/readonly", "/full", "/noroom"})
        for (std::string f : {"/old.ico", "/old-short.ico", "/new.ico", "/hole.ico"})
            if (at) rows.push_back({d + f, at + d + f, Doc(15), d == "/noroom" && f[1] == 'o'});
    auto read = [](auto f) { return fs::is_regular_file(f) ? ReadBytes(f) : Bytes{}; };
    for (const auto& [name, path, doc, saves] : rows) {
        SCOPED_TRACE(name);
        const fs::path up = fs::path(path).parent_path();
        std::error_code none; // a missing folder: no files
        auto files = [&] { return std::distance(fs::directory_iterator(up, none), {}); };
        const auto before = files() + (saves && !fs::exists(path));
        const Bytes old = read(path);
        EXPECT_EQ(WriteIconFile(path.c_str(), doc.pal, doc.grid), saves ? 0 : 1);
        // Ours leaves planes and bit count 0 in the directory, and gives the image size: 640.
        const Bytes made = With(MakeIconFile(1, {MakeImage(doc.pal, doc.grid)}), 10, {0, 0, 0});
        EXPECT_EQ(Diff(read(path), saves ? With(made, 42, {0x80, 2}) : old), "");
        EXPECT_EQ(files(), before) << "files in " << up;
    }
    EXPECT_EQ(Diff(ReadBytes(dir + "long.ico.save0.tmp"), Bytes(3, 7)), "");
}
