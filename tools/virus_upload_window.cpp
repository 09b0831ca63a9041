// The virus uploader's widgets.
#include "virus_upload_window.h"

#include "tools/virus_upload_form.h"

VirusUploadWindow::VirusUploadWindow(VirusUploadForm& form) : ToolWindow(form) {
    AddList("lblVirus", "Combo1", form.Combo1(), [&form](int index) { form.SelectVirus(index); });
    AddAction("lblUpload", [&form] { form.lblUpload_Click(); });
    AddPicture(form.Picture1);
}
