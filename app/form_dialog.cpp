// Closing and showing a form's dialog.
#include "form_dialog.h"

#include "app/qt_accessibility.h"

FormDialog::FormDialog(ModalForm& form, const char* objectName, const QString& title)
    : modalForm_(form) {
    InstallGameAccessibility();
    setObjectName(objectName);
    setWindowTitle(title);
    setModal(true);
}

void FormDialog::reject() {
    // Esc and the window manager's close box close the form like its own close label.
    modalForm_.Close();
}

void FormDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Without a window manager nothing else gives a new window the keyboard.
    activateWindow();
}
