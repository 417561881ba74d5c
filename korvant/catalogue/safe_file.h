#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace skelvora {

// Replaces the file at path by content: written to a temporary file in the
// same folder, flushed, then renamed over the target, so a failed or
// interrupted save leaves the previous file as it was. Throws FileError
// "Cannot create file <path>" (with the system's reason) on any failure.
void WriteFileAtomically(const std::string& path, std::string_view content);

// Reads a whole file. Throws FileError "Cannot open file <path>".
std::string ReadWholeFile(const std::string& path);

// Test seam: lets tests make a save fail at a chosen point.
struct WriteFaults {
    // Fail the write once this many bytes of the temporary file are written.
    long failAfterBytes = -1;
    bool failRename = false;
};
void SetWriteFaultsForTesting(const WriteFaults& faults);

} // namespace skelvora
