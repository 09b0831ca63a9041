// The shared look of the game's windows.
#include "window_chrome.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QStringList>
#include <QtMath>

#include "app/clickable_label.h"
#include "app/qt_accessibility.h"

QColor FocusRingColour() {
    return QColor(0, 255, 0);
}

void DrawFocusRing(QPainter& painter, const QRect& rect) {
    painter.save();
    QPen pen(FocusRingColour(), kFocusRingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // A pen of width two is centred on the line: one pixel in from the edge keeps it inside.
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter.restore();
}

QString FocusRingStyle(const QString& selectors) {
    QStringList plain, focused;
    for (const QString& selector : selectors.split(',', Qt::SkipEmptyParts)) {
        plain << selector.trimmed();
        focused << selector.trimmed() + ":focus";
    }
    return QString("%1 { margin: %2px; }\n%3 { border: %4px solid %5; margin: 0px; }\n")
        .arg(plain.join(", "))
        .arg(kFocusRingWidth - 1)
        .arg(focused.join(", "))
        .arg(kFocusRingWidth)
        .arg(FocusRingColour().name());
}

QString ChromeStyle() {
    return R"(
        QLabel { color: #00c000; font-family: "Courier"; }
        QLabel#mainlabel { font-weight: bold; }
        QLabel#topright_ { color: #00ff00; font-weight: bold; padding: 0 6px; }
        QLabel#topright_:hover { color: #000000; background: #00c000; }
    )";
}

QString SystemBoxStyle() {
    return R"(
        QMessageBox { background: #101010; border: 1px solid #00c000; }
        QMessageBox QLabel { color: #00c000; background: transparent; font-family: "Courier"; }
        QMessageBox QPushButton {
            color: #00c000; background: #000000; border: 1px solid #00c000;
            padding: 3px 14px; min-width: 60px; font-family: "Courier";
        }
        QMessageBox QPushButton:hover, QMessageBox QPushButton:focus {
            color: #000000; background: #00c000;
        }
    )" + FocusRingStyle("QMessageBox QPushButton");
}

QPixmap SharpPixmap(int width, int height) {
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap pixmap(qCeil(width * ratio), qCeil(height * ratio));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QPixmap BlockScaled(const QImage& image, double devicePixelRatio) {
    if (devicePixelRatio == 1.0) return QPixmap::fromImage(image);
    QPixmap pixmap = QPixmap::fromImage(image.scaled(
        qRound(image.width() * devicePixelRatio), qRound(image.height() * devicePixelRatio),
        Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QPixmap ZdlIcon() {
    QPixmap icon = SharpPixmap(22, 22);
    icon.fill(Qt::black);
    QPainter painter(&icon);
    painter.setPen(QColor(0, 192, 0));
    painter.drawRect(0, 0, 21, 21);
    painter.setFont(QFont("Courier", 12, QFont::Bold));
    painter.drawText(QRect(0, 0, 22, 22), Qt::AlignCenter, "Z");
    return icon;
}

QLabel* AddNamedLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel* AddTitleLabel(QWidget* parent, QBoxLayout* row, const QString& title) {
    QLabel* label = AddNamedLabel(parent, "mainlabel", title);
    // The strip repeats the window's title in its dress: a screen reader says the title once.
    MarkDecorative(label);
    row->addWidget(label, 1, Qt::AlignCenter);
    return label;
}

ClickableLabel* AddCloseLabel(QWidget* parent, QBoxLayout* row, std::function<void()> onClick) {
    auto* close = new ClickableLabel("X", parent);
    close->setObjectName("topright_");
    close->setAccessibleName("Close");
    close->setCursor(Qt::PointingHandCursor);
    QObject::connect(close, &ClickableLabel::clicked, parent, std::move(onClick));
    row->addWidget(close);
    return close;
}
