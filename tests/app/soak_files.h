// The files and paths that the soak's open and save dialogs are given: valid
// icons, hostile files, missing paths, folders, a Windows-1252 name and paths
// of exactly 259, 260 and 261 characters.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SoakPath {
    std::string path;
    std::string kind; // what the path is, for the figures
};

struct SoakFiles {
    std::string folder; // everything lives under it
    std::string saveFolder;
    std::string existingSave; // a save target that exists from the start
    std::vector<SoakPath> open;
    std::vector<SoakPath> save;
};

// Makes the folder and its files. Throws std::runtime_error when one cannot be written.
SoakFiles MakeSoakFiles(std::uint64_t seed);
void RemoveSoakFiles(const SoakFiles& files);
