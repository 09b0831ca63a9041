// The pack manager's widgets and what its buttons ask of the core.
#include "pack_manager_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "creator/mission_edit_window.h"

namespace {

// The item keeps the name's own bytes, so a folder name is handed back to the core unchanged
// even where the code page has no character for a byte.
void AddName(QComboBox* list, const std::string& name) {
    list->addItem(ToQString(name), QByteArray::fromStdString(name));
}

std::string ChosenName(const QComboBox* list) {
    return list->currentData().toByteArray().toStdString();
}

// zindrel-check beside Quenbry (installed, both are programs in one folder), in the game's
// folder Quenbry sits in (the application folder), or on the PATH.
QString FindChecker(const std::filesystem::path& programFolder) {
    for (const std::filesystem::path& folder : {programFolder, programFolder.parent_path()}) {
        const QString found = QStandardPaths::findExecutable(
            "zindrel-check", {QFile::decodeName(QByteArray::fromStdString(folder.string()))});
        if (!found.isEmpty()) return found;
    }
    return QStandardPaths::findExecutable("zindrel-check");
}

std::vector<std::string> SplitLines(const QByteArray& bytes) {
    std::vector<std::string> lines;
    for (const QByteArray& line : bytes.split('\n'))
        if (!line.trimmed().isEmpty()) lines.push_back(line.toStdString());
    return lines;
}

}  // namespace

PackManagerWindow::PackManagerWindow(PackManager manager, QWidget* parent)
    : QWidget(parent), manager_(std::move(manager)) {
    setObjectName("frmMissionEditStart");
    setWindowTitle(ToQString(PackManager::kTitle));
    showMessage_ = [this](const QString& text) { ShowQuenbryMessage(this, text); };
    openEditor_ = [this](const std::filesystem::path& file, const MissionSpot& spot) {
        MissionEditWindow::Open(file, manager_.InstructionsFile(), this, showMessage_, spot);
    };

    auto* layout = new QVBoxLayout(this);

    auto* missionBox = new QGroupBox("Missions", this);
    auto* missionLayout = new QGridLayout(missionBox);
    auto* packLabel = new QLabel("MissionPack", missionBox);
    packLabel->setObjectName("Label1");
    packs_ = new QComboBox(missionBox);
    packs_->setObjectName("edit");
    packs_->setMinimumWidth(260);
    packLabel->setBuddy(packs_);
    connect(packs_, &QComboBox::activated, this, [this] { PackChosen(); });
    missionLayout->addWidget(packLabel, 0, 0);
    missionLayout->addWidget(packs_, 0, 1);

    auto* missionLabel = new QLabel("Mission", missionBox);
    missionLabel->setObjectName("Label2");
    missions_ = new QComboBox(missionBox);
    missions_->setObjectName("mission");
    missionLabel->setBuddy(missions_);
    missionLayout->addWidget(missionLabel, 1, 0);
    missionLayout->addWidget(missions_, 1, 1);

    auto* missionButtons = new QHBoxLayout;
    missionButtons->addStretch(1);
    auto* edit = new QPushButton("Edit Mission", missionBox);
    edit->setObjectName("Command2");
    connect(edit, &QPushButton::clicked, this,
            [this] { OpenEditorOr(manager_.EditMission(ChosenPack(), ChosenMission())); });
    missionButtons->addWidget(edit);
    auto* add = new QPushButton("Add Mission", missionBox);
    add->setObjectName("Command3");
    connect(add, &QPushButton::clicked, this,
            [this] { OpenEditorOr(manager_.AddMission(ChosenPack())); });
    missionButtons->addWidget(add);
    check_ = new QPushButton("Check Pack", missionBox);
    check_->setObjectName("cmdCheckPack");
    connect(check_, &QPushButton::clicked, this, [this] { CheckPackClicked(); });
    missionButtons->addWidget(check_);
    missionLayout->addLayout(missionButtons, 2, 0, 1, 2);

    // What the pack checker found, one problem a line; a double-click opens the mission.
    checkLines_ = new QListWidget(missionBox);
    checkLines_->setObjectName("lstCheck");
    checkLines_->setAccessibleName("Check results");
    checkLines_->setToolTip("Double-click a line to open its mission");
    checkLines_->setWordWrap(true);
    checkLines_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    checkLines_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    checkLines_->setMinimumHeight(checkLines_->fontMetrics().lineSpacing() * 8);
    checkLines_->setMinimumWidth(checkLines_->fontMetrics().averageCharWidth() * 72);
    connect(checkLines_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { CheckLineOpened(item); });
    missionLayout->addWidget(checkLines_, 3, 0, 1, 2);
    missionLayout->setColumnStretch(1, 1);
    layout->addWidget(missionBox);

    auto* packBox = new QGroupBox("New MissionPack", this);
    auto* packLayout = new QHBoxLayout(packBox);
    newPack_ = new QLineEdit(packBox);
    newPack_->setObjectName("newpack");
    newPack_->setPlaceholderText("name of the new pack");
    newPack_->setMinimumWidth(200);
    packLayout->addWidget(newPack_, 1);
    auto* create = new QPushButton("Create new MissionPack", packBox);
    create->setObjectName("Command1");
    connect(create, &QPushButton::clicked, this, [this] { CreatePackClicked(); });
    connect(newPack_, &QLineEdit::returnPressed, create, &QPushButton::click);
    packLayout->addWidget(create);
    layout->addWidget(packBox);

    RefreshPackList();
}

