// The message window frmMessage on screen.
#pragma once

#include <QDialog>
#include <memory>

class MessageForm;
class ModalForm;

class MessageWindow : public QDialog {
    Q_OBJECT
public:
    explicit MessageWindow(MessageForm& form);
    static std::unique_ptr<QDialog> Create(ModalForm& form);

protected:
    void reject() override;

private:
    MessageForm& form_;
};
