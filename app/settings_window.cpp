// The settings window: language list, the two sound boxes, and the save and update links.
#include "settings_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "app/clickable_label.h"
#include "app/qt_accessibility.h"
#include "app/qt_text.h"
#include "app/settings_form.h"
#include "app/window_chrome.h"

namespace {

QString SettingsStyle() {
    return R"(
    QDialog#frmSettings { background: #101010; border: 1px solid #00c000; }
    QLabel#lblSave { padding: 3px 10px; }
    QLabel#lblSave:hover { color: #000000; background: #00c000; }
    QLabel#lblUpdate { text-decoration: underline; }
    QLabel#lblUpdate:hover { color: #00ff00; }
    QFrame#butpasswordhack_ { border: 1px solid #006000; background: #001800; }
    QFrame[decoration="line"] { color: #006000; }
    QComboBox {
        color: #00c000; background: #000000; border: 1px solid #006000;
        font-family: "Courier"; padding: 2px 4px;
    }
    QComboBox QAbstractItemView {
        color: #00c000; background: #000000; border: 1px solid #00c000;
        selection-color: #000000; selection-background-color: #00c000;
    }
    QCheckBox::indicator { width: 11px; height: 11px; border: 1px solid #00c000;
        background: #000000; }
    QCheckBox::indicator:checked { background: #00c000; }
)" + FocusRingStyle("QComboBox, QCheckBox");
}

}  // namespace

SettingsWindow::SettingsWindow(SettingsForm& form)
    : FormDialog(form, "frmSettings", "Zindrel Settings"), form_(form) {
    setStyleSheet(SettingsStyle() + ChromeStyle());

    auto label = [this](const char* name, const QString& text) {
        return AddNamedLabel(this, name, text);
    };
    auto decoration = [&label](const char* name, const QString& text) {
        QLabel* made = label(name, text);
        MarkDecorative(made);
        return made;
    };
    auto caption = [this](const char* name) { return ToQString(form_.Caption(name)); };
    auto line = [this](const char* name) {
        auto* made = new QFrame(this);
        made->setObjectName(name);
        made->setFrameShape(QFrame::HLine);
        made->setProperty("decoration", "line");
        MarkDecorative(made);
        return made;
    };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(6);

    auto* titleRow = new QHBoxLayout;
    auto* icon = decoration("ZDLicon", {});
    icon->setPixmap(ZdlIcon());
    titleRow->addWidget(icon);
    titleRow->addWidget(decoration("topleft", "::"));
    AddTitleLabel(this, titleRow, caption("mainlabel"));
    titleRow->addWidget(decoration("topright", "::"));
    AddCloseLabel(this, titleRow, [this] { form_.topright_Click(); });
    layout->addLayout(titleRow);
    layout->addWidget(line("Line1"));

    auto* options = new QGridLayout;
    options->setHorizontalSpacing(10);
    options->setVerticalSpacing(8);
    options->addWidget(decoration("midleft", ">"), 0, 0);
    QLabel* languageLabel = label("lblLanguage", caption("lblLanguage"));
    options->addWidget(languageLabel, 0, 1);
    auto* language = new QComboBox(this);
    language->setObjectName("cmbLanguage");
    languageLabel->setBuddy(language);
    for (const std::string& name : form.Languages()) language->addItem(ToQString(name));
    language->setCurrentIndex(form.SelectedLanguage());
    language->setMinimumWidth(180);
    connect(language, &QComboBox::activated, this,
            [this](int index) { form_.cmbLanguage_Click(index); });
    options->addWidget(language, 0, 2);
    // The window opens with the keyboard on its first choice, not on the close label.
    language->setFocus();
    options->addWidget(line("Line2"), 1, 0, 1, 3);

    auto addSoundBox = [&](int row, const char* box, bool ticked, const char* labelName) {
        auto* check = new QCheckBox(this);
        check->setObjectName(box);
        check->setChecked(ticked);
        options->addWidget(check, row, 0);
        QLabel* name = label(labelName, caption(labelName));
        name->setBuddy(check);
        options->addWidget(name, row, 1, 1, 2);
        return check;
    };
    auto* sound = addSoundBox(2, "chkSound", form.chkSound, "lblSound");
    connect(sound, &QCheckBox::clicked, this,
            [this](bool ticked) { form_.chkSound_Click(ticked); });
    auto* typeSound = addSoundBox(3, "chkTypesound", form.chkTypesound, "lblTypesound");
    connect(typeSound, &QCheckBox::clicked, this,
            [this](bool ticked) { form_.chkTypesound_Click(ticked); });
    options->setColumnStretch(2, 1);
    layout->addLayout(options);
    layout->addWidget(line("Line3"));

    auto* actions = new QHBoxLayout;
    // The save label sits in a frame, like the console's button labels.
    auto* saveFrame = new QFrame(this);
    saveFrame->setObjectName("butpasswordhack_");
    MarkSeeThrough(saveFrame);
    auto* saveLayout = new QHBoxLayout(saveFrame);
    saveLayout->setContentsMargins(1, 1, 1, 1);
    auto* save = new ClickableLabel(caption("lblSave"), saveFrame);
    save->setObjectName("lblSave");
    save->setCursor(Qt::PointingHandCursor);
    connect(save, &ClickableLabel::clicked, this, [this] { form_.lblSave_Click(); });
    saveLayout->addWidget(save);
    actions->addWidget(saveFrame);
    actions->addStretch(1);
    auto* update = new ClickableLabel(caption("lblUpdate"), this);
    update->setObjectName("lblUpdate");
    update->setCursor(Qt::PointingHandCursor);
    connect(update, &ClickableLabel::clicked, this, [this] { form_.lblUpdate_Click(); });
    actions->addWidget(update);
    layout->addLayout(actions);
    layout->addWidget(line("Line4"));

    // The caption and the black backdrop belong to the window but show nothing.
    decoration("Label1", {})->hide();
    decoration("black", {})->hide();
}
