// The tool windows' shared widgets and their binding to the form.
#include "tool_window.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QVBoxLayout>

#include "app/clickable_label.h"
#include "app/qt_accessibility.h"
#include "app/qt_text.h"
#include "app/window_chrome.h"
#include "tools/progress_picture.h"
#include "tools/qt_image_surface.h"
#include "tools/tool_form.h"

namespace {

QString ToolStyle() {
    return R"(
    QDialog { background: #101010; border: 1px solid #00c000; }
    QLineEdit {
        color: #00c000; background: #000000; border: 1px solid #006000;
        font-family: "Courier"; padding: 2px 4px;
        selection-color: #000000; selection-background-color: #00c000;
    }
    QLineEdit[readOnly="true"] { color: #00ff00; }
    QLabel[action="true"] { border: 1px solid #006000; background: #001800; padding: 3px 12px; }
    QLabel[action="true"]:hover { color: #000000; background: #00c000; }
    QLabel#Picture1 { border: 1px solid #006000; }
    QLabel[action="true"]:disabled { color: #006000; }
    QComboBox {
        color: #00c000; background: #000000; border: 1px solid #006000;
        font-family: "Courier"; padding: 2px 4px; combobox-popup: 0;
    }
    QComboBox QAbstractItemView {
        color: #00c000; background: #000000; border: 1px solid #00c000;
        selection-color: #000000; selection-background-color: #00c000;
    }
)" + FocusRingStyle("QLineEdit, QComboBox");
}

}  // namespace

ToolWindow::ToolWindow(ToolForm& form)
    : FormDialog(form, form.Name().c_str(), ToQString(form.Title())), form_(form) {
    setStyleSheet(ToolStyle() + ChromeStyle());
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(8, 6, 8, 8);
    layout_->setSpacing(8);

    auto* titleRow = new QHBoxLayout;
    AddTitleLabel(this, titleRow, ToQString(form.Caption("mainlabel")));
    AddCloseLabel(this, titleRow, [this] { form_.topright_Click(); });
    layout_->addLayout(titleRow);

    fields_ = new QGridLayout;
    fields_->setHorizontalSpacing(10);
    fields_->setColumnStretch(1, 1);
    layout_->addLayout(fields_);
    actions_ = new QHBoxLayout;
    actions_->addStretch(1);
    layout_->addLayout(actions_);

    form_.onChanged = [this] { Refresh(); };
}

ToolWindow::~ToolWindow() {
    form_.onChanged = nullptr;
    if (picture_ != nullptr) picture_->Attach(nullptr);
}

QLineEdit* ToolWindow::AddField(const char* labelName, const char* boxName, std::string& field,
                                bool readOnly) {
    const int row = fields_->rowCount();
    QLabel* label = AddNamedLabel(this, labelName, ToQString(form_.Caption(labelName)));
    auto* box = new QLineEdit(ToQString(field), this);
    box->setObjectName(boxName);
    box->setReadOnly(readOnly);
    box->setMinimumWidth(180);
    label->setBuddy(box);
    fields_->addWidget(label, row, 0);
    fields_->addWidget(box, row, 1);
    if (readOnly) {
        // A box that only shows something is no stop on the way to the action.
        box->setFocusPolicy(Qt::NoFocus);
    } else {
        connect(box, &QLineEdit::textEdited, this,
                [&field](const QString& text) { field = FromQString(text); });
        AddInput(box);
    }
    bindings_.emplace_back(box, &field);
    return box;
}

QComboBox* ToolWindow::AddList(const char* labelName, const char* listName,
                               const std::vector<std::string>& rows,
                               std::function<void(int)> onChoose) {
    const int row = fields_->rowCount();
    QLabel* label = AddNamedLabel(this, labelName, ToQString(form_.Caption(labelName)));
    auto* list = new QComboBox(this);
    list->setObjectName(listName);
    for (const std::string& text : rows) list->addItem(ToQString(text));
    list->setCurrentIndex(-1);
    // The window keeps a sensible width; the open list shows the rows whole.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(40);
    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + 24);
    list->setMaxVisibleItems(16);
    label->setBuddy(list);
    fields_->addWidget(label, row, 0);
    fields_->addWidget(list, row, 1);
    connect(list, &QComboBox::currentIndexChanged, this, std::move(onChoose));
    AddInput(list);
    return list;
}

ClickableLabel* ToolWindow::AddAction(const char* name, std::function<void()> onClick) {
    auto* action = new ClickableLabel(ToQString(form_.Caption(name)), this);
    action->setObjectName(name);
    action->setProperty("action", true);
    action->setCursor(Qt::PointingHandCursor);
    connect(action, &ClickableLabel::clicked, this, [this, onClick = std::move(onClick)] {
        onClick();
        // Its message closed or its run started: the next keys go where the next action starts.
        if (form_.IsOpen()) FocusFirstInput();
    });
    actions_->addWidget(action);
    if (action_ == nullptr) action_ = action;
    return action;
}

void ToolWindow::SetActionEnabled(ClickableLabel* action, bool enabled) {
    if (action->isEnabled() == enabled) return;
    // A focused control that is disabled hands the keyboard on to the next one, the close label.
    if (!enabled && action->hasFocus()) FocusFirstInput();
    action->setEnabled(enabled);
}

void ToolWindow::AddInput(QWidget* input) {
    if (firstInput_ != nullptr) return;
    firstInput_ = input;
    // The window opens with the keyboard here, not on the close label that comes first.
    input->setFocus();
}

void ToolWindow::FocusFirstInput() {
    if (firstInput_ != nullptr) firstInput_->setFocus(Qt::OtherFocusReason);
}

void ToolWindow::keyPressEvent(QKeyEvent* event) {
    const bool plain =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Only the fields let Enter through to the window; the labels act on it themselves.
            if (plain && action_ != nullptr) {
                action_->Click();
                return;
            }
            break;
        case Qt::Key_Escape:
            // Escape never throws away running work; the close label still ends it.
            if (form_.Running()) return;
            break;
        default:
            break;
    }
    FormDialog::keyPressEvent(event);
}

QLabel* ToolWindow::AddPicture(ProgressPicture& picture) {
    picture_ = &picture;
    surface_ = std::make_unique<QtImageSurface>(picture.Width(), picture.Height());
    picture.Attach(surface_.get());
    pictureLabel_ = new ProgressLabel(this);
    pictureLabel_->setObjectName("Picture1");
    pictureLabel_->setAccessibleName("Progress");
    MarkProgress(pictureLabel_, form_.ProgressShown());
    pictureLabel_->setFixedSize(picture.Width() + 2, picture.Height() + 2);
    pictureLabel_->setPixmap(BlockScaled(surface_->Image(), pictureLabel_->devicePixelRatioF()));
    layout_->addWidget(pictureLabel_, 0, Qt::AlignHCenter);
    return pictureLabel_;
}

void ToolWindow::Refresh() {
    for (const auto& [box, field] : bindings_) {
        const QString text = ToQString(*field);
        if (box->text() != text) box->setText(text);
    }
    if (pictureLabel_ != nullptr) {
        pictureLabel_->setPixmap(
            BlockScaled(surface_->Image(), pictureLabel_->devicePixelRatioF()));
        MarkProgress(pictureLabel_, form_.ProgressShown());
    }
    if (extraRefresh_) extraRefresh_();
    // "Done!": the run is over, and the keyboard is back where the next one starts.
    const bool running = form_.Running();
    if (wasRunning_ && !running) FocusFirstInput();
    wasRunning_ = running;
}
