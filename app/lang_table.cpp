// Looking texts up in the language files, with the English fallback and the recovery question.
#include "lang_table.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "file_routines.h"
#include "game.h"
#include "text_helpers.h"

namespace {

std::string KeyOf(const std::string& line) {
    return line.substr(0, line.find("=>"));
}

// The text is the piece between the first "=>" and the next one, if any.
std::string TextOf(const std::string& line) {
    const std::vector<std::string> pieces = SplitString(line, "=>");
    if (pieces.size() < 2) throw FileReadError("language line without =>");
    return pieces[1];
}

}  // namespace

std::filesystem::path LangTable::LanguageFile(const std::string& language) const {
    // The name comes from the settings file; one that would reach outside Lang names no file.
    if (!IsPlainName(language)) throw FileReadError("not a language name");
    return game_.folders.Find(std::filesystem::path("Lang") / (language + ".zdl"));
}

std::shared_ptr<const LangTable::Parsed> LangTable::Parse(std::string bytes, bool english) {
    // English files parsed lately, by their bytes, shared by every table: games come and go
    // (the pack checker starts one for each look at a pack), and every game reads English, the
    // fallback, while its file stays the same. A file is kept from the second time it is parsed
    // on, so a file read once holds no memory beyond its table. Another language is parsed once
    // per game that reads it: keeping it too would let any file read twice (a test's, a
    // fuzzer's) push English out. Every game runs on one thread.
    static std::map<std::string, std::shared_ptr<const Parsed>> recent;
    static std::array<std::uint64_t, 4> seen{};
    static std::size_t nextSeen = 0;
    bool again = false;
    if (english) {
        if (const auto known = recent.find(bytes); known != recent.end()) return known->second;
        std::uint64_t hash = 14695981039346656037ull;
        for (const unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
        again = std::find(seen.begin(), seen.end(), hash) != seen.end();
        if (!again) seen[nextSeen++ % seen.size()] = hash;
    }

    auto read = std::make_shared<Parsed>();
    LineReader reader(bytes);
    try {
        do {
            read->lines.push_back(ReadLine(reader));
        } while (!reader.AtEnd());
    } catch (const FileReadError&) {
        read->breakAt = read->lines.size();
    }
    for (std::size_t i = 0; i < read->lines.size(); ++i) {
        if (read->lines[i].empty()) {
            read->breakAt = std::min(read->breakAt, i);
            break;
        }
        read->firstLineOfKey.emplace(UpperCase(KeyOf(read->lines[i])), i);
    }
    if (!again) return read;
    if (recent.size() >= seen.size()) recent.clear();
    recent.emplace(std::move(bytes), read);
    return read;
}

const LangTable::Parsed& LangTable::Current(const std::filesystem::path& path) {
    // The path is a found one already (LanguageFile).
    const FileStore& store = game_.folders.Files();
    const std::filesystem::path& file = path;
    const std::optional<FileVersion> version = store.VersionOf(file);
    if (!version) {
        // Nothing readable there now (missing, or a folder); nothing is kept.
        files_.erase(file.native());
        throw FileReadError("not a readable file: " + path.string());
    }
    const auto found = files_.find(file.native());
    if (found != files_.end() && found->second.version == *version) return *found->second.parsed;

    files_.erase(file.native());
    const bool english = EqualsIgnoringCase(file.filename().string(), "English.zdl");
    ReadFile read{*version, Parse(store.Read(file), english)};
    return *files_.emplace(file.native(), std::move(read)).first->second.parsed;
}

// As a scan from the first line would go: it stops at the first line holding the key, or fails
// at a line it cannot get past, or ends with the file's last line.
LangTable::Scan LangTable::ScanFile(const std::filesystem::path& path, const std::string& key) {
    const Parsed& file = Current(path);
    const auto line = file.firstLineOfKey.find(UpperCase(key));
    if (line != file.firstLineOfKey.end() && line->second < file.breakAt)
        return {true, file.lines[line->second]};
    if (file.breakAt != Parsed::kNoBreak) throw FileReadError("language file breaks off");
    return {false, file.lines.back()};
}

std::optional<std::string> LangTable::TryLookup(const std::string& key) {
    try {
        Scan scan = ScanFile(LanguageFile(game_.settings.Language), key);
        if (!scan.matched) {
            scan = ScanFile(LanguageFile("English"), key);
            if (!scan.matched) return key;
        }
        return TextOf(scan.lastLine);
    } catch (const FileReadError&) {
        return std::nullopt;
    }
}

std::string LangTable::LangString(const std::string& key) {
    if (auto text = TryLookup(key)) return *text;

    Platform& platform = game_.platform;
    if (!platform.AskYesNo(Game::kTitle, "Error loading " + game_.settings.Language +
                                             " language file! Want to try reverting to english?"))
        platform.EndProgram();

    game_.settings.Language = "English";
    game_.SaveSettings();
    game_.ShowMessage(
        "The best thing to do is to save your game, and restart Zindrel. You can however continue "
        "playing, but there might be some language mix-ups");
    if (auto text = TryLookup(key)) return *text;

    // English is unreadable too: there is nothing left to fall back on.
    platform.ShowOkMessage(Game::kTitle,
                           "The English language file Lang/English.zdl could not be read either. "
                           "Zindrel cannot go on without it and closes now.");
    platform.EndProgram();
}
