// The settings window frmSettings on screen, bound to the core's SettingsForm.
#pragma once

#include <QDialog>
#include <memory>

class ModalForm;
class SettingsForm;

class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    explicit SettingsWindow(SettingsForm& form);
    static std::unique_ptr<QDialog> Create(ModalForm& form);

protected:
    void reject() override;
    void showEvent(QShowEvent* event) override;

private:
    SettingsForm& form_;
};
