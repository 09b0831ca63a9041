// The remote download frmCopyfile and the file wiper frmDestroyfile on screen: the file name,
// the start label (disabled while a run goes on) and the bar.
#pragma once

#include "tools/tool_window.h"

class ClickableLabel;
class FileTransferForm;

class FileTransferWindow : public ToolWindow {
    Q_OBJECT
public:
    using Form = FileTransferForm;
    explicit FileTransferWindow(FileTransferForm& form);
};
