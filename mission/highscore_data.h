// The results a highscore submission carries, encoded as the game sends them and decoded as the
// scores server reads them. Plain C++ shared by the game and the server, so both sides work with
// the same arithmetic.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Each digit of the number's decimal text becomes the letter 98 + its value ("0" is "b", "9" is
// "k"); a minus sign counts as 0.
std::string EncodeNumber(long long value);

// The check value, computed in the signed 32 bits the service works in: every step wraps, as it
// would in 32-bit arithmetic.
std::int32_t HighscoreCheckValue(std::string_view handle, long long missionsCompleted,
                                 long long playSeconds, long long bustedCount, long long saveCount);

// The data string: missions, play seconds, busts, saves, the version 121 and the check value,
// encoded and joined by "w", with "yUoX" for a 0.
std::string HighscoreData(std::string_view handle, long long missionsCompleted,
                          long long playSeconds, long long bustedCount, long long saveCount);

// The game version a submission carries.
inline constexpr int kHighscoreVersion = 121;

struct HighscoreResult {
    long long missionsCompleted = 0;
    long long playSeconds = 0;
    long long bustedCount = 0;
    long long saveCount = 0;
};

enum class HighscoreProblem {
    kNone,
    kMalformed,  // not six fields of letters the game writes
    kVersion,    // another game version
    kCheck,      // the check value does not match the other fields
};

struct DecodedHighscore {
    HighscoreProblem problem = HighscoreProblem::kNone;
    HighscoreResult result;
};

// The inverse of HighscoreData for this handle: the four counts when the data string is exactly
// what the game would send for them (every field of up to ten letters, no leading "b", a count
// never negative), otherwise what is wrong with it.
DecodedHighscore DecodeHighscoreData(std::string_view handle, std::string_view data);
