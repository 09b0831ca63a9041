// Counting a pack's missions, starting and loading a mission, filling in its placeholders, and
// the mission timer that moves from one mission to the next.
#include <filesystem>

#include "app/file_routines.h"
#include "app/game.h"
#include "mission/mission_reader.h"
#include "mission/random_values.h"

namespace fs = std::filesystem;

namespace {

// Replaces every occurrence in one pass that builds the result, so a line full of placeholders
// costs what its length costs; an inserted value is not scanned again for the same placeholder.
void ReplaceAll(std::string& text, std::string_view placeholder, const std::string& value) {
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, from)) {
        result.append(text, from, at - from);
        result += value;
        from = at + placeholder.size();
    }
    result.append(text, from, std::string::npos);
    text = std::move(result);
}

bool Holds(const std::string& text, std::string_view placeholder) {
    return text.find(placeholder) != std::string::npos;
}

}  // namespace

fs::path Game::PackFolder() const {
    return folders.FolderOf(fs::path("MissionPack") / state.MissionPackName);
}

void Game::CountPackMissions() {
    // Every ".zdl" file counts, whatever its name.
    state.MissionCount =
        static_cast<std::int16_t>(state.MissionCount + folders.Files().Files(PackFolder(), ".zdl").size());
    if (state.MissionCount == 0) {
        ShowMessage(LangString("str31") + " 1 " + LangString("str32"));
        platform.EndProgram();
    }
}

std::string Game::ExpandPlaceholders(const std::string& line) {
    std::string text = line;
    if (Holds(text, "{hacker}")) ReplaceAll(text, "{hacker}", state.HackerHandle);
    if (Holds(text, "{attack_ip}")) {
        state.AttackIp = RandomIp(platform);
        ReplaceAll(text, "{attack_ip}", state.AttackIp);
    }
    if (Holds(text, "{random_ip}")) ReplaceAll(text, "{random_ip}", RandomIp(platform));
    if (Holds(text, "{attack_port}")) {
        state.AttackPort = RandomPort(platform);
        ReplaceAll(text, "{attack_port}", std::to_string(state.AttackPort));
    }
    if (Holds(text, "{own_ip}")) ReplaceAll(text, "{own_ip}", std::string(kOwnIp));
    if (Holds(text, "{random_login}")) {
        state.MissionLogin = RandomLogin(platform);
        ReplaceAll(text, "{random_login}", state.MissionLogin);
    }
    if (Holds(text, "{random_password}")) {
        state.MissionPassword = RandomPassword(platform);
        ReplaceAll(text, "{random_password}", state.MissionPassword);
    }
    return text;
}

void Game::StartMission(const fs::path& missionFile) {
    platform.ReseedRandom();
    state.AttackIp.clear();
    state.AttackPort = 0;
    state.MissionPassword.clear();

    LoadMission(missionFile);

    if (state.AttackIp.empty()) state.AttackIp = RandomIp(platform);
    if (state.AttackPort == 0) state.AttackPort = RandomPort(platform);
    if (state.MissionPassword.empty()) state.MissionPassword = kDefaultPassword;

    // A login screen (or a session) of the last target that is still open ends with the mission
    // it belonged to; the player is back at his own prompt.
    const bool sessionWasOpen = state.TelnetSessionOpen || state.Connected;
    state.TargetPinged = false;
    state.Connected = false;
    state.TelnetSessionOpen = false;
    state.SirenPlayed = false;
    state.VirusWindowOpen = false;
    state.DownloadWindowOpen = false;
    state.WiperWindowOpen = false;
    state.PasswordHackWindowOpen = false;
    state.VirusUploaded = false;
    state.MissionSuccess = false;
    remote.CurrentFolder = ".";
    ShowStatus(LangString("str16"));
    ShowTrace(LangString("str17"));
    state.TraceProgress = 0;
    if (sessionWasOpen) {
        console.TraceTimer().SetEnabled(false);
        console.SetTextColour(kConsoleGreen);
        console.Prompt = "root[" + local.CurrentFolder + "]# ";
        // A command that is running prints the prompt at its end; at rest the console shows it now.
        if (!interpreter.Running()) console.ShowPrompt();
    }
}

void Game::LoadMission(const fs::path& missionFile) {
    MissionSections sections;
    try {
        LineReader reader = folders.Files().Open(missionFile);
        const std::string selfName = ReadLine(reader);
        // A mission file only works under its own name in its own pack folder; a full path in
        // the line is no name of a file of the pack, even when it leads to this file.
        if (fs::path(selfName).has_root_path() ||
            (PackFolder() / selfName).string() != missionFile.string()) {
            ShowMessage(LangString("str1"));
            platform.EndProgram();
        }
        MissionReadHooks hooks;
        hooks.expand = [this](const std::string& line) { return ExpandPlaceholders(line); };
        hooks.emailHeader = [this] {
            console.SetCaption("butemail", LangString("str6") + " 1");
            PlaySoundFile("newmail.wav", 1);
        };
        sections = ReadMissionSections(reader, hooks);
    } catch (const std::runtime_error&) {
        ShowMessage(LangString("str2"));
        console.Form_Unload();
    }

    if (sections.Mail) {
        state.MailSubject = sections.Mail->Subject;
        state.MailFrom = sections.Mail->From;
        state.MailBody = sections.Mail->Body;
    }
    if (sections.TelnetLoginScreen) state.TelnetLoginScreen = *sections.TelnetLoginScreen;
    if (sections.InfectWithVirus) state.ObjectiveInfect = *sections.InfectWithVirus;
    if (sections.Steal) {
        state.FilesToSteal = sections.Steal->Files;
        state.ObjectiveSteal = sections.Steal->Objective;
    }
    if (sections.Destroy) {
        state.FilesToDestroy = sections.Destroy->Files;
        state.ObjectiveDestroy = sections.Destroy->Objective;
    }
    if (sections.Folders) {
        remote.Folders = sections.Folders->Folders;
        remote.Files = sections.Folders->Files;
    }
}

void Game::MissionTimerTick() {
    console.MissionTimer().SetEnabled(false);
    const int next = state.MissionsCompleted + 1;
    const fs::path missionFile = PackFolder() / ("m" + std::to_string(next) + ".zdl");
    if (folders.Files().IsFile(missionFile)) {
        StartMission(missionFile);
    } else if (state.MissionsCompleted == state.MissionCount) {
        PlaySoundFile("halleluya.wav", 1);
        ShowMessage(LangString("str27") + " " + state.HackerHandle + "\r" + LangString("str28") +
                    " " + std::to_string(state.PlaySeconds) + " " + LangString("str29") + "\r\r" +
                    LangString("str30") + " " + std::to_string(state.MissionsCompleted));
        platform.EndProgram();
    } else {
        ShowMessage(LangString("str31") + " " + std::to_string(next) + " " + LangString("str32"));
        platform.EndProgram();
    }
}
