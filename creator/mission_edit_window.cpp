// The mission editor's widgets: loading a mission into them and saving them as a mission file.
#include "mission_edit_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "creator/pack_manager.h"

namespace {

// The fields keep CR LF between lines; a text box knows only '\n'.
QString ForTextBox(const std::string& bytes) {
    QString text = ToQString(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// The box's own characters, read raw: the plain-text reading turns a no-break space into a
// blank, which would rename a file on the target when an unedited mission is saved.
std::string FromTextBox(const QPlainTextEdit* box) {
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return FromQString(text);
}

// A one-line box (the mail's title and sender): whatever is pasted or dropped into it keeps only
// its first line, so the mission file's lines never shift.
QLineEdit* OneLineBox(const char* name, const std::string& text, QWidget* parent) {
    auto* box = new QLineEdit(ToQString(text), parent);
    box->setObjectName(name);
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& edited) {
        if (!edited.contains(QChar('\r')) && !edited.contains(QChar('\n'))) return;
        // The inserted piece is what lies between the text's unchanged start and end.
        const QString before = box->property("lastText").toString();
        qsizetype start = 0;
        while (start < before.size() && start < edited.size() && before[start] == edited[start])
            ++start;
        qsizetype tail = 0;
        while (tail < before.size() - start && tail < edited.size() - start &&
               before[before.size() - 1 - tail] == edited[edited.size() - 1 - tail])
            ++tail;
        QString inserted = edited.mid(start, edited.size() - start - tail);
        const qsizetype lineEnd = inserted.indexOf(QRegularExpression("[\r\n]"));
        if (lineEnd >= 0) inserted.truncate(lineEnd);
        const QString kept = edited.left(start) + inserted + edited.right(tail);
        box->setText(kept);
        box->setCursorPosition(static_cast<int>(start + inserted.size()));
    });
    QObject::connect(box, &QLineEdit::textChanged, box,
                     [box](const QString& now) { box->setProperty("lastText", now); });
    box->setProperty("lastText", box->text());
    return box;
}

// Every box shows its lines in the game's fixed pitch: mails, folder lines and login screens
// are laid out by column, and wrapping would lie about where a line ends.
QPlainTextEdit* TextBox(const char* name, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setTabChangesFocus(true);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    box->setFont(font);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    return box;
}

QLabel* Hint(const QString& text, QWidget* parent) {
    auto* hint = new QLabel(text, parent);
    hint->setWordWrap(true);
    hint->setForegroundRole(QPalette::PlaceholderText);
    return hint;
}

}  // namespace

void ShowQuenbryMessage(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, ToQString(PackManager::kTitle), text);
}

std::unique_ptr<MissionEditWindow> MissionEditWindow::Create(
    const std::filesystem::path& file, const std::filesystem::path& instructionsFile,
    QWidget* parent, MessageFunction showMessage) {
    const MessageFunction report = showMessage ? showMessage : [parent](const QString& text) {
        ShowQuenbryMessage(parent, text);
    };

    const EditorStart start = StartEditor(file, instructionsFile);
    for (const std::string& message : start.messages) report(ToQString(message));
    if (!start.fields) return nullptr;
    return std::unique_ptr<MissionEditWindow>(new MissionEditWindow(
        file, *start.fields, start.instructions, parent, std::move(showMessage)));
}

bool MissionEditWindow::Open(const std::filesystem::path& file,
                             const std::filesystem::path& instructionsFile, QWidget* parent,
                             MessageFunction showMessage, const MissionSpot& spot) {
    std::unique_ptr<MissionEditWindow> window =
        Create(file, instructionsFile, parent, std::move(showMessage));
    if (!window) return false;
    window->ShowSpot(spot);
    window->exec();
    return true;
}