void PackManagerWindow::RefreshPackList() {
    packs_->clear();
    for (const std::string& pack : manager_.RefreshPackList()) AddName(packs_, pack);
    packs_->setCurrentIndex(-1);
    // With no pack chosen, the old pack's missions would open from the wrong folder.
    missions_->clear();
}

void PackManagerWindow::PackChosen() {
    missions_->clear();
    for (const std::string& mission : manager_.MissionsOf(ChosenPack()))
        AddName(missions_, mission);
    missions_->setCurrentIndex(-1);
}

void PackManagerWindow::CreatePackClicked() {
    const std::string message = manager_.CreatePack(FromQString(newPack_->text()));
    if (message == PackManager::kPackCreated) RefreshPackList();
    showMessage_(ToQString(message));
}

void PackManagerWindow::OpenEditorOr(const PackManager::Choice& choice, const MissionSpot& spot) {
    // The mission list stays as it was: choosing the pack again shows a newly saved file.
    if (choice.file)
        openEditor_(*choice.file, spot);
    else
        showMessage_(ToQString(choice.message));
}

void PackManagerWindow::CheckPackClicked() {
    if (process_ != nullptr) return;
    const PackManager::Choice choice = manager_.PackToCheck(ChosenPack());
    if (!choice.file) {
        showMessage_(ToQString(choice.message));
        return;
    }
    checkedPack_ = *choice.file;
    checkLines_->clear();
    const QString program = checker_.isEmpty() ? FindChecker(std::filesystem::path(
                                                 QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString())) : checker_;
    if (program.isEmpty()) {
        checkLines_->addItem("The pack checker zindrel-check was found neither beside Quenbry "
                             "nor on the PATH.");
        return;
    }
    checkLines_->addItem("Checking " + ToQString(ChosenPack()) + "...");
    check_->setEnabled(false);
    process_ = new QProcess(this);
    connect(process_, &QProcess::finished, this, [this] { CheckFinished(); });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) CheckFinished();
    });
    // The path goes as the system spells it: a pack's name keeps its own bytes.
    process_->start(program, {QFile::decodeName(QByteArray::fromStdString(checkedPack_.string()))});
}

void PackManagerWindow::CheckFinished() {
    QProcess* process = process_;
    if (process == nullptr) return;
    process_ = nullptr;
    process->deleteLater();
    check_->setEnabled(true);
    checkLines_->clear();

    const std::string pack = checkedPack_.filename().string();
    auto add = [this, &pack](const std::string& line) {
        auto* item = new QListWidgetItem(ToQString(line), checkLines_);
        if (const auto mission = manager_.MissionOfCheckLine(pack, line))
            item->setData(Qt::UserRole, QByteArray::fromStdString(*mission));
        else
            item->setFlags(item->flags() & ~Qt::ItemIsSelectable);
    };
    for (const std::string& line : SplitLines(process->readAllStandardOutput())) add(line);
    for (const std::string& line : SplitLines(process->readAllStandardError())) add(line);
    if (process->error() == QProcess::FailedToStart) {
        add("The pack checker " + FromQString(process->program()) + " could not be started.");
    } else if (process->exitStatus() == QProcess::CrashExit) {
        add("The pack checker stopped before it had finished.");
    }
}

void PackManagerWindow::CheckLineOpened(QListWidgetItem* item) {
    const QByteArray mission = item->data(Qt::UserRole).toByteArray();
    if (mission.isEmpty()) return;
    const PackManager::Choice choice =
        manager_.EditMission(checkedPack_.filename().string(), mission.toStdString());
    const MissionSpot spot =
        choice.file ? SpotOfCheckLine(*choice.file, FromQString(item->text())) : MissionSpot{};
    OpenEditorOr(choice, spot);
}

std::string PackManagerWindow::ChosenPack() const {
    return ChosenName(packs_);
}

std::string PackManagerWindow::ChosenMission() const {
    return ChosenName(missions_);
}

void PackManagerWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    activateWindow();
}
