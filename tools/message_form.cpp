// The message window's load and unload: it marks itself open so that a second message is dropped.
#include "message_form.h"

#include "mission/game_state.h"

void MessageForm::OnLoad() {
    state_.MessageWindowOpen = true;
    label_ = state_.MessageText;
}

void MessageForm::OnUnload() {
    state_.MessageWindowOpen = false;
}
