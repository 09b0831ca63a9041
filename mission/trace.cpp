// The trace that reveals the player's address while logged in, and being busted.
#include "app/game.h"

void Game::TraceTimerTick() {
    if (static_cast<int>(platform.RandomFraction() * 20 + 1) == 1) ++state.TraceProgress;

    // The revealed part of the own address, then random digits with the dots where they belong.
    const std::size_t revealed = std::min<std::size_t>(
        static_cast<std::size_t>(std::max<int>(state.TraceProgress, 0)), kOwnIp.size());
    std::string trace(kOwnIp.substr(0, revealed));
    while (trace.size() < kOwnIp.size()) {
        if (trace.size() == 3 || trace.size() == 7 || trace.size() == 11)
            trace += '.';
        else
            trace += static_cast<char>('0' + static_cast<int>(platform.RandomFraction() * 9 + 1));
        platform.DoEvents();
    }
    ShowTrace(trace);

    if (static_cast<int>(kOwnIp.size()) - state.TraceProgress <= 4 && !state.SirenPlayed) {
        PlaySoundFile("sirene.wav", 1);
        state.SirenPlayed = true;
    }
    if (state.TraceProgress < static_cast<int>(kOwnIp.size())) return;

    // The message window goes first, so that the bust message can be shown.
    if (state.MessageWindowOpen) messageForm.Close();
    CloseToolWindows();
    state.TraceProgress = 0;
    Busted(BustReason::Traced);
    interpreter.SubmitCommandLine(LangString("str33"));
}

void Game::Busted(BustReason reason) {
    PlaySoundFile("police.wav", 1);
    std::string consequence;
    if (state.BustedCount == 0) consequence = LangString("str20");
    if (state.BustedCount == 1) consequence = LangString("str21");
    if (state.BustedCount == 2)
        consequence = LangString("str22") + " " +
                      std::to_string(static_cast<int>(platform.RandomFraction() * 9 + 1)) + " " +
                      LangString("str23");
    ShowMessage(LangString(reason == BustReason::Traced ? "str24" : "str25") + " " + consequence);
    ++state.BustedCount;
    ShowBusted();
    if (state.BustedCount == 3) {
        ShowMessage(LangString("str26"));
        console.Form_Unload();
    }
}

void Game::CloseToolWindows() {
    if (state.PasswordHackWindowOpen) passwordHackForm.Close();
    if (state.VirusWindowOpen) virusUploadForm.Close();
    if (state.DownloadWindowOpen) downloadForm.Close();
    if (state.WiperWindowOpen) wiperForm.Close();
}
