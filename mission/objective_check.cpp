// Judging a mission when the player hangs up.
#include <algorithm>

#include "app/game.h"

void Game::ObjectiveCheck() {
    // An emptied entry is a file already stolen or wiped.
    auto filesLeft = [](const std::vector<std::string>& files) {
        return std::any_of(files.begin(), files.end(),
                           [](const std::string& file) { return !file.empty(); });
    };
    // The last failing check names the reason: infect, then destroy, then steal.
    std::string reason;
    if (state.ObjectiveInfect != state.VirusUploaded) reason = "str69";
    if (state.ObjectiveDestroy && filesLeft(state.FilesToDestroy)) reason = "str70";
    if (state.ObjectiveSteal && filesLeft(state.FilesToSteal)) reason = "str71";
    state.MissionSuccess = reason.empty();

    // A log left behind costs a bust, not the mission.
    if (!state.LogDeleted) Busted(BustReason::LogFile);

    if (state.MissionSuccess) {
        ++state.MissionsCompleted;
        ShowScore();
        PlaySoundFile("applause.wav", 1);
        ShowMessage(LangString("str72") + "\r\n\r\n" + LangString("str73") + " " +
                    std::to_string(state.MissionsCompleted));
        console.MissionTimer().SetEnabled(true);
    } else {
        PlaySoundFile("failed.wav", 1);
        ShowMessage(LangString("str74") + "\r\n" + LangString(reason));
    }
}
