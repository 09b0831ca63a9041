// The pack checker's player: plays every mission of a pack on the virtual clock, as a player who
// reads the mails would, with typed commands and the tool windows, and tells which missions it
// won and in how much game time, or why it could not win one.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/file_store.h"

struct MissionPlay {
    std::string file;
    bool won = false;
    double gameSeconds = 0;  // from the mail to the hang-up that won it
    int traceReached = 0;    // the most of the own address the trace revealed, 0 to 15
    int attempts = 0;        // telnet sessions it took
    std::string why;         // when not won

    // "m3.zdl: won in 48.3 s of game time (trace reached 9 of 15)"
    std::string Text() const;
};

struct PackPlay {
    std::vector<MissionPlay> missions;
    // How the game ended: the pack's summary, or what stopped it.
    std::string ending;
    bool AllWon() const;
};

// dataFolder holds the game's data (Lang/English.zdl, FileSystem/defaultfs.zdl).
PackPlay PlayPack(const std::filesystem::path& packFolder, const std::filesystem::path& dataFolder,
                  const FileStore& files = DiskFiles());
