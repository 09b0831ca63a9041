// The virus uploader frmUploadvirus on screen: the list of viruses, the upload label and the bar.
#pragma once

#include "tools/tool_window.h"

class VirusUploadForm;

class VirusUploadWindow : public ToolWindow {
    Q_OBJECT
public:
    using Form = VirusUploadForm;
    explicit VirusUploadWindow(VirusUploadForm& form);
};
