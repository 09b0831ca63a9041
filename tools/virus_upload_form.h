// The virus uploader frmUploadvirus: pick a virus, thirty seconds of upload, and the installer
// line left for the console.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/platform.h"
#include "tools/progress_picture.h"
#include "tools/tool_form.h"

class VirusUploadForm : public ToolForm {
public:
    explicit VirusUploadForm(Game& game);

    // Combo1: the list of viruses and the row chosen (-1: none).
    const std::vector<std::string>& Combo1() const { return combo1_; }
    int Combo1Index() const { return combo1Index_; }
    void SelectVirus(int index);
    // The text of Combo1: the chosen row, or empty.
    std::string Combo1Text() const;

    ProgressPicture Picture1{339, 21};
    std::int16_t TickCount = 0;
    GameTimer& Timer1() { return *timer1_; }

    // Starts the upload, or starts it again from 0.
    void lblUpload_Click();

    bool Running() const override { return timer1_->Enabled(); }
    int ProgressShown() const override { return ProgressOfTicks(TickCount); }

    static constexpr const char* kSelectFirst = "Select a virus first.. duh";
    static constexpr const char* kInstallCommand = "Install.exe /silent";

protected:
    void OnLoad() override;
    void OnUnload() override;

private:
    void Timer1_Timer();

    std::vector<std::string> combo1_;
    int combo1Index_ = -1;
    std::unique_ptr<GameTimer> timer1_;
};
