// The pack checker and its player on any mission file: the problems stay within the file and in
// order, and a mission the checker finds nothing wrong with is one the player wins.
#include <algorithm>

#include "checker/auto_player.h"
#include "checker/pack_checker.h"
#include "fuzz_support.h"
#include "harness/test_game.h"

namespace {

void CheckPackCheck(std::string_view input) {
    MemoryFileStore files;
    const TempAppFolder data(&files);
    data.CopyFromData("Lang/English.zdl");
    data.Write("FileSystem/defaultfs.zdl", "--autoexec.bat\r\n+DOWNLOADS\r\n");
    data.Write("MissionPack/Pack/m1.zdl", input);
    const std::filesystem::path pack = data.Path() / "MissionPack/Pack";

    const PackReport report = CheckPack(pack, data.Path(), files);
    FUZZ_CHECK(report.missions == 1);
    // Lines are counted as the game cuts them: a CR ends one.
    const int lines = 1 + static_cast<int>(std::count(input.begin(), input.end(), '\r'));
    int errors = 0;
    for (std::size_t i = 0; i < report.problems.size(); ++i) {
        const Problem& problem = report.problems[i];
        FUZZ_CHECK(problem.file == "m1.zdl");
        FUZZ_CHECK(problem.line >= 0 && problem.line <= lines);
        FUZZ_CHECK(!problem.text.empty());
        FUZZ_CHECK(problem.Text().find_first_of("\r\n") == std::string::npos);
        if (i > 0) FUZZ_CHECK(report.problems[i - 1].line <= problem.line);
        errors += problem.error ? 1 : 0;
    }
    FUZZ_CHECK(report.Errors() == errors);

    const PackPlay play = PlayPack(pack, data.Path(), files);
    FUZZ_CHECK(play.missions.size() <= 1);
    if (report.problems.empty()) {
        FUZZ_CHECK(play.missions.size() == 1);
        FUZZ_CHECK(play.missions[0].won);
    }
}

}  // namespace

ZINDREL_FUZZ_TARGET("pack_check", CheckPackCheck)
