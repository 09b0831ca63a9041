// The pack's checks: which missions the game reaches, what each file shows, whether the game's
// own reader takes it, and whether every mission can be won with the tools the player can have.
#include "pack_checker.h"

#include <algorithm>
#include <map>
#include <set>

#include "app/file_routines.h"
#include "app/game.h"
#include "app/text_helpers.h"
#include "app/virtual_platform.h"
#include "checker/mission_facts.h"
#include "checker/scratch_folder.h"
#include "console/console_view.h"

namespace fs = std::filesystem;

namespace {

std::string MissionName(int number) {
    return "m" + std::to_string(number) + ".zdl";
}

// The number of a file named like a mission (m12.zdl in any case), or 0.
int MissionNumber(const std::string& file) {
    const std::string upper = UpperCase(file);
    if (!upper.starts_with("M") || !upper.ends_with(".ZDL") || upper.size() <= 5) return 0;
    const std::string digits = upper.substr(1, upper.size() - 5);
    if (digits.find_first_not_of("0123456789") != std::string::npos || digits[0] == '0') return 0;
    return digits.size() > 6 ? 0 : std::stoi(digits);
}

// A name as the game would have it: the placeholders that never change filled in, the random
// ones left as they are (such a name is not checked).
std::string Settled(const std::string& name) {
    std::string text = name;
    for (std::size_t at = text.find("{own_ip}"); at != std::string::npos; at = text.find("{own_ip}"))
        text.replace(at, 8, std::string(kOwnIp));
    return text;
}

bool Random(const std::string& name) {
    return name.find('{') != std::string::npos;
}

// Whether the game itself reads each mission (the checker's own reading must never be kinder
// than the game's): the missions started in order in a game of the checker's own.
std::vector<bool> GameReads(const fs::path& packFolder, const fs::path& dataFolder, int missions,
                            const FileStore& files) {
    std::vector<bool> reads;
    ScratchFolder scratch(dataFolder, packFolder, files);
    VirtualPlatform platform;
    platform.logTimers = false;
    ConsoleView view;
    Game game(platform, GameFolders::Portable(scratch.Path(), scratch.Files()), view);
    game.state.HackerHandle = "checker";
    game.state.MissionPackName = scratch.PackName();
    for (int number = 1; number <= missions; ++number) {
        try {
            game.StartMission(game.PackFolder() / MissionName(number));
            reads.push_back(true);
        } catch (const ProgramEnded&) {
            reads.push_back(false);
        }
    }
    return reads;
}

// The player's own machine: its folders and the tool programs lying on it.
struct PlayerMachine {
    bool readable = false;
    bool hasDownloads = false;
    std::set<std::string> programs;  // upper case
};

PlayerMachine ReadPlayerMachine(const fs::path& dataFolder, const FileStore& files) {
    PlayerMachine machine;
    try {
        LineReader reader = files.Open(dataFolder / "FileSystem/defaultfs.zdl");
        while (!reader.AtEnd()) {
            const std::string line = ReadLine(reader);
            if (line.starts_with("+") && EqualsIgnoringCase(line.substr(1), "DOWNLOADS"))
                machine.hasDownloads = true;
            if (line.starts_with("--")) machine.programs.insert(UpperCase(line.substr(2)));
        }
        machine.readable = true;
    } catch (const FileReadError&) {
    }
    return machine;
}

}  // namespace

int PackReport::Errors() const {
    return static_cast<int>(std::count_if(problems.begin(), problems.end(),
                                          [](const Problem& problem) { return problem.error; }));
}

int PackReport::Warnings() const {
    return static_cast<int>(problems.size()) - Errors();
}

std::string PackReport::Summary() const {
    auto count = [](int n, const char* what) {
        return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
    };
    return pack + ": " + count(missions, "mission") + " checked, " + count(Errors(), "error") +
           ", " + count(Warnings(), "warning");
}

