// The intro screen frmIntro: the player enters a handle and chooses a mission pack.
#pragma once

#include <string>
#include <vector>

#include "app/modal_form.h"

class Game;

class IntroForm : public ModalForm {
public:
    explicit IntroForm(Game& game) : ModalForm("frmIntro"), game_(game) {}

    // The controls: the handle box and the pack list (nothing chosen is -1).
    std::string txtHandle;
    const std::vector<std::string>& MissionPacks() const { return packs_; }
    int SelectedPack() const { return selectedPack_; }
    void SelectPack(int index);
    // The text of cmbMissionPack: the chosen pack's name, or empty.
    std::string MissionPackText() const;

    // The window sees every key before its controls: Enter accepts, Esc ends the program.
    void Form_KeyPress(char key);

    // Whether the entry was accepted (the window closes only then).
    bool Accepted() const { return accepted_; }

    static constexpr char kEnter = 13;
    static constexpr char kEscape = 27;

protected:
    void OnLoad() override;

private:
    void Accept();

    Game& game_;
    std::vector<std::string> packs_;
    int selectedPack_ = -1;
    bool accepted_ = false;
};
