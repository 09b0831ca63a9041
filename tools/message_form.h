// The message window through which the whole game tells the player things.
#pragma once

#include <string>

#include "app/modal_form.h"

struct GameState;

class MessageForm : public ModalForm {
public:
    explicit MessageForm(GameState& state) : ModalForm("frmMessage"), state_(state) {}

    // The caption of Label1: the message being shown.
    const std::string& MessageLabel() const { return label_; }

protected:
    void OnLoad() override;
    void OnUnload() override;

private:
    GameState& state_;
    std::string label_;
};
