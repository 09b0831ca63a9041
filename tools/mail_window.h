// The mail reader frmMail on screen: the mission's e-mail in a fixed-pitch box.
#pragma once

#include <QDialog>
#include <memory>

class MailForm;
class ModalForm;

class MailWindow : public QDialog {
    Q_OBJECT
public:
    explicit MailWindow(MailForm& form);
    static std::unique_ptr<QDialog> Create(ModalForm& form);

protected:
    void reject() override;
    void showEvent(QShowEvent* event) override;

private:
    MailForm& form_;
};
