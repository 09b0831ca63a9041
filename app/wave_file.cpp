// Reading the length of a wave file from its RIFF header.
#include "wave_file.h"

#include <algorithm>
#include <string>

namespace {

std::uint32_t LittleEndian32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

}  // namespace

int WaveDurationFromHeader(std::string_view bytes, std::uint64_t fileSize) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") return 0;
    std::uint32_t byteRate = 0;
    std::uint64_t dataSize = 0;
    bool haveFormat = false, haveData = false;
    for (std::uint64_t at = 12; at + 8 <= bytes.size();) {
        const std::size_t here = static_cast<std::size_t>(at);
        const std::string_view id = bytes.substr(here, 4);
        const std::uint32_t size = LittleEndian32(bytes, here + 4);
        if (id == "fmt " && here + 8 + 12 <= bytes.size()) {
            byteRate = LittleEndian32(bytes, here + 8 + 8);
            haveFormat = true;
        } else if (id == "data") {
            // A streamed or cut file declares more than it holds (0xFFFFFFFF for "unknown"):
            // only the bytes that are really there play.
            const std::uint64_t present = fileSize > at + 8 ? fileSize - (at + 8) : 0;
            dataSize = std::min<std::uint64_t>(size, present);
            haveData = true;
        }
        if (haveFormat && haveData) break;
        at += 8 + static_cast<std::uint64_t>(size) + (size & 1);  // chunks are padded to even sizes
    }
    if (!haveFormat || !haveData || byteRate == 0) return 0;
    const std::uint64_t milliseconds = dataSize * 1000 / byteRate;
    return static_cast<int>(std::min<std::uint64_t>(milliseconds, kMaxSoundMilliseconds));
}

int WaveDurationMilliseconds(const std::filesystem::path& file, const FileStore& files) {
    const std::optional<FileVersion> version = files.VersionOf(file);
    if (!version) return 0;
    try {
        return WaveDurationFromHeader(files.ReadStart(file, 4096), version->size);
    } catch (const FileReadError&) {
        return 0;
    }
}
