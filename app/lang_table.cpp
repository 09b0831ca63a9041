// Looking texts up in the language files, with the English fallback and the recovery question.
#include "lang_table.h"

#include "file_routines.h"
#include "game.h"
#include "text_helpers.h"

namespace {

struct Scan {
    bool matched = false;
    std::string lastLine;
};

std::string KeyOf(const std::string& line) {
    return line.substr(0, line.find("=>"));
}

// Reads lines until one holds the key or the file ends. Every line reached must be non-empty.
Scan ScanFile(const std::filesystem::path& file, const std::string& key) {
    LineReader reader = LineReader::Open(file);
    Scan scan;
    do {
        scan.lastLine = ReadLine(reader);
        if (scan.lastLine.empty()) throw FileReadError("empty line in a language file");
        if (EqualsIgnoringCase(KeyOf(scan.lastLine), key)) {
            scan.matched = true;
            break;
        }
    } while (!reader.AtEnd());
    return scan;
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
    return game_.appFolder / "Lang" / (language + ".zdl");
}

std::optional<std::string> LangTable::TryLookup(const std::string& key) const {
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
