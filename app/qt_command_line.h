// The command line both programs take (--help, --version, --data, --user-data) and the one
// decision, made at start-up, of which folders hold the shipped data and the player's files.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include "app/game_folders.h"

class ProgramCommandLine {
public:
    explicit ProgramCommandLine(const QString& description);

    // True when the arguments (the program's name first) are understood; else ErrorText says
    // why.
    bool Parse(const QStringList& arguments);
    QString ErrorText() const { return error_; }

    bool WantsHelp() const { return parser_.isSet(help_); }
    bool WantsVersion() const { return parser_.isSet(version_); }
    // The folders given on the command line, empty when not given.
    QString DataFolder() const { return parser_.value(data_); }
    QString UserFolder() const { return parser_.value(user_); }

    // Answers help and version, and reports a command line it cannot understand, then ends the
    // program; returns only when the program is to start.
    // Parses QCoreApplication::arguments(), so a QCoreApplication must exist.
    void Process();

private:
    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
    QCommandLineOption data_;
    QCommandLineOption user_;
    QString error_;
};

// True when the command line asks only for help or the version: the program answers it without
// a display, from a plain QCoreApplication.
bool AsksOnlyForInformation(int argc, char* argv[]);

// The folders the decision is made between.
struct FolderCandidates {
    // The application folder beside the program: portable when it holds the data.
    QString beside;
    // Where an installed game's data may lie, in order of preference.
    QStringList installed;
    // The platform's per-user data folder for the game; empty when the system names none.
    QString userDefault;
};

// The player's folder by the desktop's rule: "Zindrel" in $XDG_DATA_HOME, else in
// $HOME/.local/share. A variable that holds no absolute path is ignored, as the rule says; empty
// when neither holds one.
QString UserDataFolder(const QString& xdgDataHome, const QString& home);

// What is wrong with the folders the command line names, for a message before any window: a
// --data folder that holds no game data. Empty when nothing is.
QString DataFolderProblem(const ProgramCommandLine& commandLine);

// The candidates of this machine: the folder beside the program (for Quenbry the application
// folder around its MissionPack folder), the shared data folder of the installation the program
// belongs to and the system's data folders, and the user's data folder.
FolderCandidates StandardCandidates(const QString& applicationFolder);

// The rule: the data are the folder given with --data, else the application folder when it holds
// the game's data, else the first installed data folder that does. The player's folder is the
// one given with --user-data, else the data folder itself when it is the application folder or
// was given and can be written to (the portable game), else the user's data folder: empty when
// there is none, which the program reports before it opens a window.
GameFolders ChooseFolders(const ProgramCommandLine& commandLine,
                          const FolderCandidates& candidates);

// The same for a program about to start: a --data folder without the game's data ends it at
// once with a line on the terminal (exit status 2), no folder for the player's files with a
// message (exit status 1), both before any window opens.
GameFolders ChooseFoldersOrEnd(const ProgramCommandLine& commandLine,
                               const FolderCandidates& candidates);
