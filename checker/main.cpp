// zindrel-check: tells a pack's author what is wrong with a pack before a player finds it, and
// plays it through to show that every mission can be won.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "app/file_routines.h"
#include "app/game.h"
#include "checker/auto_player.h"
#include "checker/language_checker.h"
#include "checker/pack_checker.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: zindrel-check [--quiet] [--data FOLDER] PACKFOLDER\n"
    "       zindrel-check --play [--data FOLDER] PACKFOLDER\n"
    "       zindrel-check [--quiet] --lang LANGUAGEFILE...\n"
    "\n"
    "Checks a mission pack: prints each problem as FILE:LINE: error|warning: TEXT, in file and\n"
    "line order, and a summary; exits with 1 when there is an error. --quiet prints errors only.\n"
    "--play plays every mission on a virtual clock and tells which it won; exits with 1 when\n"
    "one could not be won. --data names the folder with the game's data (Lang, FileSystem);\n"
    "by default the folder this program lies in, or the installed game's data.\n"
    "--lang checks language files (Lang/Deutsch.zdl) against the keys the game asks for.\n";

fs::path ProgramFolder(const char* argv0) {
    std::error_code error;
    const fs::path self = fs::canonical("/proc/self/exe", error);
    if (!error) return self.parent_path();
    return fs::absolute(argv0).parent_path();
}

// The game's data as the game finds it: beside the program in an application folder, else
// where an installation puts it relative to the programs.
fs::path DataFolder(const fs::path& programFolder) {
    std::error_code error;
    if (fs::is_directory(programFolder / "Lang", error)) return programFolder;
    return (programFolder / ZINDREL_DATA_FROM_BIN).lexically_normal();
}

double CpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

}  // namespace

int main(int argc, char* argv[]) {
    bool quiet = false, play = false, language = false;
    fs::path data = DataFolder(ProgramFolder(argv[0]));
    std::vector<std::string> packs;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (argument == "--version") {
            std::printf("zindrel-check %s\n", Game::kVersion);
            return 0;
        }
        if (argument == "--quiet") {
            quiet = true;
        } else if (argument == "--lang") {
            language = true;
        } else if (argument == "--play") {
            play = true;
        } else if (argument == "--data" && i + 1 < argc) {
            data = argv[++i];
        } else if (argument.starts_with("-")) {
            std::fprintf(stderr, "zindrel-check: unknown option %s\n%s", argument.c_str(), kUsage);
            return 2;
        } else {
            packs.push_back(argument);
        }
    }
    if (language && !play && !packs.empty()) {
        int errors = 0;
        for (const std::string& file : packs) {
            const LanguageReport report = CheckLanguage(file, file);
            for (const Problem& problem : report.problems)
                if (problem.error || !quiet) std::printf("%s\n", problem.Text().c_str());
            std::printf("%s\n", report.Summary().c_str());
            errors += report.Errors();
        }
        return errors > 0 ? 1 : 0;
    }
    if (language || packs.size() != 1) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const fs::path pack = packs[0];
    // Without the game's English texts the game itself cannot start, and neither can its
    // checker: say where it looked instead of playing a game that asks for help.
    const fs::path english = FindIgnoringCase(data / "Lang/English.zdl");
    std::error_code error;
    if (!fs::is_regular_file(english, error)) {
        std::fprintf(stderr,
                     "zindrel-check: the game's data (Lang/English.zdl) is not in %s; name its "
                     "folder with --data\n",
                     data.string().c_str());
        return 2;
    }
    const LanguageReport texts = CheckLanguage(english, english.string());
    if (texts.Errors() > 0) {
        std::fprintf(stderr, "zindrel-check: the game cannot start on these English texts:\n");
        constexpr int kShown = 5;
        int shown = 0;
        for (const Problem& problem : texts.problems)
            if (problem.error && shown++ < kShown)
                std::fprintf(stderr, "%s\n", problem.Text().c_str());
        if (texts.Errors() > kShown)
            std::fprintf(stderr, "... and %d more: zindrel-check --lang %s names them all\n",
                         texts.Errors() - kShown, english.string().c_str());
        return 2;
    }

    if (play) {
        const double cpuBefore = CpuSeconds();
        const PackPlay result = PlayPack(pack, data);
        double gameSeconds = 0;
        int won = 0;
        for (const MissionPlay& mission : result.missions) {
            std::printf("%s\n", mission.Text().c_str());
            gameSeconds += mission.gameSeconds;
            won += mission.won ? 1 : 0;
        }
        std::printf("%s: %d of %zu missions won, %.1f s of game time, %.2f s of CPU\n",
                    PackName(pack).c_str(), won,
                    result.missions.size(), gameSeconds, CpuSeconds() - cpuBefore);
        return result.AllWon() ? 0 : 1;
    }

    const PackReport report = CheckPack(pack, data);
    for (const Problem& problem : report.problems)
        if (problem.error || !quiet) std::printf("%s\n", problem.Text().c_str());
    std::printf("%s\n", report.Summary().c_str());
    return report.Errors() > 0 ? 1 : 0;
}
