// The translator's check: a language file read the way the game's language table reads it, with
// every problem named by line.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/file_store.h"
#include "checker/problem.h"

struct LanguageReport {
    std::string file;  // as the translator named it
    int keys = 0;      // the keys the game asks for that the file gives a text for
    std::vector<Problem> problems;  // the whole file's first, then by line

    int Errors() const;
    int Warnings() const;
    // "Lang/Deutsch.zdl: 145 of 145 texts, 0 errors, 0 warnings"
    std::string Summary() const;
};

// shownAs is how the problems name the file; English.zdl is the fallback of every other
// language, so a key it lacks is an error there.
LanguageReport CheckLanguage(const std::filesystem::path& file, const std::string& shownAs,
                             const FileStore& files = DiskFiles());
