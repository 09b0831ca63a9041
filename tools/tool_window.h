// The view every tool window is built from: the title strip with its close label, rows of a
// label and a text box bound to the form's fields, the action labels, and the progress picture.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QLabel>

#include "app/form_dialog.h"

class ClickableLabel;
class ProgressPicture;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QVBoxLayout;
class QtImageSurface;
class ToolForm;

// Picture1 on screen; screen readers know it as the progress bar it shows.
class ProgressLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

class ToolWindow : public FormDialog {
    Q_OBJECT
public:
    explicit ToolWindow(ToolForm& form);
    ~ToolWindow() override;

protected:
    // A row: the label (its caption from the form) and a text box that edits the form's field
    // and shows it whenever the form says it changed.
    QLineEdit* AddField(const char* labelName, const char* boxName, std::string& field,
                        bool readOnly = false);
    // A row: the label and a drop-down list of the given rows; a choice goes to the form.
    QComboBox* AddList(const char* labelName, const char* listName,
                       const std::vector<std::string>& rows, std::function<void(int)> onChoose);
    // A label used as a button, in the row of actions. The first one is the window's action:
    // Enter in any field does it too.
    ClickableLabel* AddAction(const char* name, std::function<void()> onClick);
    // Enables or disables an action label without ever leaving the keyboard on the close label.
    void SetActionEnabled(ClickableLabel* action, bool enabled);
    // Picture1: the form's progress bar, drawn on a picture of this window while it is open.
    QLabel* AddPicture(ProgressPicture& picture);
    // Something more to bring up to date whenever the form changed.
    void OnRefresh(std::function<void()> refresh) { extraRefresh_ = std::move(refresh); }

    void keyPressEvent(QKeyEvent* event) override;

private:
    void Refresh();
    void AddInput(QWidget* input);
    // Where every action starts: the keyboard goes back there whenever one has ended.
    void FocusFirstInput();

    ToolForm& form_;
    QVBoxLayout* layout_ = nullptr;
    QGridLayout* fields_ = nullptr;
    QHBoxLayout* actions_ = nullptr;
    std::vector<std::pair<QLineEdit*, std::string*>> bindings_;
    QWidget* firstInput_ = nullptr;
    ClickableLabel* action_ = nullptr;
    bool wasRunning_ = false;
    ProgressPicture* picture_ = nullptr;
    std::unique_ptr<QtImageSurface> surface_;
    QLabel* pictureLabel_ = nullptr;
    std::function<void()> extraRefresh_;
};
