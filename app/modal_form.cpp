// Loading, showing and unloading a modal form.
#include "modal_form.h"

#include "platform.h"

void ModalForm::ShowModal(Platform& platform) {
    if (open_) return;
    open_ = true;
    OnLoad();
    if (open_) platform.ShowModal(*this);
    Close();
}

void ModalForm::Close() {
    if (!open_) return;
    open_ = false;
    OnUnload();
    if (onClosed) {
        auto closed = std::move(onClosed);
        onClosed = nullptr;
        closed();
    }
}
