// The download's and the wiper's checks, their run, and what each does at the end.
#include "file_transfer_form.h"

#include "app/game.h"
#include "app/text_helpers.h"

FileTransferForm::FileTransferForm(Game& game, const FileTransferKind& kind)
    : ToolForm(game, kind.name, kind.title, kind.mainlabel,
               {{"lblFile", "str105"}, {kind.startLabel, kind.startKey}}),
      kind_(kind),
      timer1_(game.platform.CreateTimer(std::string(kind.name) + ".Timer1", 100,
                                        [this] { Timer1_Timer(); })) {}

void FileTransferForm::OnLoad() {
    ToolForm::OnLoad();
    txtFile.clear();
    TickCount = 0;
    startEnabled_ = true;
    timer1_->SetEnabled(false);
}

void FileTransferForm::OnUnload() {
    // Closing the window ends the run; nothing is recorded.
    timer1_->SetEnabled(false);
}

void FileTransferForm::Start_Click() {
    // A disabled label takes no clicks: a second run never starts inside the first.
    if (!startEnabled_) return;
    if (txtFile.empty()) {
        game_.ShowMessage(game_.LangString("str107"));
        return;
    }
    TickCount = 0;
    const FileSystemRecord& remote = game_.remote;
    const std::string wanted =
        std::to_string(FindFolder(remote, remote.CurrentFolder)) + "&" + txtFile;
    bool exists = false;
    for (const std::string& entry : remote.Files)
        if (!entry.empty() && EqualsIgnoringCase(entry, wanted)) exists = true;
    if (!exists) {
        game_.ShowMessage(game_.LangString("str108") + " " + txtFile + " " +
                          game_.LangString("str109"));
        return;
    }
    timer1_->SetEnabled(true);
    startEnabled_ = false;
    Changed();
}

void FileTransferForm::Timer1_Timer() {
    game_.platform.DoEvents();
    // The window may have gone during the events (the trace closes it): nothing is recorded.
    if (!IsOpen()) return;
    if (TickCount > 100) {
        timer1_->SetEnabled(false);
        startEnabled_ = true;
        Complete();
        Changed();
    } else {
        game_.progressBar.DrawProgress(Picture1.Surface(), TickCount, Rgb(0, 0, 0),
                                       Rgb(255, 255, 255), kind_.textColour, true,
                                       ProgressBar::kGradient, game_.LangString(kind_.barTextKey));
        Changed();
    }
    ++TickCount;
    if (game_.state.TraceProgress >= 15) timer1_->SetEnabled(false);
}

void FileTransferForm::Complete() {
    GameState& state = game_.state;
    // The name counts as the text box holds it now, at the end of the run.
    if (kind_.steal) {
        if (!state.ObjectiveSteal) return;
        FileSystemRecord& local = game_.local;
        for (std::string& wanted : state.FilesToSteal) {
            if (wanted.empty() || !EqualsIgnoringCase(wanted, txtFile)) continue;
            // Into DOWNLOADS in any case, else into the folder listed last.
            int folder = FindFolder(local, "DOWNLOADS");
            if (folder < 0) folder = static_cast<int>(local.Folders.size()) - 1;
            local.Files.push_back(std::to_string(folder) + "&" + wanted);
            wanted.clear();
        }
    } else {
        if (!state.ObjectiveDestroy) return;
        // The file stays listed on the host; only the objective counts it as wiped.
        for (std::string& wanted : state.FilesToDestroy)
            if (!wanted.empty() && EqualsIgnoringCase(wanted, txtFile)) wanted.clear();
    }
}
