// The intro screen's checks of the handle and the pack.
#include "intro_form.h"

#include "app/file_routines.h"
#include "app/game.h"
#include "app/text_helpers.h"

void IntroForm::OnLoad() {
    game_.settings = LoadSettings(game_.folders.user, game_.folders.Files());
    // The shipped packs and the player's own; his wins on an equal name.
    packs_ = game_.folders.ListFolders("MissionPack");
    selectedPack_ = -1;
    accepted_ = false;
}

void IntroForm::SelectPack(int index) {
    selectedPack_ = index >= 0 && index < static_cast<int>(packs_.size()) ? index : -1;
}

std::string IntroForm::MissionPackText() const {
    return selectedPack_ < 0 ? std::string() : packs_[static_cast<std::size_t>(selectedPack_)];
}

void IntroForm::Form_KeyPress(char key) {
    if (key == kEnter) Accept();
    if (key == kEscape) game_.platform.EndProgram();
}

void IntroForm::Accept() {
    GameState& state = game_.state;
    state.HackerHandle = txtHandle;
    state.MissionPackName = MissionPackText();

    // Every check runs, so the player may see several messages one after the other.
    bool accepted = true;
    const std::string upper = UpperCase(txtHandle);
    auto reject = [&](const char* key) {
        game_.ShowMessage(game_.LangString(key));
        accepted = false;
    };
    if (txtHandle.empty()) reject("str112");
    if (txtHandle.size() > 10) reject("str113");
    if (upper == "VORLEN" || upper == "BRAXEN") reject("str114");
    if (txtHandle.find('.') != std::string::npos) reject("str115");
    if (state.MissionPackName.empty()) reject("str152");
    if (upper == "TORV") {
        game_.ShowMessage("That is a beautiful name! Thats how we called our son..");
        accepted = true;
    }

    if (accepted) {
        accepted_ = true;
        Close();
    }
}
