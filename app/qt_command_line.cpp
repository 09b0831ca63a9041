// Parsing the command line and choosing the game's folders.
#include "qt_command_line.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifndef ZINDREL_DATA_FROM_BIN
#error "ZINDREL_DATA_FROM_BIN must give the installed data folder relative to the programs"
#endif

namespace {

// A folder holds the game's data when it has its packs and its languages, the English one
// among them (it is what every other language falls back on).
bool HoldsData(const QString& folder) {
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists("MissionPack") || !dir.exists("Lang")) return false;
    const QStringList languages = QDir(dir.filePath("Lang")).entryList(QDir::Files);
    return std::any_of(languages.begin(), languages.end(), [](const QString& name) {
        return name.compare("English.zdl", Qt::CaseInsensitive) == 0;
    });
}

bool Writable(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

std::filesystem::path PathOf(const QString& folder) {
    // A path keeps the system's own encoding, not the game's code page.
    return std::filesystem::path(QDir::cleanPath(QDir(folder).absolutePath()).toStdString());
}

}  // namespace

ProgramCommandLine::ProgramCommandLine(const QString& description)
    : help_(QStringList{"h", "help"}, "Shows this help."),
      version_(QStringList{"v", "version"}, "Shows the version."),
      data_("data", "Reads the game's shipped data from DIR.", "DIR"),
      user_("user-data", "Keeps the player's files (settings, saved games, own packs) in DIR.",
            "DIR") {
    parser_.setApplicationDescription(description);
    parser_.addOption(help_);
    parser_.addOption(version_);
    parser_.addOption(data_);
    parser_.addOption(user_);
}

bool ProgramCommandLine::Parse(const QStringList& arguments) {
    if (!parser_.parse(arguments)) {
        error_ = parser_.errorText();
        return false;
    }
    // Neither program opens files named on the command line.
    if (!parser_.positionalArguments().isEmpty()) {
        error_ = "Unexpected argument '" + parser_.positionalArguments().first() + "'.";
        return false;
    }
    error_.clear();
    return true;
}

void ProgramCommandLine::Process() {
    const QStringList arguments = QCoreApplication::arguments();
    if (!Parse(arguments)) {
        std::fprintf(stderr, "%s: %s\n%s", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(ErrorText()), qPrintable(parser_.helpText()));
        std::exit(2);
    }
    if (WantsHelp()) {
        std::fputs(qPrintable(parser_.helpText()), stdout);
        std::exit(0);
    }
    if (WantsVersion()) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        std::exit(0);
    }
}

bool AsksOnlyForInformation(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

FolderCandidates StandardCandidates(const QString& applicationFolder) {
    FolderCandidates candidates;
    candidates.beside = applicationFolder;
    candidates.installed << QDir(QCoreApplication::applicationDirPath())
                                .filePath(QStringLiteral(ZINDREL_DATA_FROM_BIN));
    candidates.installed << QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                      "zindrel", QStandardPaths::LocateDirectory);
    // The game's and Quenbry's files share one folder, named after the game whichever of the
    // two asks.
    candidates.userDefault =
        UserDataFolder(qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"));
    return candidates;
}

QString UserDataFolder(const QString& xdgDataHome, const QString& home) {
    auto usable = [](const QString& folder) {
        return !folder.isEmpty() && QDir::isAbsolutePath(folder);
    };
    if (usable(xdgDataHome)) return QDir(xdgDataHome).filePath("Zindrel");
    if (usable(home)) return QDir(home).filePath(".local/share/Zindrel");
    return {};
}

QString DataFolderProblem(const ProgramCommandLine& commandLine) {
    const QString data = commandLine.DataFolder();
    if (data.isEmpty() || HoldsData(data)) return {};
    return "The folder " + QDir(data).absolutePath() +
           " holds no game data: it needs a MissionPack folder and a Lang folder with "
           "English.zdl.";
}

GameFolders ChooseFolders(const ProgramCommandLine& commandLine,
                          const FolderCandidates& candidates) {
    QString data = commandLine.DataFolder();
    bool portable = !data.isEmpty();
    if (data.isEmpty() && HoldsData(candidates.beside)) {
        data = candidates.beside;
        portable = true;
    }
    for (const QString& installed : candidates.installed) {
        if (!data.isEmpty()) break;
        if (HoldsData(installed)) data = installed;
    }
    // Nothing found anywhere: the game reports its missing files from the application folder.
    if (data.isEmpty()) {
        data = candidates.beside;
        portable = true;
    }

    QString user = commandLine.UserFolder();
    if (user.isEmpty()) user = portable && Writable(data) ? data : candidates.userDefault;
    return GameFolders{PathOf(data), user.isEmpty() ? std::filesystem::path() : PathOf(user)};
}

GameFolders ChooseFoldersOrEnd(const ProgramCommandLine& commandLine,
                               const FolderCandidates& candidates) {
    const QString program = QCoreApplication::applicationName();
    if (const QString problem = DataFolderProblem(commandLine); !problem.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(program), qPrintable(problem));
        std::exit(2);
    }
    const GameFolders folders = ChooseFolders(commandLine, candidates);
    if (folders.user.empty()) {
        const QString problem =
            "There is no folder for your files: neither XDG_DATA_HOME nor HOME names one (as an "
            "absolute path). Set one of them, or start " +
            program + " with --user-data DIR.";
        std::fprintf(stderr, "%s: %s\n", qPrintable(program), qPrintable(problem));
        QMessageBox::critical(nullptr, program, problem);
        std::exit(1);
    }
    return folders;
}
