// Writing and reading a saved game and the file system that goes with it.
#include "saved_games.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "app/file_routines.h"
#include "app/game.h"
#include "app/text_helpers.h"

namespace {

// The leading number of a line, rounded halves to even, if it fits the variable's type.
template <typename Number>
std::optional<Number> WholeNumber(const std::string& line) {
    const double value = std::nearbyint(LeadingNumber(line));
    if (!(value >= std::numeric_limits<Number>::min() && value <= std::numeric_limits<Number>::max()))
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
};

std::optional<SavedState> ReadSavedState(const std::filesystem::path& file) {
    try {
        LineReader reader = LineReader::Open(file);
        SavedState saved;
        auto next = [&reader] { return ReadLine(reader); };
        const auto missions = WholeNumber<std::int16_t>(next());
        const auto busted = WholeNumber<std::int16_t>(next());
        saved.currentFolder = next();
        const auto seconds = WholeNumber<std::int32_t>(next());
        const auto saves = WholeNumber<std::int16_t>(next());
        if (!missions || !busted || !seconds || !saves) return std::nullopt;
        saved.missionsCompleted = *missions;
        saved.bustedCount = *busted;
        saved.playSeconds = *seconds;
        saved.saveCount = *saves;
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

}  // namespace

std::optional<std::filesystem::path> SavedGames::SaveFile() const {
    const std::string name =
        game_.state.HackerHandle + "-" + game_.state.MissionPackName + ".zdl";
    // A handle or pack that would leave the Save folder names no saved game.
    if (!IsPlainName(name)) return std::nullopt;
    return std::filesystem::path("Save") / name;
}

std::string SavedGames::SaveText() const {
    const GameState& state = game_.state;
    std::string text;
    auto line = [&text](const std::string& content) { text += content + std::string(kCrLf); };
    line(PrintNumber(state.MissionsCompleted));
    line(PrintNumber(state.BustedCount));
    line(game_.local.CurrentFolder);
    line(PrintNumber(state.PlaySeconds));
    line(PrintNumber(state.SaveCount));
    for (const char* button : kButtons) line(game_.console.IsVisible(button) ? "True" : "False");
    return text;
}

bool SavedGames::Save() {
    const std::optional<std::filesystem::path> file = SaveFile();
    if (!file) return false;
    // A saved game without its file system could never be loaded again: the file system goes
    // first, and the game is saved only once it is on the disk.
    if (!game_.SaveFileSystem()) return false;
    return WriteFileAtomically(game_.folders.ForWriting(*file), SaveText());
}

bool SavedGames::Load() {
    const std::optional<std::filesystem::path> file = SaveFile();
    if (!file) return false;
    const std::optional<SavedState> saved = ReadSavedState(game_.folders.user / *file);
    if (!saved) return false;
    GameState& state = game_.state;
    std::optional<FileSystemRecord> files =
        game_.ReadFileSystem(state.HackerHandle + "-" + state.MissionPackName);
    if (!files) return false;

    // Everything read: from here on nothing can fail.
    state.MissionsCompleted = saved->missionsCompleted;
    state.BustedCount = saved->bustedCount;
    state.PlaySeconds = saved->playSeconds;
    state.SaveCount = saved->saveCount;
    for (std::size_t i = 0; i < std::size(kButtons); ++i)
        game_.console.SetVisible(kButtons[i], saved->visible[i]);
    game_.local = std::move(*files);
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