std::string PackName(const fs::path& packFolder) {
    fs::path folder = fs::absolute(packFolder).lexically_normal();
    if (folder.filename().empty()) folder = folder.parent_path();
    return folder.filename().string();
}

PackReport CheckPack(const fs::path& packFolder, const fs::path& dataFolder,
                     const FileStore& files) {
    PackReport report;
    report.pack = PackName(packFolder);
    if (!files.IsFolder(packFolder)) {
        report.problems.push_back({report.pack, 0, true, "no such pack folder"});
        return report;
    }

    // The missions the game reaches: m1.zdl, m2.zdl and so on, up to the first gap.
    while (files.IsFile(packFolder / MissionName(report.missions + 1))) ++report.missions;
    const std::vector<std::string> zdlFiles = files.Files(packFolder, ".zdl");
    std::vector<Problem> others;
    if (zdlFiles.empty()) {
        report.problems.push_back({report.pack, 0, true, "the pack holds no mission file"});
        return report;
    }
    if (report.missions == 0)
        report.problems.push_back(
            {"m1.zdl", 0, true, "the pack has no m1.zdl: the game ends before the first mission"});
    for (const std::string& file : zdlFiles) {
        const int number = MissionNumber(file);
        if (number >= 1 && number <= report.missions) continue;
        const std::string next = MissionName(report.missions + 1);
        others.push_back({file, 0, false,
                          number > report.missions
                              ? "unreachable: the game stops at the missing " + next
                              : "counts as a mission: after the last one the game reports " +
                                    next + " missing instead of the pack's summary"});
    }

    const PlayerMachine machine = ReadPlayerMachine(dataFolder, files);
    if (!machine.readable)
        report.problems.push_back({"defaultfs.zdl", 0, true,
                                   "the player's machine (FileSystem/defaultfs.zdl of the game's "
                                   "data) cannot be read: the game cannot start"});

    std::vector<MissionFacts> missions;
    for (int number = 1; number <= report.missions; ++number)
        missions.push_back(ReadMissionFacts(packFolder / MissionName(number), MissionName(number), files));
    const std::vector<bool> gameReads = GameReads(packFolder, dataFolder, report.missions, files);

    // Tools the player can hold: those on the own machine from the start, then those on the
    // host of every mission played.
    std::set<std::string> tools = machine.programs;
    bool loginKnown = false, loginEverDrawn = false, infect = false;
    std::string mail;
    std::vector<HostEntry> hostFiles;
    for (std::size_t k = 0; k < missions.size(); ++k) {
        MissionFacts& facts = missions[k];
        auto problem = [&facts](int line, bool isError, std::string text) {
            facts.problems.push_back({facts.file, line, isError, std::move(text)});
        };
        const bool hasErrors = std::any_of(facts.problems.begin(), facts.problems.end(),
                                           [](const Problem& p) { return p.error; });
        if (!gameReads[k] && !hasErrors)
            problem(0, true, "the game cannot load this mission");
        if (!facts.readable) continue;
        if (facts.hasFolders) hostFiles = facts.files;
        if (facts.hasMail) mail = UpperCase(facts.mail);

        auto onHost = [&](const std::string& program) {
            return std::any_of(hostFiles.begin(), hostFiles.end(), [&](const HostEntry& entry) {
                return UpperCase(entry.name) == program;
            });
        };
        auto need = [&](const ToolProgram& tool, bool hereWillDo, const std::string& why) {
            if (tools.count(tool.program) || (hereWillDo && onHost(tool.program))) return;
            problem(0, true,
                    why + " needs " + tool.name + ", and no earlier host nor the player's machine "
                    "holds " + tool.program);
        };

        if (facts.lastAttackIp != "mail")
            problem(0, true,
                    facts.lastAttackIp.empty()
                        ? "no {attack_ip}: the target gets an address that no mail tells"
                    : facts.lastAttackIp == MissionFacts::kReplaced
                        ? "a later *EMAIL replaces the mail that tells the target's address"
                        : "the target's address is drawn again after the mail: no mail tells it");
        if (facts.lastAttackPort != "mail") need(kPortScanner, false, "the port is in no mail: it");
        if (facts.lastLogin == "mail" || facts.lastLogin == "telnet") {
            loginKnown = loginEverDrawn = true;
        } else if (!facts.lastLogin.empty()) {
            loginKnown = false;
            loginEverDrawn = true;
            problem(0, true, facts.lastLogin == MissionFacts::kReplaced
                                 ? "a later section replaces the mail or login screen that tells "
                                   "the login: no one tells it"
                                 : "the login is drawn outside the mail and the login screen: no "
                                   "one tells it");
        } else if (!loginEverDrawn) {
            problem(0, true, "no {random_login} yet: the login stays empty and LOGIN: takes "
                             "nothing");
        } else if (!loginKnown) {
            problem(0, true, "the login of the last mission stays, and no one told it");
        }
        if (facts.lastPassword != "mail")
            need(kPasswordHacker, false, "the password is in no mail: it");
        // Without its own virus section a mission keeps the last one's objective.
        if (facts.hasVirus) {
            infect = facts.infect;
        } else if (infect) {
            problem(0, false, "no *INFECT_WITH_VIRUS: the last mission's infection objective "
                              "stays, and the virus must be uploaded again");
        }
        if (infect) need(kVirusUploader, true, "the infection");

        std::vector<MissionFacts::Wanted> toDestroy;
        for (const auto& wanted : facts.destroy)
            if (!wanted.name.empty()) toDestroy.push_back(wanted);
        if (!toDestroy.empty()) need(kFileWiper, true, "destroying " + toDestroy[0].name);

        // The files the objectives name must lie on the host.
        auto check = [&](const std::vector<MissionFacts::Wanted>& list, const char* verb) {
            for (const auto& wanted : list) {
                if (wanted.name.empty() || Random(Settled(wanted.name))) continue;
                std::string folder;
                for (const HostEntry& entry : hostFiles)
                    if (EqualsIgnoringCase(Settled(entry.name), Settled(wanted.name)) &&
                        (folder.empty() || entry.folder == "."))
                        folder = entry.folder;
                if (folder.empty())
                    problem(wanted.line, true,
                            wanted.name + " is not on the host: it can never be " + verb);
                else if (folder != "." && mail.find(UpperCase(folder)) == std::string::npos)
                    problem(wanted.line, false,
                            wanted.name + " lies in " + folder +
                                ", not where the login lands, and the mail does not name that "
                                "folder");
            }
        };
        if (facts.hasSteal) check(facts.steal, "stolen");
        if (facts.hasDestroy) check(facts.destroy, "wiped");
        if (facts.hasSteal && !facts.steal.empty() && machine.readable && !machine.hasDownloads)
            problem(facts.steal.front().line, false,
                    "the player's machine has no DOWNLOADS folder: stolen files go into its last "
                    "folder");

        const bool logOnHost = std::any_of(hostFiles.begin(), hostFiles.end(), [](const HostEntry& e) {
            return Settled(e.name) == kOwnIp;
        });
        if (!logOnHost)
            problem(facts.foldersLine, true,
                    "the host has no connection log (--{own_ip}): every hang-up is a bust");

        // Whatever lies on this host is the player's from now on.
        for (const HostEntry& entry : hostFiles) tools.insert(UpperCase(entry.name));
    }

    for (MissionFacts& facts : missions) {
        std::stable_sort(facts.problems.begin(), facts.problems.end(),
                         [](const Problem& a, const Problem& b) { return a.line < b.line; });
        report.problems.insert(report.problems.end(), facts.problems.begin(), facts.problems.end());
    }
    report.problems.insert(report.problems.end(), others.begin(), others.end());
    return report;
}
