// Quenbry's start window frmMissionEditStart: the pack and mission lists, a new pack's name and
// the three buttons, bound to the core's PackManager.
#pragma once

#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "creator/mission_fields.h"
#include "creator/pack_manager.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProcess;
class QPushButton;

class PackManagerWindow : public QWidget {
    Q_OBJECT
public:
    using MessageFunction = std::function<void(const QString&)>;
    // The mission file, and the spot in it that a checker line leads to (none otherwise).
    using EditorFunction = std::function<void(const std::filesystem::path&, const MissionSpot&)>;

    // The packs of the given folders; a path alone is a portable folder of packs.
    explicit PackManagerWindow(PackManager manager, QWidget* parent = nullptr);
    explicit PackManagerWindow(const std::filesystem::path& programFolder,
                               QWidget* parent = nullptr)
        : PackManagerWindow(PackManager(programFolder), parent) {}

    // Both default to the real thing: an OK box, and the editor run modally on the file (its
    // messages go through the same message function).
    void SetMessageFunction(MessageFunction showMessage) { showMessage_ = std::move(showMessage); }
    void SetEditorFunction(EditorFunction openEditor) { openEditor_ = std::move(openEditor); }

    void RefreshPackList();

    // The pack checker "Check Pack" runs: by default zindrel-check beside Quenbry, in the game's
    // folder above it, or on the PATH.
    void SetCheckerProgram(QString program) { checker_ = std::move(program); }
    // "Check Pack" on the chosen pack; the lines arrive in the check list once the checker ends.
    void CheckPackClicked();
    bool CheckRunning() const { return process_ != nullptr; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PackChosen();
    void CreatePackClicked();
    void OpenEditorOr(const PackManager::Choice& choice, const MissionSpot& spot = {});
    std::string ChosenPack() const;
    std::string ChosenMission() const;
    void CheckFinished();
    void CheckLineOpened(QListWidgetItem* item);

    PackManager manager_;
    MessageFunction showMessage_;
    EditorFunction openEditor_;
    QComboBox* packs_ = nullptr;
    QComboBox* missions_ = nullptr;
    QLineEdit* newPack_ = nullptr;
    QPushButton* check_ = nullptr;
    QListWidget* checkLines_ = nullptr;
    QProcess* process_ = nullptr;
    QString checker_;
    std::filesystem::path checkedPack_;
};
