// What the tool windows share: a title, a title strip, a close label, and label captions taken
// from the language table when the window loads.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/modal_form.h"

class Game;

class ToolForm : public ModalForm {
public:
    // The window's object name and caption, its title strip, and the language key of each label.
    ToolForm(Game& game, std::string name, std::string title, std::string mainlabel,
             std::vector<std::pair<std::string, std::string>> captionKeys);

    const std::string& Title() const { return title_; }
    // The caption of a label: the title strip ("mainlabel"), the close label ("topright_") or a
    // label whose text came from the language table at load.
    std::string Caption(const std::string& control) const;

    void topright_Click() { Close(); }

    // Whether the window's timed action (a scan, an attack, an upload, a transfer) is under way.
    virtual bool Running() const { return false; }
    // The percentage its progress bar shows (0 when it has none): the tick that drew a frame
    // counts on to the next one, and the last frame is the 100 % of "Done!".
    virtual int ProgressShown() const { return 0; }
    static int ProgressOfTicks(int tickCount) {
        return tickCount < 1 ? 0 : std::min(tickCount - 1, 100);
    }

protected:
    void OnLoad() override;

    Game& game_;

private:
    std::string title_;
    std::string mainlabel_;
    std::vector<std::pair<std::string, std::string>> captionKeys_;
    std::map<std::string, std::string> captions_;
};
