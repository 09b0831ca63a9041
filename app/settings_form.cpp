// The settings window's load and clicks.
#include "settings_form.h"

#include "app/file_routines.h"
#include "app/game.h"

void SettingsForm::OnLoad() {
    lblLanguage_ = game_.LangString("str12");
    lblSound_ = game_.LangString("str13");
    lblSave_ = game_.LangString("str14");
    lblTypesound_ = game_.LangString("str86");

    // Each language file, shipped or the player's own, is listed by the part of its name before
    // the first dot.
    languages_.clear();
    for (const std::string& file : game_.folders.ListFiles("Lang", ".zdl"))
        languages_.push_back(file.substr(0, file.find('.')));
    selectedLanguage_ = -1;
    const std::string& language = game_.settings.Language;
    for (std::size_t i = 0; i < languages_.size(); ++i)
        if (!language.empty() && languages_[i] == language) selectedLanguage_ = static_cast<int>(i);

    // Only 1 switches a sound on, so only 1 shows as ticked.
    chkSound = game_.settings.SoundOn == 1;
    chkTypesound = game_.settings.TypeSoundOn == 1;
}

std::string SettingsForm::Caption(const std::string& label) const {
    if (label == "lblLanguage") return lblLanguage_;
    if (label == "lblSound") return lblSound_;
    if (label == "lblSave") return lblSave_;
    if (label == "lblTypesound") return lblTypesound_;
    if (label == "lblUpdate") return "Check for updates";
    if (label == "mainlabel") return "=[ Settings ]=";
    return "";
}

void SettingsForm::cmbLanguage_Click(int index) {
    if (index < 0 || index >= static_cast<int>(languages_.size())) return;
    selectedLanguage_ = index;
    const std::string& chosen = languages_[static_cast<std::size_t>(index)];
    if (chosen == game_.settings.Language) return;
    game_.platform.ShowOkMessage(Game::kTitle, "Language changed. Now please restart Zindrel");
    game_.settings.Language = chosen;
}

void SettingsForm::chkSound_Click(bool ticked) {
    chkSound = ticked;
    game_.settings.SoundOn = ticked ? 1 : 0;
}

void SettingsForm::chkTypesound_Click(bool ticked) {
    chkTypesound = ticked;
    game_.settings.TypeSoundOn = ticked ? 1 : 0;
}

void SettingsForm::lblSave_Click() {
    if (!game_.SaveSettings()) {
        // The window stays open, so the player can free the disk and save again; the changes are
        // in effect for this run either way.
        game_.platform.ShowOkMessage(Game::kTitle, kSaveFailed);
        return;
    }
    Close();
}

void SettingsForm::lblUpdate_Click() {
    game_.platform.OpenWebAddress(std::string(kUpdatePage) +
                                  "?checkupdate=20&version=" + Game::kVersion);
}
