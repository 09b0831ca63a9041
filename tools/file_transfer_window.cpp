// The download's and the wiper's widgets.
#include "file_transfer_window.h"

#include "app/clickable_label.h"
#include "tools/file_transfer_form.h"

FileTransferWindow::FileTransferWindow(FileTransferForm& form) : ToolWindow(form) {
    AddField("lblFile", "txtFile", form.txtFile);
    ClickableLabel* start = AddAction(form.Kind().startLabel, [&form] { form.Start_Click(); });
    AddPicture(form.Picture1);
    OnRefresh([this, start, &form] { SetActionEnabled(start, form.StartEnabled()); });
}
