#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace varn {

namespace platform {

// A game path ("Art\Map\Back.bmp", "Data//data1.txt"): backslashes and doubled slashes
// separate components, each matched case-insensitively under the working directory. Returns the
// path to use on this machine; a component that does not exist is kept as written, so a file can
// be created under it.
std::string ResolvePath(const char* gamePath);

// The same from the root, for what the game tells the player.
std::string FullPath(const char* gamePath);

// fopen of a game path.
FILE* OpenFile(const char* gamePath, const char* mode);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const char* gamePath, std::vector<uint8_t>& bytes);

// Writes a whole file through a temporary file and a rename, so an interrupted write leaves the
// old file whole; the folder is flushed after the rename, so the new name outlasts a power cut.
// Creates the folder that holds it when missing.
bool WriteFileAtomically(const char* gamePath, const uint8_t* bytes, size_t size);

// Removes the temporary file a write of gamePath that was cut short (the process killed) left.
void RemoveLeftoverTemporary(const char* gamePath);

}  // namespace platform

}  // namespace varn
