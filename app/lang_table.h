// The language table: every text the player sees is looked up by key in the chosen language file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

class Game;

class LangTable {
public:
    explicit LangTable(Game& game) : game_(game) {}

    // The text of a key such as "str12". The file is scanned afresh on every call; a key missing
    // from the chosen language comes from English; a key in neither file yields the key itself,
    // so a missing text shows up plainly instead of as some other line's text. A language file
    // that cannot be read leads to the question whether to revert to English.
    std::string LangString(const std::string& key);

private:
    std::optional<std::string> TryLookup(const std::string& key) const;
    std::filesystem::path LanguageFile(const std::string& language) const;

    Game& game_;
};
