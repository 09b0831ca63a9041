// Encoding and decoding the data string of a highscore submission.
#include "highscore_data.h"

#include <algorithm>
#include <optional>
#include <vector>

std::string EncodeNumber(long long value) {
    std::string encoded;
    for (char c : std::to_string(value))
        encoded += static_cast<char>(98 + (c >= '0' && c <= '9' ? c - '0' : 0));
    return encoded;
}

std::int32_t HighscoreCheckValue(std::string_view handle, long long missionsCompleted,
                                 long long playSeconds, long long bustedCount,
                                 long long saveCount) {
    // The intro never lets an empty handle through; should one come, it counts as one character.
    const long long k = 1000 / static_cast<long long>(std::max<std::size_t>(handle.size(), 1));
    // Unsigned arithmetic wraps where signed would overflow; the low 32 bits of the result are
    // those of the same steps done in wrapping 32-bit arithmetic.
    auto u = [](long long v) { return static_cast<std::uint64_t>(v); };
    const std::uint64_t check =
        ((u(k) + u(missionsCompleted)) * u(playSeconds) + u(bustedCount)) * u(saveCount);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(check));
}

namespace {

const char* const kZeroMarker = "yUoX";

std::string Field(long long value) { return value == 0 ? std::string(kZeroMarker) : EncodeNumber(value); }

// A field of letters back to its number; a leading "b" before further letters is a minus sign
// (a decimal text never starts with 0 otherwise). Nothing for anything the game cannot write.
std::optional<long long> DecodeField(std::string_view field) {
    if (field == kZeroMarker) return 0;
    bool negative = false;
    if (field.size() > 1 && field.front() == 'b') {
        negative = true;
        field.remove_prefix(1);
    }
    if (field.empty() || field.size() > 10 || field.front() == 'b') return std::nullopt;
    long long value = 0;
    for (char c : field) {
        if (c < 'b' || c > 'k') return std::nullopt;
        value = value * 10 + (c - 'b');
    }
    return negative ? -value : value;
}

}  // namespace

std::string HighscoreData(std::string_view handle, long long missionsCompleted,
                          long long playSeconds, long long bustedCount, long long saveCount) {
    const std::int32_t check =
        HighscoreCheckValue(handle, missionsCompleted, playSeconds, bustedCount, saveCount);
    return Field(missionsCompleted) + "w" + Field(playSeconds) + "w" + Field(bustedCount) + "w" +
           Field(saveCount) + "w" + EncodeNumber(kHighscoreVersion) + "w" + Field(check);
}

DecodedHighscore DecodeHighscoreData(std::string_view handle, std::string_view data) {
    DecodedHighscore decoded;
    decoded.problem = HighscoreProblem::kMalformed;
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (fields.size() <= 6) {
        const std::size_t end = std::min(data.find('w', start), data.size());
        fields.push_back(data.substr(start, end - start));
        if (end == data.size()) break;
        start = end + 1;
    }
    if (fields.size() != 6) return decoded;
    long long values[6];
    for (int i = 0; i < 6; ++i) {
        const auto value = DecodeField(fields[i]);
        if (!value) return decoded;
        values[i] = *value;
    }
    if (values[0] < 0 || values[1] < 0 || values[2] < 0 || values[3] < 0) return decoded;
    if (fields[4] != EncodeNumber(kHighscoreVersion)) {
        decoded.problem = HighscoreProblem::kVersion;
        return decoded;
    }
    const HighscoreResult result{values[0], values[1], values[2], values[3]};
    if (values[5] != HighscoreCheckValue(handle, result.missionsCompleted, result.playSeconds,
                                         result.bustedCount, result.saveCount)) {
        decoded.problem = HighscoreProblem::kCheck;
        return decoded;
    }
    // Whatever passed is written back exactly as the game writes it, or it did not come from it.
    if (HighscoreData(handle, result.missionsCompleted, result.playSeconds, result.bustedCount,
                      result.saveCount) != data)
        return decoded;
    decoded.problem = HighscoreProblem::kNone;
    decoded.result = result;
    return decoded;
}
