// The view of a modal form: a dialog whose every way of closing goes through the form, so the
// form's unload runs whether the player, Esc or the game closes it.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>

#include "app/modal_form.h"

class FormDialog : public QDialog {
    Q_OBJECT
public:
    FormDialog(ModalForm& form, const char* objectName, const QString& title);

protected:
    void reject() override;
    void showEvent(QShowEvent* event) override;

private:
    ModalForm& modalForm_;
};

// The factory QtPlatform::RegisterWindow takes: the view of a form, of the window's Form type.
template <typename Window>
std::unique_ptr<QDialog> CreateFormWindow(ModalForm& form) {
    return std::make_unique<Window>(dynamic_cast<typename Window::Form&>(form));
}
