// Reading the length of a wave file from its RIFF header.
#include "wave_file.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::uint32_t LittleEndian32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

}  // namespace

int WaveDurationFromHeader(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") return 0;
    std::uint32_t byteRate = 0, dataSize = 0;
    bool haveFormat = false, haveData = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string_view id = bytes.substr(at, 4);
        const std::uint32_t size = LittleEndian32(bytes, at + 4);
        if (id == "fmt " && at + 8 + 12 <= bytes.size()) {
            byteRate = LittleEndian32(bytes, at + 8 + 8);
            haveFormat = true;
        } else if (id == "data") {
            dataSize = size;
            haveData = true;
        }
        if (haveFormat && haveData) break;
        at += 8 + static_cast<std::size_t>(size) + (size & 1);  // chunks are padded to even sizes
    }
    if (!haveFormat || !haveData || byteRate == 0) return 0;
    return static_cast<int>(static_cast<std::uint64_t>(dataSize) * 1000 / byteRate);
}

int WaveDurationMilliseconds(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return 0;
    std::string header(4096, '\0');
    in.read(header.data(), static_cast<std::streamsize>(header.size()));
    header.resize(static_cast<std::size_t>(in.gcount()));
    return WaveDurationFromHeader(header);
}
