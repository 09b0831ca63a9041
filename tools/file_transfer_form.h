// The twin windows that act on a file of the target: the remote download frmCopyfile, which
// steals it into the player's DOWNLOADS folder, and the file wiper frmDestroyfile, which destroys
// it. One form, the differences as data.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/colour.h"
#include "app/platform.h"
#include "tools/progress_picture.h"
#include "tools/tool_form.h"

struct FileTransferKind {
    const char* name;        // the window's object name
    const char* title;       // its caption
    const char* mainlabel;   // its title strip
    const char* startLabel;  // the label that starts a run
    const char* startKey;    // that label's caption
    const char* barTextKey;  // the caption handed to the progress bar
    Colour textColour;       // the bar's text colour
    bool steal;              // download (true) or wipe
};

inline constexpr FileTransferKind kDownload = {"frmCopyfile",
                                               "RemoteDownload v1.0",
                                               "=[ FileLeecher ]=",
                                               "lblDownload",
                                               "str106",
                                               "str110",
                                               Rgb(255, 0, 0),
                                               true};
inline constexpr FileTransferKind kWiper = {"frmDestroyfile",  "File Wiper (extra strong) v1.0",
                                            "=[ FileWiper ]=", "lblDel",
                                            "str151",          "str151",
                                            Rgb(0, 255, 0),    false};

class FileTransferForm : public ToolForm {
public:
    FileTransferForm(Game& game, const FileTransferKind& kind);

    const FileTransferKind& Kind() const { return kind_; }

    std::string txtFile;
    // The start label is disabled while a run goes on.
    bool StartEnabled() const { return startEnabled_; }
    ProgressPicture Picture1{269, 23};
    std::int16_t TickCount = 0;
    GameTimer& Timer1() { return *timer1_; }

    // The start label: checks that the file is in the host's current folder, then runs.
    void Start_Click();

    bool Running() const override { return timer1_->Enabled(); }
    int ProgressShown() const override { return ProgressOfTicks(TickCount); }

protected:
    void OnLoad() override;
    void OnUnload() override;

private:
    void Timer1_Timer();
    void Complete();

    const FileTransferKind& kind_;
    bool startEnabled_ = true;
    std::unique_ptr<GameTimer> timer1_;
};
