// Checking a language file against the keys the game asks for.
#include "language_checker.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "app/lang_keys.h"
#include "app/text_helpers.h"
#include "checker/file_text.h"

namespace {

int Count(const std::vector<Problem>& problems, bool error) {
    return static_cast<int>(std::count_if(problems.begin(), problems.end(),
                                          [error](const Problem& p) { return p.error == error; }));
}

bool IsGameKey(const std::string& upperKey) {
    static const std::set<std::string, std::less<>> keys = [] {
        std::set<std::string, std::less<>> upper;
        for (const char* key : kLanguageKeys) upper.insert(UpperCase(key));
        return upper;
    }();
    return keys.contains(upperKey);
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

int LanguageReport::Errors() const {
    return Count(problems, true);
}

int LanguageReport::Warnings() const {
    return Count(problems, false);
}

std::string LanguageReport::Summary() const {
    auto count = [](int n, const char* what) {
        return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
    };
    return file + ": " + std::to_string(keys) + " of " + std::to_string(kLanguageKeys.size()) +
           " texts, " + count(Errors(), "error") + ", " + count(Warnings(), "warning");
}

LanguageReport CheckLanguage(const std::filesystem::path& path, const std::string& shownAs,
                             const FileStore& files) {
    LanguageReport report;
    report.file = shownAs;
    auto problem = [&report](int line, bool error, std::string text) {
        report.problems.push_back({report.file, line, error, std::move(text)});
    };
    const bool english = EqualsIgnoringCase(path.filename().string(), "English.zdl");

    const std::optional<std::string> bytes = ReadAsTheGameDoes(path, files);
    if (!bytes) {
        problem(0, true, kUnreadableFile);
        return report;
    }
    if (const auto lineEnds = LineEndProblem(*bytes)) problem(0, false, *lineEnds);
    const std::vector<TextLine> lines = CutLines(*bytes);
    if (lines.empty()) {
        problem(0, true, "the file is empty: the game finds no text in it and asks to revert to English");
        return report;
    }

    // The game reads no further than the first empty line.
    std::optional<int> stop;
    std::map<std::string, int> firstLine;  // the game's keys the file holds, by upper-case key
    std::vector<Problem> lineProblems;
    auto lineProblem = [&](int line, bool error, std::string text) {
        lineProblems.push_back({report.file, line, error, std::move(text)});
    };
    for (const TextLine& line : lines) {
        if (const auto unshown = UnshownByteProblem(line.text)) lineProblem(line.number, false, *unshown);
        if (line.text.empty()) {
            if (!stop) stop = line.number;
            continue;
        }
        if (stop) continue;

        const std::size_t arrow = line.text.find("=>");
        const std::string key = line.text.substr(0, arrow);
        const std::string upperKey = UpperCase(key);
        const bool gameKey = IsGameKey(upperKey);
        if (gameKey && firstLine.contains(upperKey)) {
            lineProblem(line.number, false,
                        key + " again: the game takes the text at line " +
                            std::to_string(firstLine[upperKey]));
            continue;
        }
        if (arrow == std::string::npos) {
            if (gameKey) {
                firstLine.emplace(upperKey, line.number);
                lineProblem(line.number, true,
                            key + " has no \"=>\": when the game needs this text it asks to "
                                  "revert to English");
            } else {
                lineProblem(line.number, false, "a line without \"=>\": the game takes nothing from it");
            }
            continue;
        }
        if (!gameKey) {
            const std::string trimmed = UpperCase(Trimmed(key));
            lineProblem(line.number, false,
                        "\"" + key + "\" is no key the game asks for" +
                            (trimmed != upperKey && IsGameKey(trimmed) ? " (a blank in the key?)"
                                                                        : ""));
            continue;
        }
        firstLine.emplace(upperKey, line.number);
        ++report.keys;
        const std::size_t second = line.text.find("=>", arrow + 2);
        if (second != std::string::npos)
            lineProblem(line.number, false,
                        "a second \"=>\" ends the text: the game shows only \"" +
                            line.text.substr(arrow + 2, second - arrow - 2) + "\"");
    }

    const bool linesAfterStop =
        stop && std::any_of(lines.begin(), lines.end(), [&stop](const TextLine& line) {
            return line.number > *stop && !line.text.empty();
        });
    std::vector<std::string> missing;
    for (const char* key : kLanguageKeys)
        if (!firstLine.contains(UpperCase(key))) missing.push_back(key);
    for (const std::string& key : missing) {
        if (stop)
            problem(0, true,
                    key + " is missing: with the empty line at " + std::to_string(*stop) +
                        " the game asks to revert to English when it needs this text");
        else if (english)
            problem(0, true, key + " is missing: the game shows the key itself in its place");
        else
            problem(0, false, key + " is missing: the game shows the English text");
    }
    if (stop && (linesAfterStop || !missing.empty()))
        lineProblem(*stop, true,
                    "an empty line: the game reads no further" +
                        std::string(linesAfterStop ? ", so the lines below it are never read" : ""));
    else if (stop)
        lineProblem(*stop, false, "an empty line: the game reads no further");

    std::stable_sort(lineProblems.begin(), lineProblems.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    report.problems.insert(report.problems.end(), lineProblems.begin(), lineProblems.end());
    return report;
}
