// The highscore submission: the player's results, encoded, opened as a web address in the
// browser after a question. The game itself sends nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "mission/highscore_data.h"

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

// The whole address for a host; the handle is percent-encoded, so it cannot add or change fields
// of the query.
std::string HighscoreAddress(const std::string& host, const std::string& handle,
                             const std::string& data);

// Asks the player, then opens the address through the platform.
void SubmitHighscore(Game& game);
