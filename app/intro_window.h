// The intro window frmIntro on screen: handle box, pack list and the logo.
#pragma once

#include "app/form_dialog.h"

class IntroForm;

class IntroWindow : public FormDialog {
    Q_OBJECT
public:
    using Form = IntroForm;
    explicit IntroWindow(IntroForm& form);

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    IntroForm& form_;
};
