// Saved games: SAVE writes the score, the busts, the play time, the installed tools and the
// player's file system, one saved game per handle and pack; LOAD brings them back and starts the
// next mission afresh.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

class Game;

class SavedGames {
public:
    explicit SavedGames(Game& game) : game_(game) {}

    // Writes the saved game and the player's file system as one pair: the file system goes to a
    // side file first, then the saved game, which names the file system it belongs to, replaces
    // the old one, and only then does the file system take its place. A kill at any moment
    // leaves the old pair or the new one for LOAD; a failure leaves the old pair as it was.
    // False when the pair could not be written (a file system that could not be written has
    // said so in its own message first).
    bool Save();

    // Reads and checks the whole saved game and its file system before it changes anything:
    // false, with the game exactly as it was, when either is missing, unreadable or broken,
    // when they are not of one save, or when the saved game holds what no game can reach.
    bool Load();

    // The saved game's file ("Save/<handle>-<pack>.zdl"), its file system's
    // ("FileSystem/<handle>-<pack>fs.zdl") and the side file a save writes that file system to
    // first, all relative to the player's folder.
    std::filesystem::path SaveFile() const;
    std::filesystem::path FileSystemFile() const;
    std::filesystem::path PendingFileSystemFile() const;

    // The part of those names that says whose game it is: "<handle>-<pack>", with every byte that
    // some desktop system refuses in a file name, and "%" itself, written as "%" and two hex
    // digits, so any handle the intro takes can be saved; a name too long for the systems keeps
    // its start and ends in a hash of the whole.
    std::string FileStem() const;

    // The saved game's text: fifteen lines; the fifth carries the stamp of the file system saved
    // with it behind its number.
    std::string SaveText(std::string_view fileSystemStamp) const;
    // The stamp of a file system's text.
    static std::string StampOf(std::string_view fileSystemText);

    // The buttons whose visibility the saved game keeps, in the order of its lines 6 to 15.
    static constexpr const char* kButtons[] = {
        "butemail",   "butping",         "buttelnet", "butcopyfile", "butportscan",
        "butdestroy", "butpasswordhack", "butvirus",  "buthangup",   "buthelp"};

private:
    // A save killed after its saved game was written but before its file system took its place
    // is finished; one killed before that is undone.
    void FinishPendingSave();

    Game& game_;
};
