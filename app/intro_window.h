// The intro window frmIntro on screen: handle box, pack list and the logo.
#pragma once

#include <QDialog>
#include <memory>

class IntroForm;
class ModalForm;

class IntroWindow : public QDialog {
    Q_OBJECT
public:
    explicit IntroWindow(IntroForm& form);
    static std::unique_ptr<QDialog> Create(ModalForm& form);

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void reject() override;
    void showEvent(QShowEvent* event) override;

private:
    IntroForm& form_;
};
