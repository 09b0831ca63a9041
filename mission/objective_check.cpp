// Judging a mission when the player hangs up.
#include "app/game.h"

void Game::ObjectiveCheck() {
    state.MissionSuccess = true;
    std::string reason;
    // The last failing check names the reason: infect, then destroy, then steal.
    if (state.ObjectiveInfect != state.VirusUploaded) {
        state.MissionSuccess = false;
        reason = LangString("str69");
    }
    if (state.ObjectiveDestroy)
        for (const std::string& file : state.FilesToDestroy)
            if (!file.empty()) {
                state.MissionSuccess = false;
                reason = LangString("str70");
            }
    if (state.ObjectiveSteal)
        for (const std::string& file : state.FilesToSteal)
            if (!file.empty()) {
                state.MissionSuccess = false;
                reason = LangString("str71");
            }

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
        ShowMessage(LangString("str74") + "\r\n" + reason);
    }
}
