// The settings window frmSettings: language, sound and typing sound, saving and the update page.
#pragma once

#include <string>
#include <vector>

#include "app/modal_form.h"

class Game;

class SettingsForm : public ModalForm {
public:
    explicit SettingsForm(Game& game) : ModalForm("frmSettings"), game_(game) {}

    // The controls as the window shows them.
    const std::vector<std::string>& Languages() const { return languages_; }
    int SelectedLanguage() const { return selectedLanguage_; }
    bool chkSound = false;
    bool chkTypesound = false;
    std::string Caption(const std::string& label) const;

    void cmbLanguage_Click(int index);
    void chkSound_Click(bool ticked);
    void chkTypesound_Click(bool ticked);
    void lblSave_Click();
    void lblUpdate_Click();
    void topright_Click() { Close(); }

    static constexpr const char* kUpdatePage = "http://update.zindrel.example/check.php";
    static constexpr const char* kSaveFailed =
        "The settings could not be saved: Zindrel.ini cannot be written (the disk may be full or "
        "the folder read-only). They stay in effect until you quit.";

protected:
    void OnLoad() override;

private:
    Game& game_;
    std::vector<std::string> languages_;
    int selectedLanguage_ = -1;
    std::string lblLanguage_, lblSound_, lblSave_, lblTypesound_;
};
