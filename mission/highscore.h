// The highscore submission: the player's results, encoded, opened as a web address in the
// browser after a question. The game itself sends nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class Game;

// Where the results go when nothing else is said: a reserved example host of ours. A player or a
// community server sets another with the environment variable ZINDREL_HIGHSCORE_URL (read at
// start-up, outside the core).
inline constexpr const char* kDefaultHighscoreHost = "http://highscore.zindrel.example";

// The address a highscore server is given by: "http://" or "https://", a host name or address
// (an IPv6 address in brackets), an optional ":port" and an optional base path that the game's
// own path and query follow; any trailing "/" goes. Nothing for anything else (a query, a
// fragment, a user name, another scheme, a blank).
std::optional<std::string> HighscoreBase(std::string_view address);

// Each digit of the number's decimal text becomes the letter 98 + its value ("0" is "b", "9" is
// "k"); a minus sign counts as 0.
std::string EncodeNumber(long long value);

// The check value, computed in 64 bits and wrapped to the signed 32 bits the service works in.
std::int32_t HighscoreCheckValue(const std::string& handle, long long missionsCompleted,
                                 long long playSeconds, long long bustedCount, long long saveCount);

// The data string: missions, play seconds, busts, saves, the version 121 and the check value,
// encoded and joined by "w", with "yUoX" for a 0.
std::string HighscoreData(const std::string& handle, long long missionsCompleted,
                          long long playSeconds, long long bustedCount, long long saveCount);

// The whole address for a host; the handle is percent-encoded, so it cannot add or change fields
// of the query.
std::string HighscoreAddress(const std::string& host, const std::string& handle,
                             const std::string& data);

// Asks the player, then opens the address through the platform.
void SubmitHighscore(Game& game);
