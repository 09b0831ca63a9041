// The mail reader: a title, the close control and the read-only mail text.
#include "mail_window.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "app/window_chrome.h"
#include "tools/mail_form.h"

namespace {

QString MailStyle() {
    return R"(
    QDialog#frmMail { background: #101010; border: 1px solid #00c000; }
    QPlainTextEdit {
        color: #00c000; background: #000000; border: 1px solid #006000;
        selection-color: #000000; selection-background-color: #00c000;
    }
    QScrollBar:vertical { background: #001800; width: 12px; border: 1px solid #006000; }
    QScrollBar::handle:vertical { background: #006000; min-height: 20px; }
    QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }
)" + FocusRingStyle("QPlainTextEdit");
}

}  // namespace

MailWindow::MailWindow(MailForm& form)
    : FormDialog(form, "frmMail", "Mail Reader v1.0"), form_(form) {
    setStyleSheet(MailStyle() + ChromeStyle());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    auto* titleRow = new QHBoxLayout;
    AddTitleLabel(this, titleRow, "=[ Lookout Mail ]=");
    AddCloseLabel(this, titleRow, [this] { form_.Close(); });
    layout->addLayout(titleRow);

    auto* mail = new QPlainTextEdit(this);
    mail->setObjectName("txtMail");
    mail->setAccessibleName("Mail");
    QFont font("Courier");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(9.75);
    mail->setFont(font);
    mail->setReadOnly(true);
    mail->setUndoRedoEnabled(false);
    mail->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    mail->setPlainText(ForDisplay(form.txtMail));
    // Room for the 58-column mail with a margin, and a screenful of its lines.
    const QFontMetrics metrics(font);
    mail->setMinimumSize(metrics.horizontalAdvance(QString(64, QChar('M'))) + 24,
                         metrics.lineSpacing() * 22 + 12);
    layout->addWidget(mail, 1);
    // The keyboard starts in the mail: the arrow and page keys scroll it, Ctrl+A marks it, and a
    // screen reader reads it.
    mail->setFocus();
}
