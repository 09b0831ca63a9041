// The language table: every text the player sees is looked up by key in the chosen language file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/file_store.h"

class Game;

class LangTable {
public:
    explicit LangTable(Game& game) : game_(game) {}

    // The text of a key such as "str12". The file is scanned from its first line on every call;
    // a key missing from the chosen language comes from English; a key in neither file yields
    // the key itself, so a missing text shows up plainly instead of as some other line's text. A
    // language file that cannot be read leads to the question whether to revert to English.
    std::string LangString(const std::string& key);

private:
    // A language file as read: its lines in order, where a scan would break off, and the keys'
    // first lines. It is read again only when the file's size or modification time changed, so
    // an edit made during play shows at the next lookup all the same.
    struct Parsed {
        std::vector<std::string> lines;
        // The first line a scan cannot get past (an empty line, or the end of a file whose last
        // read failed); none when every line reads.
        std::size_t breakAt = kNoBreak;
        std::unordered_map<std::string, std::size_t> firstLineOfKey;  // by upper-case key
        static constexpr std::size_t kNoBreak = static_cast<std::size_t>(-1);
    };
    struct ReadFile {
        FileVersion version;
        std::shared_ptr<const Parsed> parsed;
    };
    struct Scan {
        bool matched = false;
        std::string lastLine;
    };

    std::optional<std::string> TryLookup(const std::string& key);
    Scan ScanFile(const std::filesystem::path& file, const std::string& key);
    const Parsed& Current(const std::filesystem::path& file);
    // `english`: the file is the English one, which every game reads and may share.
    static std::shared_ptr<const Parsed> Parse(std::string bytes, bool english);
    std::filesystem::path LanguageFile(const std::string& language) const;

    Game& game_;
    std::map<std::string, ReadFile> files_;  // by path
};
