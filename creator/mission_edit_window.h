// The mission editor frmMissionEdit on screen: the instruction text and the mission's fields in
// five tabs, and the save button.
#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

#include "creator/mission_fields.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

class MissionEditWindow : public QDialog {
    Q_OBJECT
public:
    // Shows a message to the author; by default an OK box titled with the program's title.
    using MessageFunction = std::function<void(const QString&)>;

    // Builds the editor on a mission file, or on a new mission when the file does not exist.
    // Nothing, after the message, when the file cannot be read.
    static std::unique_ptr<MissionEditWindow> Create(const std::filesystem::path& file,
                                                     const std::filesystem::path& instructionsFile,
                                                     QWidget* parent,
                                                     MessageFunction showMessage = {});
    // Create, then run the editor modally until the author closes it. False when it never
    // opened.
    // With a spot, the editor opens on the tab that holds it, the cursor on its line.
    static bool Open(const std::filesystem::path& file,
                     const std::filesystem::path& instructionsFile, QWidget* parent,
                     MessageFunction showMessage = {}, const MissionSpot& spot = {});

    // Shows the tab of the spot's field and puts the keyboard focus on it, in a text box at the
    // start of the spot's line; the instructions for no spot.
    void ShowSpot(const MissionSpot& spot);

    // What the boxes hold now, in the mission file's terms.
    MissionFields Fields() const;
    // "Save mission". True when the file was written.
    bool SaveMission();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    MissionEditWindow(std::filesystem::path file, const MissionFields& fields,
                      const std::string& instructions, QWidget* parent,
                      MessageFunction showMessage);
    void InsertField(const QString& placeholder);

    std::filesystem::path file_;
    MessageFunction showMessage_;
    QTabWidget* tabs_ = nullptr;
    QPlainTextEdit* instructions_ = nullptr;
    QLineEdit* title_ = nullptr;
    QLineEdit* from_ = nullptr;
    QPlainTextEdit* email_ = nullptr;
    QComboBox* fieldList_ = nullptr;
    QCheckBox* virus_ = nullptr;
    QCheckBox* steal_ = nullptr;
    QPlainTextEdit* stealFiles_ = nullptr;
    QCheckBox* delete_ = nullptr;
    QPlainTextEdit* killFiles_ = nullptr;
    QPlainTextEdit* fileSystem_ = nullptr;
    QPlainTextEdit* telnet_ = nullptr;
};

// The default message box of both Quenbry windows: OK only, titled "Quenbry".
void ShowQuenbryMessage(QWidget* parent, const QString& text);
