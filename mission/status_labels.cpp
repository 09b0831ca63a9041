// The console's four status labels: score, connection status, trace and busted count.
#include "app/game.h"

void Game::ShowScore() {
    console.SetCaption("lblScore",
                       LangString("str37") + " " + std::to_string(state.MissionsCompleted));
}

void Game::ShowStatus(const std::string& statusText) {
    console.SetCaption("lblStatus", LangString("str38") + " " + statusText);
}

void Game::ShowTrace(const std::string& traceText) {
    console.SetCaption("lblTrace", LangString("str39") + " " + traceText);
}

void Game::ShowBusted() {
    console.SetCaption("lblBusted", LangString("str40") + " " + std::to_string(state.BustedCount));
}
