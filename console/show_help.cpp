// The help text zindrel.zdl, printed into the console.
#include "app/file_routines.h"
#include "app/game.h"

void MainConsole::ShowHelp(bool fromButton) {
    const std::filesystem::path helpFile = game_.folders.Find("zindrel.zdl");
    if (!game_.folders.Files().IsFile(helpFile)) return;
    ClearTranscript();
    game_.platform.Sleep(100);
    try {
        LineReader reader = game_.folders.Files().Open(helpFile);
        while (!reader.AtEnd()) ConsolePrint(ReadLine(reader), 0, true);
    } catch (const FileReadError&) {
        game_.ShowMessage(game_.LangString("str8"));
    }
    if (fromButton) {
        ShowPrompt();
        PutCaretAtStart();
    }
}
