#include "tests/app/soak_files.h"

#include "icon/reader.h"
#include "tests/support/icon_files.h"

#include <windows.h>

#include <random>
#include <stdexcept>

namespace {

// A name padded with 'x' so that folder\name is exactly length characters long.
std::string PathOfLength(const std::string& folder, const std::string& stem, int length) {
    const std::string start = folder + "\\" + stem;
    const int pad = length - static_cast<int>(start.size()) - 4;
    if (pad < 1) throw std::runtime_error("the scratch folder's path is too long");
    return start + std::string(static_cast<size_t>(pad), 'x') + ".ico";
}

// The narrow file calls stop at 259 characters; the wide ones do not. The path is ASCII.
void WriteLongPath(const std::string& path, const Bytes& bytes) {
    const std::wstring wide(path.begin(), path.end());
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool ok =
        file != INVALID_HANDLE_VALUE &&
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (!ok) throw std::runtime_error("cannot write " + path);
}

Bytes Concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

SoakFiles MakeSoakFiles(std::uint64_t seed) {
    SoakFiles files;
    files.folder = MakeScratchFolder();
    const std::string& dir = files.folder;
    std::mt19937 random(static_cast<unsigned>(seed));
    auto add = [&](const std::string& name, const std::string& kind, const Bytes& bytes) {
        const std::string path = dir + "\\" + name;
        WriteBytes(path, bytes);
        files.open.push_back({path, kind});
    };

    const Bytes standard = MakeImage32x4(StandardPalette(), SampleGrid(1));
    const Bytes own = MakeImage32x4(SamplePalette(2), SampleGrid(3));
    const Bytes oneImage = MakeIconFile({standard});
    add("standard.ico", "one image, standard palette", oneImage);
    add("own.ico", "one image, own palette", MakeIconFile({own}));
    add("three.ico", "three images, own palettes",
        MakeIconFile({MakeImage32x4(SamplePalette(4), SampleGrid(5)), own,
                      MakeImage32x4(SamplePalette(6), SampleGrid(7))}));
    std::vector<Bytes> six;
    for (int k = 0; k < 6; ++k) six.push_back(MakeImage32x4(SamplePalette(10 + k), SampleGrid(k)));
    add("eight.ico", "count 8 over six images", MakeIconFile(8, six));
    add("mixed.ico", "mixed sizes and depths",
        MakeIconFile({MakeImage16x4(5), own, MakeImage(48, 48, 8, 3), standard}));
    add("F\xE4rg.ico", "Windows-1252 name", MakeIconFile({own}));

    add("empty.ico", "empty", {});
    for (int length : {1, 5, 6, 21, 22, 37, 400, 765}) {
        add("cut" + std::to_string(length) + ".ico", "truncated",
            Bytes(oneImage.begin(), oneImage.begin() + length));
    }
    Bytes noise(3000);
    for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
    add("noise.ico", "random bytes", noise);
    add("count255.ico", "count 255 over one image", MakeIconFile(255, {own}));
    Bytes atEnd(200, 0);
    atEnd[2] = 1;
    atEnd[4] = 1;
    atEnd.insert(atEnd.end(), IMAGE_HEADER_PATTERN.begin(), IMAGE_HEADER_PATTERN.end());
    add("atend.ico", "header at the very end", atEnd);
    // A second header inside the first image's colour table, and one in its mask.
    Bytes overlapping = MakeIconFile(3, {own});
    for (size_t at : {size_t{22 + 44}, size_t{22 + 700}}) {
        std::copy(IMAGE_HEADER_PATTERN.begin(), IMAGE_HEADER_PATTERN.end(),
                  overlapping.begin() + static_cast<std::ptrdiff_t>(at));
    }
    add("overlap.ico", "overlapping headers", overlapping);
    add("overlap-long.ico", "overlapping headers", Concat(overlapping, Bytes(800, 0x11)));

    files.open.push_back({dir + "\\missing.ico", "missing file"});
    files.open.push_back({dir + "\\no-such-folder\\missing.ico", "missing folder"});
    CreateDirectoryA((dir + "\\folder.ico").c_str(), nullptr);
    files.open.push_back({dir + "\\folder.ico", "folder"});
    files.open.push_back({dir, "folder"});
    files.open.push_back({dir + "\\*.ico", "wildcard"});
    for (int length : {259, 260, 261}) {
        const std::string path = PathOfLength(dir, "open", length);
        WriteLongPath(path, MakeIconFile({own}));
        files.open.push_back({path, std::to_string(length) + " characters"});
    }

    // The save targets; what the soak saves is opened again too. Those that a
    // save can make exist from the start: the file dialogs cache an icon for
    // each file they list, and a file that appeared later would add one.
    files.saveFolder = dir + "\\saved";
    CreateDirectoryA(files.saveFolder.c_str(), nullptr);
    for (int k = 0; k < 4; ++k) {
        const std::string path = dir + "\\saved\\s" + std::to_string(k) + ".ico";
        WriteBytes(path, oneImage);
        files.save.push_back({path, "earlier name"});
        files.open.push_back({path, "saved by the soak"});
    }
    files.existingSave = files.save.front().path;
    WriteBytes(dir + "\\saved\\noextension", oneImage);
    files.save.push_back({dir + "\\saved\\noextension", "no extension"});
    WriteBytes(dir + "\\saved\\F\xE4rg.ico", oneImage);
    files.save.push_back({dir + "\\saved\\F\xE4rg.ico", "Windows-1252 name"});
    files.save.push_back({dir + "\\no-such-folder\\s.ico", "missing folder"});
    files.save.push_back({dir + "\\saved", "folder"});
    files.save.push_back({dir + "\\saved\\*.ico", "wildcard"});
    for (int length : {259, 260, 261}) {
        files.save.push_back({PathOfLength(dir + "\\saved", "save", length),
                              std::to_string(length) + " characters"});
    }
    return files;
}

void RemoveSoakFiles(const SoakFiles& files) {
    RemoveScratchFolder(files.folder);
}