MissionEditWindow::MissionEditWindow(std::filesystem::path file, const MissionFields& fields,
                                     const std::string& instructions, QWidget* parent,
                                     MessageFunction showMessage)
    : QDialog(parent), file_(std::move(file)), showMessage_(std::move(showMessage)) {
    if (!showMessage_)
        showMessage_ = [this](const QString& text) { ShowQuenbryMessage(this, text); };
    setObjectName("frmMissionEdit");
    setWindowTitle("Quenbry v1.1 - " + ToQString(file_.string()));
    setModal(true);
    resize(720, 540);

    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("SSTab1");
    layout->addWidget(tabs_, 1);

    instructions_ = TextBox("instructions", this);
    instructions_->setAccessibleName("Instructions");
    instructions_->setReadOnly(true);
    instructions_->setPlainText(ForTextBox(instructions));
    tabs_->addTab(instructions_, "Instructions");

    auto* mailPage = new QWidget(this);
    auto* mailLayout = new QGridLayout(mailPage);
    auto addRow = [mailPage, mailLayout](int row, const char* caption, QWidget* field,
                                         Qt::Alignment alignment = Qt::AlignVCenter) {
        auto* label = new QLabel(caption, mailPage);
        label->setBuddy(field);
        mailLayout->addWidget(label, row, 0, Qt::AlignLeft | alignment);
        mailLayout->addWidget(field, row, 1);
    };
    title_ = OneLineBox("title", fields.title, mailPage);
    addRow(0, "Title", title_);
    from_ = OneLineBox("from", fields.from, mailPage);
    addRow(1, "From", from_);
    email_ = TextBox("email", mailPage);
    email_->setPlainText(ForTextBox(fields.email));
    addRow(2, "Message", email_, Qt::AlignTop);
    mailLayout->setRowStretch(2, 1);
    fieldList_ = new QComboBox(mailPage);
    fieldList_->setObjectName("Fields");
    for (const char* placeholder : kPlaceholderFields) fieldList_->addItem(placeholder);
    // The list is a row of actions, not a setting: it shows no choice between insertions.
    fieldList_->setPlaceholderText("(choose a field to append to the message)");
    fieldList_->setCurrentIndex(-1);
    connect(fieldList_, &QComboBox::activated, this,
            [this](int index) { InsertField(fieldList_->itemText(index)); });
    addRow(3, "Insert field", fieldList_);
    tabs_->addTab(mailPage, "Email");

    auto* objectivesPage = new QWidget(this);
    auto* objectivesLayout = new QVBoxLayout(objectivesPage);
    auto checkBox = [objectivesPage](const char* name, const char* caption, bool ticked) {
        auto* box = new QCheckBox(caption, objectivesPage);
        box->setObjectName(name);
        box->setChecked(ticked);
        return box;
    };
    virus_ = checkBox("virus", "Infect remote host with virus?", fields.virus);
    objectivesLayout->addWidget(virus_);
    objectivesLayout->addSpacing(6);
    steal_ = checkBox("steal", "Steal file(s) from the remote host?", fields.steal);
    objectivesLayout->addWidget(steal_);
    stealFiles_ = TextBox("stealfiles", objectivesPage);
    stealFiles_->setAccessibleName("Files to steal");
    stealFiles_->setPlainText(ForTextBox(fields.stealfiles));
    objectivesLayout->addWidget(stealFiles_, 1);
    delete_ = checkBox("delete", "Kill file(s) on the remote host?", fields.del);
    objectivesLayout->addWidget(delete_);
    killFiles_ = TextBox("killfiles", objectivesPage);
    killFiles_->setAccessibleName("Files to kill");
    killFiles_->setPlainText(ForTextBox(fields.killfiles));
    objectivesLayout->addWidget(killFiles_, 1);
    objectivesLayout->addWidget(Hint(
        "One file name per line. A list is saved only while its box is ticked.", objectivesPage));
    tabs_->addTab(objectivesPage, "Objectives");

    fileSystem_ = TextBox("filesystem", this);
    fileSystem_->setAccessibleName("File system");
    fileSystem_->setPlainText(ForTextBox(fields.filesystem));
    tabs_->addTab(fileSystem_, "File System");

    telnet_ = TextBox("telnet", this);
    telnet_->setAccessibleName("Telnet login screen");
    telnet_->setPlainText(ForTextBox(fields.telnet));
    tabs_->addTab(telnet_, "Telnet Login");

    tabs_->setCurrentIndex(0);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* save = new QPushButton("Save mission", this);
    save->setObjectName("Command7");
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, [this] { SaveMission(); });
    buttons->addWidget(save);
    layout->addLayout(buttons);
}

void MissionEditWindow::ShowSpot(const MissionSpot& spot) {
    QWidget* field = instructions_;
    switch (spot.field) {
        case MissionField::kNone: break;
        case MissionField::kTitle: field = title_; break;
        case MissionField::kFrom: field = from_; break;
        case MissionField::kEmail: field = email_; break;
        case MissionField::kVirus: field = virus_; break;
        case MissionField::kStealFiles: field = stealFiles_; break;
        case MissionField::kKillFiles: field = killFiles_; break;
        case MissionField::kFileSystem: field = fileSystem_; break;
        case MissionField::kTelnet: field = telnet_; break;
    }
    for (int tab = 0; tab < tabs_->count(); ++tab)
        if (tabs_->widget(tab) == field || tabs_->widget(tab)->isAncestorOf(field))
            tabs_->setCurrentIndex(tab);
    if (auto* box = qobject_cast<QPlainTextEdit*>(field); box != nullptr && field != instructions_) {
        const QTextBlock block = box->document()->findBlockByNumber(spot.line);
        QTextCursor cursor(block.isValid() ? block : box->document()->lastBlock());
        box->setTextCursor(cursor);
        box->ensureCursorVisible();
    }
    field->setFocus(Qt::OtherFocusReason);
}

MissionFields MissionEditWindow::Fields() const {
    MissionFields fields;
    fields.title = FromQString(title_->text());
    fields.from = FromQString(from_->text());
    fields.email = FromTextBox(email_);
    fields.virus = virus_->isChecked();
    fields.steal = steal_->isChecked();
    fields.stealfiles = FromTextBox(stealFiles_);
    fields.del = delete_->isChecked();
    fields.killfiles = FromTextBox(killFiles_);
    fields.filesystem = FromTextBox(fileSystem_);
    fields.telnet = FromTextBox(telnet_);
    return fields;
}

bool MissionEditWindow::SaveMission() {
    // A failed save keeps the editor open, so the author can free the disk and try again
    // without typing the mission a second time.
    const bool saved = SaveMissionFields(file_, Fields());
    showMessage_(ToQString(saved ? kMissionSaved : kWriteFailed));
    return saved;
}

void MissionEditWindow::InsertField(const QString& placeholder) {
    // Always at the very end of the message, wherever the caret was.
    QTextCursor end(email_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(placeholder);
    email_->setTextCursor(end);
    fieldList_->setCurrentIndex(-1);
}

void MissionEditWindow::keyPressEvent(QKeyEvent* event) {
    // Escape would close the dialog and throw away every line typed; the editor closes only by
    // its close box.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MissionEditWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    activateWindow();
}
