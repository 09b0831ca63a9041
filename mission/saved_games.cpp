// Writing and reading a saved game and the file system that goes with it.
#include "saved_games.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <vector>

#include "app/file_routines.h"
#include "app/game.h"
#include "app/text_helpers.h"

namespace fs = std::filesystem;

namespace {

// The stamp follows the number on the saved game's fifth line. A reader that takes the line's
// leading number stops at its letters; "fs:" begins with no digit, blank or sign it could take.
constexpr std::string_view kStampTag = "fs:";

std::string Hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::uint64_t Hash(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

// The leading number of a line, rounded halves to even, if it fits the variable's type.
template <typename Number>
std::optional<Number> WholeNumber(const std::string& line) {
    const double value = std::nearbyint(LeadingNumber(line));
    if (!(value >= std::numeric_limits<Number>::min() &&
          value <= std::numeric_limits<Number>::max()))
        return std::nullopt;
    return static_cast<Number>(value);
}

// Everything a saved game holds, read and checked before any of it reaches the game.
struct SavedState {
    std::int16_t missionsCompleted = 0;
    std::int16_t bustedCount = 0;
    std::string currentFolder;
    std::int32_t playSeconds = 0;
    std::int16_t saveCount = 0;
    bool visible[std::size(SavedGames::kButtons)] = {};
    // The stamp of the file system saved with it; none in a saved game from before stamps.
    std::optional<std::string> fileSystemStamp;
};

std::optional<SavedState> ParseSavedState(std::string bytes) {
    try {
        LineReader reader(std::move(bytes));
        SavedState saved;
        auto next = [&reader] { return ReadLine(reader); };
        const auto missions = WholeNumber<std::int16_t>(next());
        const auto busted = WholeNumber<std::int16_t>(next());
        saved.currentFolder = next();
        const auto seconds = WholeNumber<std::int32_t>(next());
        const std::string fifth = next();
        const auto saves = WholeNumber<std::int16_t>(fifth);
        if (!missions || !busted || !seconds || !saves) return std::nullopt;
        saved.missionsCompleted = *missions;
        saved.bustedCount = *busted;
        saved.playSeconds = *seconds;
        saved.saveCount = *saves;
        if (const std::size_t tag = fifth.find(kStampTag); tag != std::string::npos)
            saved.fileSystemStamp = fifth.substr(tag);
        for (bool& visible : saved.visible) {
            const std::optional<bool> value = ParseBoolean(next());
            if (!value) return std::nullopt;
            visible = *value;
        }
        return saved;
    } catch (const FileReadError&) {
        return std::nullopt;
    }
}

// Whether a saved game holds only what a game can reach: a game ends at its third bust and
// with its pack's last mission, and counts its seconds and saves up from nothing.
bool Reachable(const SavedState& saved, std::int16_t missionCount) {
    return saved.bustedCount >= 0 && saved.bustedCount <= 2 && saved.missionsCompleted >= 0 &&
           saved.missionsCompleted < missionCount && saved.playSeconds >= 0 && saved.saveCount >= 0;
}

// True when a byte cannot stand in a file name on one of the desktop systems.
bool RefusedInFileNames(unsigned char c) {
    return c < 0x20 || c == 0x7F ||
           std::string_view("/\\:*?\"<>|%").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string ForFileName(std::string_view text) {
    std::string name;
    for (unsigned char c : text) {
        if (RefusedInFileNames(c)) {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            name += escaped;
        } else {
            name += static_cast<char>(c);
        }
    }
    return name;
}

}  // namespace

std::string SavedGames::FileStem() const {
    std::string stem =
        ForFileName(game_.state.HackerHandle) + "-" + ForFileName(game_.state.MissionPackName);
    // The longest name made from it is the side file's: "." + stem + "fs.zdl" + ".next".
    constexpr std::size_t kLongest = kMaxFileNameBytes - 12;
    if (stem.size() > kLongest) stem = stem.substr(0, kLongest - 17) + "~" + Hex(Hash(stem));
    return stem;
}

fs::path SavedGames::SaveFile() const {
    return fs::path("Save") / (FileStem() + ".zdl");
}

fs::path SavedGames::FileSystemFile() const {
    return fs::path("FileSystem") / (FileStem() + "fs.zdl");
}

fs::path SavedGames::PendingFileSystemFile() const {
    // Hidden, so nothing ever lists it, and no file-system file by its name.
    return fs::path("FileSystem") / ("." + FileStem() + "fs.zdl.next");
}

std::string SavedGames::StampOf(std::string_view fileSystemText) {
    return std::string(kStampTag) + Hex(Hash(fileSystemText));
}

std::string SavedGames::SaveText(std::string_view fileSystemStamp) const {
    const GameState& state = game_.state;
    std::string text;
    auto line = [&text](const std::string& content) { text += content + std::string(kCrLf); };
    line(PrintNumber(state.MissionsCompleted));
    line(PrintNumber(state.BustedCount));
    line(game_.local.CurrentFolder);
    line(PrintNumber(state.PlaySeconds));
    line(PrintNumber(state.SaveCount) + std::string(fileSystemStamp));
    for (const char* button : kButtons) line(game_.console.IsVisible(button) ? "True" : "False");
    return text;
}

void SavedGames::FinishPendingSave() {
    const fs::path pending = game_.folders.user / PendingFileSystemFile();
    FileStore& store = game_.folders.Files();
    const std::optional<std::string> files = store.ReadIfReadable(pending);
    if (!files) return;
    const std::optional<std::string> bytes = store.ReadIfReadable(game_.folders.user / SaveFile());
    const std::optional<SavedState> saved =
        bytes ? ParseSavedState(*bytes) : std::optional<SavedState>();
    if (saved && saved->fileSystemStamp == StampOf(*files)) {
        store.Replace(pending, game_.folders.ForWriting(FileSystemFile()));
    } else {
        store.Remove(pending);
    }
}

bool SavedGames::Save() {
    const fs::path saveFile = game_.folders.ForWriting(SaveFile());
    const fs::path filesFile = game_.folders.ForWriting(FileSystemFile());
    const fs::path pending = game_.folders.ForWriting(PendingFileSystemFile());
    FileStore& store = game_.folders.Files();
    // A file the player made read-only keeps the whole pair as it is.
    if (store.IsKept(saveFile)) return false;
    if (store.IsKept(filesFile)) {
        game_.ShowMessage(game_.LangString("str35"));
        return false;
    }
    FinishPendingSave();

    const std::string files = WriteFolderStructure(game_.local);
    if (!store.Write(pending, files)) {
        game_.ShowMessage(game_.LangString("str35"));
        return false;
    }
    if (!store.Write(saveFile, SaveText(StampOf(files)))) {
        store.Remove(pending);
        return false;
    }
    // The new saved game names the side file's file system: the pair is saved, and LOAD finds it
    // whether or not the file system takes its place now.
    if (!store.Replace(pending, filesFile)) game_.ShowMessage(game_.LangString("str35"));
    return true;
}

bool SavedGames::Load() {
    const FileStore& store = game_.folders.Files();
    const std::optional<std::string> bytes = store.ReadIfReadable(game_.folders.user / SaveFile());
    if (!bytes) return false;
    const std::optional<SavedState> saved = ParseSavedState(*bytes);
    GameState& state = game_.state;
    if (!saved || !Reachable(*saved, state.MissionCount)) return false;

    // The file system of the same save: the one in place, or the side file of a save that was
    // stopped before its file system could take its place. A saved game from before stamps is
    // taken with the file system in place.
    std::optional<std::string> files = store.ReadIfReadable(game_.folders.Find(FileSystemFile()));
    if (saved->fileSystemStamp && (!files || StampOf(*files) != *saved->fileSystemStamp)) {
        files = store.ReadIfReadable(game_.folders.user / PendingFileSystemFile());
        if (files && StampOf(*files) != *saved->fileSystemStamp) files.reset();
    }
    if (!files) return false;
    std::optional<FileSystemRecord> record = game_.FileSystemFromText(std::move(*files));
    if (!record) return false;
    // The console can stand only in a folder the machine has, and a name with a blank could
    // never be typed back at its prompt.
    if (saved->currentFolder.find(' ') != std::string::npos ||
        FindFolder(*record, saved->currentFolder) < 0)
        return false;

    // Everything read: from here on nothing can fail.
    state.MissionsCompleted = saved->missionsCompleted;
    state.BustedCount = saved->bustedCount;
    state.PlaySeconds = saved->playSeconds;
    state.SaveCount = saved->saveCount;
    for (std::size_t i = 0; i < std::size(kButtons); ++i)
        game_.console.SetVisible(kButtons[i], saved->visible[i]);
    game_.local = std::move(*record);
    game_.local.CurrentFolder = saved->currentFolder;

    state.MailSubject.clear();
    game_.console.SetCaption("butemail", game_.LangString("str36"));
    // The next mission starts afresh five seconds from now.
    game_.console.MissionTimer().SetEnabled(true);
    game_.console.Prompt = "root[" + game_.local.CurrentFolder + "]# ";
    game_.ShowScore();
    game_.ShowStatus(game_.LangString("str16"));
    game_.ShowTrace(game_.LangString("str17"));
    game_.ShowBusted();
    return true;
}
