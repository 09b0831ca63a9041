// The tool windows' shared captions.
#include "tool_form.h"

#include "app/game.h"

ToolForm::ToolForm(Game& game, std::string name, std::string title, std::string mainlabel,
                   std::vector<std::pair<std::string, std::string>> captionKeys)
    : ModalForm(std::move(name)),
      game_(game),
      title_(std::move(title)),
      mainlabel_(std::move(mainlabel)),
      captionKeys_(std::move(captionKeys)) {}

void ToolForm::OnLoad() {
    captions_.clear();
    for (const auto& [control, key] : captionKeys_) captions_[control] = game_.LangString(key);
}

std::string ToolForm::Caption(const std::string& control) const {
    if (control == "mainlabel") return mainlabel_;
    if (control == "topright_") return "X";
    const auto found = captions_.find(control);
    return found == captions_.end() ? std::string() : found->second;
}
