// Encoding the results and building the highscore address.
#include "highscore.h"

#include <algorithm>

#include "app/game.h"

std::string EncodeNumber(long long value) {
    std::string encoded;
    for (char c : std::to_string(value))
        encoded += static_cast<char>(98 + (c >= '0' && c <= '9' ? c - '0' : 0));
    return encoded;
}

std::int32_t HighscoreCheckValue(const std::string& handle, long long missionsCompleted,
                                 long long playSeconds, long long bustedCount,
                                 long long saveCount) {
    // The intro never lets an empty handle through; should one come, it counts as one character.
    const long long k = 1000 / static_cast<long long>(std::max<std::size_t>(handle.size(), 1));
    // Computed in 64 bits, then wrapped: the service's 32-bit arithmetic sees the same number.
    const auto check = static_cast<std::uint64_t>(((k + missionsCompleted) * playSeconds +
                                                   bustedCount) * saveCount);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(check));
}

std::string HighscoreData(const std::string& handle, long long missionsCompleted,
                          long long playSeconds, long long bustedCount, long long saveCount) {
    auto field = [](long long value) { return value == 0 ? std::string("yUoX") : EncodeNumber(value); };
    const std::int32_t check =
        HighscoreCheckValue(handle, missionsCompleted, playSeconds, bustedCount, saveCount);
    return field(missionsCompleted) + "w" + field(playSeconds) + "w" + field(bustedCount) + "w" +
           field(saveCount) + "w" + EncodeNumber(121) + "w" + field(check);
}

std::string HighscoreAddress(const std::string& host, const std::string& handle,
                             const std::string& data) {
    std::string encodedHandle;
    static const char* const kHex = "0123456789ABCDEF";
    for (char c : handle) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                (byte >= '0' && byte <= '9') || c == '-' || c == '_' ||
                                c == '.' || c == '~';
        if (unreserved) {
            encodedHandle += c;
        } else {
            encodedHandle += '%';
            encodedHandle += kHex[byte >> 4];
            encodedHandle += kHex[byte & 15];
        }
    }
    std::string base = host;
    while (base.ends_with('/')) base.pop_back();
    return base + "/zindrel/?zdl=zdlscore&h=" + encodedHandle + "&data=" + data;
}

void SubmitHighscore(Game& game) {
    if (!game.platform.AskYesNo(game.LangString("str46"),
                                game.LangString("str44") + "\r\n" + game.LangString("str45")))
        return;
    const GameState& state = game.state;
    const std::string data = HighscoreData(state.HackerHandle, state.MissionsCompleted,
                                           state.PlaySeconds, state.BustedCount, state.SaveCount);
    game.platform.OpenWebAddress(HighscoreAddress(game.highscoreHost, state.HackerHandle, data));
}
