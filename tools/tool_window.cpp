// The tool windows' shared widgets and their binding to the form.
#include "tool_window.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QVBoxLayout>

#include "app/clickable_label.h"
#include "app/qt_text.h"
#include "app/window_chrome.h"
#include "tools/progress_picture.h"
#include "tools/qt_image_surface.h"
#include "tools/tool_form.h"

namespace {

const char* const kToolStyle = R"(
    QDialog { background: #101010; border: 1px solid #00c000; }
    QLineEdit {
        color: #00c000; background: #000000; border: 1px solid #006000;
        font-family: "Courier"; padding: 2px 4px;
        selection-color: #000000; selection-background-color: #00c000;
    }
    QLineEdit:focus { border: 1px solid #00c000; }
    QLineEdit[readOnly="true"] { color: #00ff00; }
    QLabel[action="true"] { border: 1px solid #006000; background: #001800; padding: 3px 12px; }
    QLabel[action="true"]:hover { color: #000000; background: #00c000; }
    QLabel#Picture1 { border: 1px solid #006000; }
    QLabel[action="true"]:disabled { color: #006000; }
    QComboBox {
        color: #00c000; background: #000000; border: 1px solid #006000;
        font-family: "Courier"; padding: 2px 4px; combobox-popup: 0;
    }
    QComboBox:focus { border: 1px solid #00c000; }
    QComboBox QAbstractItemView {
        color: #00c000; background: #000000; border: 1px solid #00c000;
        selection-color: #000000; selection-background-color: #00c000;
    }
)";

}  // namespace

ToolWindow::ToolWindow(ToolForm& form)
    : FormDialog(form, form.Name().c_str(), ToQString(form.Title())), form_(form) {
    setStyleSheet(kToolStyle + ChromeStyle());
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
    if (!readOnly)
        connect(box, &QLineEdit::textEdited, this,
                [&field](const QString& text) { field = FromQString(text); });
    bindings_.emplace_back(box, &field);
    if (bindings_.size() == 1) box->setFocus();
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
    return list;
}

ClickableLabel* ToolWindow::AddAction(const char* name, std::function<void()> onClick) {
    auto* action = new ClickableLabel(ToQString(form_.Caption(name)), this);
    action->setObjectName(name);
    action->setProperty("action", true);
    action->setCursor(Qt::PointingHandCursor);
    connect(action, &ClickableLabel::clicked, this, std::move(onClick));
    actions_->addWidget(action);
    return action;
}

QLabel* ToolWindow::AddPicture(ProgressPicture& picture) {
    picture_ = &picture;
    surface_ = std::make_unique<QtImageSurface>(picture.Width(), picture.Height());
    picture.Attach(surface_.get());
    pictureLabel_ = AddNamedLabel(this, "Picture1");
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
    if (pictureLabel_ != nullptr)
        pictureLabel_->setPixmap(
            BlockScaled(surface_->Image(), pictureLabel_->devicePixelRatioF()));
    if (extraRefresh_) extraRefresh_();
}
