// Writing a file so that a crash or a full disk never leaves it half-written.
#pragma once

#include <filesystem>
#include <string_view>

// Writes the bytes to a temporary file beside the target and renames it over the target.
// Returns false, and leaves any earlier file as it was, when anything fails.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);
