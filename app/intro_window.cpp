// The intro window: the logo, the handle box and the pack list; Enter and Esc go to the core.
#include "intro_window.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QStaticText>
#include <QVBoxLayout>

#include "app/intro_form.h"
#include "app/qt_text.h"
#include "app/qt_accessibility.h"
#include "app/window_chrome.h"

namespace {

// The logo above the entry: the name over a field of binary digits, with a login prompt.
QPixmap IntroPicture() {
    QPixmap picture = SharpPixmap(300, 90);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QFont digits("Courier", 7);
    digits.setStyleHint(QFont::TypeWriter);
    painter.setFont(digits);
    // A fixed pattern, so the picture is the same on every start. The two digits are laid out
    // once and stamped 240 times: laying out text is what this picture would spend its time on.
    const QStaticText bits[2] = {QStaticText("0"), QStaticText("1")};
    const int ascent = QFontMetrics(digits).ascent();
    for (int column = 0; column < 30; ++column) {
        painter.setPen(QColor(0, 28 + (column * 37) % 40, 0));
        for (int row = 0; row < 8; ++row) {
            const int bit = (column * 7 + row * 3 + column / 3) % 2;
            painter.drawStaticText(4 + column * 10, 12 + row * 11 - ascent, bits[bit]);
        }
    }

    QFont title("Courier", 30);
    title.setStyleHint(QFont::TypeWriter);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    QPainterPath name;
    name.addText(0, 0, title, "ZINDREL");
    const QRectF bounds = name.boundingRect();
    name.translate(150 - bounds.center().x(), 40 - bounds.center().y());
    // A black rim keeps the name readable over the digits; a green one makes the regular face
    // heavy without loading a bold one.
    painter.strokePath(name, QPen(Qt::black, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(name, QColor(0, 192, 0));
    painter.strokePath(name,
                       QPen(QColor(0, 192, 0), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    painter.setPen(QPen(QColor(0, 192, 0), 1));
    painter.drawRect(QRectF(0.5, 0.5, 299, 89));
    QFont prompt("Courier", 8);
    prompt.setStyleHint(QFont::TypeWriter);
    painter.setFont(prompt);
    const QString login = "login: ";
    const QFontMetrics metrics(prompt);
    const QRect line(6, 70, metrics.horizontalAdvance(login) + 14, metrics.height() + 4);
    painter.fillRect(line, Qt::black);
    painter.drawText(line.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, login);
    painter.fillRect(QRect(line.left() + 3 + metrics.horizontalAdvance(login), line.top() + 3, 7,
                           line.height() - 6),
                     QColor(0, 192, 0));
    return picture;
}

}  // namespace

IntroWindow::IntroWindow(IntroForm& form) : FormDialog(form, "frmIntro", "Zindrel"), form_(form) {
    // The intro is the first window and is coloured through its palette, not a style sheet:
    // the style-sheet machinery alone costs the start a megabyte, for the same look.
    QPalette colours = palette();
    const QColor green(0, 192, 0), black(0, 0, 0), dark(0x10, 0x10, 0x10);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Window, dark);
        colours.setColor(group, QPalette::WindowText, green);
        colours.setColor(group, QPalette::Base, black);
        colours.setColor(group, QPalette::AlternateBase, black);
        colours.setColor(group, QPalette::Text, green);
        colours.setColor(group, QPalette::Button, black);
        colours.setColor(group, QPalette::ButtonText, green);
        colours.setColor(group, QPalette::Highlight, green);
        colours.setColor(group, QPalette::HighlightedText, black);
        colours.setColor(group, QPalette::Light, QColor(0, 96, 0));
        colours.setColor(group, QPalette::Midlight, QColor(0, 96, 0));
        colours.setColor(group, QPalette::Mid, QColor(0, 96, 0));
        colours.setColor(group, QPalette::Dark, QColor(0, 96, 0));
        colours.setColor(group, QPalette::Shadow, black);
    }
    setPalette(colours);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);

    auto* picture = new QLabel(this);
    picture->setObjectName("Picture1");
    picture->setPixmap(IntroPicture());
    // The logo says only the game's name, which the window's title says already.
    MarkDecorative(picture);
    layout->addWidget(picture, 0, Qt::AlignHCenter);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    auto* handleLabel = new QLabel("Hacker ID", this);
    handleLabel->setObjectName("Label1");
    auto* handle = new QLineEdit(ToQString(form.txtHandle), this);
    handle->setObjectName("txtHandle");
    handleLabel->setBuddy(handle);
    fields->addWidget(handleLabel, 0, 0);
    fields->addWidget(handle, 0, 1);

    auto* packLabel = new QLabel("MissionPack", this);
    packLabel->setObjectName("Label2");
    auto* pack = new QComboBox(this);
    pack->setObjectName("cmbMissionPack");
    pack->setEditable(false);
    for (const std::string& name : form.MissionPacks()) pack->addItem(ToQString(name));
    // Filling the list picks its first entry; the player must choose a pack himself.
    pack->setCurrentIndex(form.SelectedPack());
    packLabel->setBuddy(pack);
    fields->addWidget(packLabel, 1, 0);
    fields->addWidget(pack, 1, 1);
    fields->setColumnStretch(1, 1);
    layout->addLayout(fields);

    connect(handle, &QLineEdit::textChanged, this,
            [this](const QString& text) { form_.txtHandle = FromQString(text); });
    connect(pack, &QComboBox::currentIndexChanged, this,
            [this](int index) { form_.SelectPack(index); });

    // Enter and Esc belong to the window whichever control has the focus. The pack list's open
    // popup is left alone: there Enter picks the entry and Esc closes the list.
    installEventFilter(this);
    handle->installEventFilter(this);
    pack->installEventFilter(this);

    handle->setFocus();
}

void IntroWindow::paintEvent(QPaintEvent* event) {
    FormDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QColor(0, 192, 0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // A frame around each field, and the focus ring around the one the typing goes to.
    for (QWidget* field : {static_cast<QWidget*>(findChild<QLineEdit*>("txtHandle")),
                           static_cast<QWidget*>(findChild<QComboBox*>("cmbMissionPack"))}) {
        if (field->hasFocus()) {
            DrawFocusRing(painter, field->geometry().adjusted(-kFocusRingWidth, -kFocusRingWidth,
                                                              kFocusRingWidth, kFocusRingWidth));
        } else {
            painter.setPen(QColor(0, 96, 0));
            painter.drawRect(field->geometry().adjusted(-1, -1, 0, 0));
        }
    }
}

bool IntroWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) update();
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                form_.Form_KeyPress(IntroForm::kEnter);
                return true;
            case Qt::Key_Escape:
                form_.Form_KeyPress(IntroForm::kEscape);
                return true;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}
