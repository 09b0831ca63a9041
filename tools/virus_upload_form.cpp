// The virus uploader's list and its upload, one timer tick at a time.
#include "virus_upload_form.h"

#include "app/game.h"
#include "tools/virus_list.h"

VirusUploadForm::VirusUploadForm(Game& game)
    : ToolForm(game, "frmUploadvirus", "Virus Uploader v1.0",
               "=[ VirusUploader ]=", {{"lblVirus", "str136"}, {"lblUpload", "str137"}}),
      timer1_(game.platform.CreateTimer("frmUploadvirus.Timer1", 300, [this] { Timer1_Timer(); })) {
}

void VirusUploadForm::OnLoad() {
    ToolForm::OnLoad();
    combo1_.assign(VirusList().begin(), VirusList().end());
    combo1Index_ = -1;
    TickCount = 0;
    timer1_->SetEnabled(false);
}

void VirusUploadForm::OnUnload() {
    // Closing the window ends the upload; nothing is recorded.
    timer1_->SetEnabled(false);
}

void VirusUploadForm::SelectVirus(int index) {
    combo1Index_ = index >= 0 && index < static_cast<int>(combo1_.size()) ? index : -1;
}

std::string VirusUploadForm::Combo1Text() const {
    return combo1Index_ < 0 ? std::string() : combo1_[static_cast<std::size_t>(combo1Index_)];
}

void VirusUploadForm::lblUpload_Click() {
    if (Combo1Text().empty()) {
        game_.ShowMessage(kSelectFirst);
        return;
    }
    TickCount = 0;
    timer1_->SetEnabled(true);
}

void VirusUploadForm::Timer1_Timer() {
    game_.platform.DoEvents();
    // The window may have gone during the events (the trace closes it): nothing is recorded.
    if (!IsOpen()) return;
    GameState& state = game_.state;
    if (TickCount > 100) {
        timer1_->SetEnabled(false);
        state.VirusUploaded = true;
        state.QueuedCommand = kInstallCommand;
        Changed();
    } else {
        game_.progressBar.DrawProgress(Picture1.Surface(), TickCount, Rgb(0, 0, 0), Rgb(0, 255, 0),
                                       Rgb(255, 0, 0), true, ProgressBar::kGradient, "Uploading");
        Changed();
    }
    ++TickCount;
    if (state.TraceProgress >= 15) timer1_->SetEnabled(false);
}
