// The message window: a title, the message, a picture and the close control.
#include "message_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "app/qt_accessibility.h"
#include "app/qt_key_grace.h"
#include "app/qt_text.h"
#include "app/window_chrome.h"
#include "tools/message_form.h"

namespace {

// The fixed picture of the window: a green terminal with a blinking exclamation mark.
QPixmap MessagePicture() {
    QPixmap picture = SharpPixmap(48, 48);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(0, 192, 0), 2));
    painter.drawRect(3, 5, 42, 32);
    painter.drawLine(14, 43, 34, 43);
    painter.setFont(QFont("Courier", 18, QFont::Bold));
    painter.drawText(QRect(3, 5, 42, 32), Qt::AlignCenter, "!");
    return picture;
}

}  // namespace

MessageWindow::MessageWindow(MessageForm& form)
    : FormDialog(form, "frmMessage", "Zindrel Message"), form_(form) {
    setStyleSheet("QDialog#frmMessage { background: #101010; border: 1px solid #00c000; }" +
                  ChromeStyle() + "QLabel#Label1 { border: 1px solid #101010; padding: 4px; }" +
                  FocusRingStyle("QLabel#Label1"));
    // The player may still be typing for the console when the message comes up.
    new KeyGrace(this);

    auto* layout = new QVBoxLayout(this);
    auto* titleRow = new QHBoxLayout;
    AddTitleLabel(this, titleRow, "=[ Echo ]=");
    AddCloseLabel(this, titleRow, [this] { form_.Close(); });
    layout->addLayout(titleRow);

    auto* body = new QHBoxLayout;
    auto* picture = new QLabel(this);
    picture->setObjectName("Picture1");
    picture->setPixmap(MessagePicture());
    MarkDecorative(picture);
    picture->setAlignment(Qt::AlignTop);
    body->addWidget(picture);
    auto* message = new QLabel(ToQString(form.MessageLabel()), this);
    message->setObjectName("Label1");
    message->setWordWrap(true);
    message->setTextFormat(Qt::PlainText);
    message->setMinimumWidth(320);
    message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The window opens with the keyboard on the message, where screen readers read it from and
    // where no key but Enter and Escape does anything; the close label is a Tab away.
    message->setFocusPolicy(Qt::StrongFocus);
    message->setFocus();
    body->addWidget(message, 1);
    layout->addLayout(body);
}

void MessageWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            form_.Close();
            return;
        case Qt::Key_Escape:
            FormDialog::keyPressEvent(event);
            return;
        default:
            // Space and the letters answer nothing here: they were most likely meant for the
            // console.
            event->accept();
            return;
    }
}
