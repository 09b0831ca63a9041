// Saved games: SAVE writes the score, the busts, the play time, the installed tools and the
// player's file system, one saved game per handle and pack; LOAD brings them back and starts the
// next mission afresh.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

class Game;

class SavedGames {
public:
    explicit SavedGames(Game& game) : game_(game) {}

    // Writes the saved game and the player's file system beside it, each through a temporary
    // file, so a crash or a full disk leaves the previous saved game whole. False when either
    // could not be written (the file system's own message says so first).
    bool Save();

    // Reads and checks the whole saved game and its file system before it changes anything:
    // false, with the game exactly as it was, when either is missing, unreadable or broken.
    bool Load();

    // The saved game's file in the player's folder ("Save/<handle>-<pack>.zdl"), or nothing when
    // the handle and pack cannot name a file in Save.
    std::optional<std::filesystem::path> SaveFile() const;
    // The saved game's text: fifteen lines.
    std::string SaveText() const;

    // The buttons whose visibility the saved game keeps, in the order of its lines 6 to 15.
    static constexpr const char* kButtons[] = {"butemail",    "butping",    "buttelnet",
                                               "butcopyfile", "butportscan", "butdestroy",
                                               "butpasswordhack", "butvirus", "buthangup",
                                               "buthelp"};

private:
    Game& game_;
};
