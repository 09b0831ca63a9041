// The pack manager's widgets and what its buttons ask of the core.
#include "pack_manager_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

}  // namespace

PackManagerWindow::PackManagerWindow(PackManager manager, QWidget* parent)
    : QWidget(parent), manager_(std::move(manager)) {
    setObjectName("frmMissionEditStart");
    setWindowTitle(ToQString(PackManager::kTitle));
    showMessage_ = [this](const QString& text) { ShowQuenbryMessage(this, text); };
    openEditor_ = [this](const std::filesystem::path& file) {
        MissionEditWindow::Open(file, manager_.InstructionsFile(), this, showMessage_);
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
    missionLayout->addLayout(missionButtons, 2, 0, 1, 2);
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
    layout->addStretch(1);

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

void PackManagerWindow::OpenEditorOr(const PackManager::Choice& choice) {
    // The mission list stays as it was: choosing the pack again shows a newly saved file.
    if (choice.file)
        openEditor_(*choice.file);
    else
        showMessage_(ToQString(choice.message));
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
