// A label that acts as a button, as every button of the game's windows does: clicked with the
// mouse, reached with Tab and pressed with Space or Enter, and announced as a button.
#pragma once

#include <QLabel>

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

    // What a click does, whether it came from the mouse, the keyboard or an assistive tool.
    // A disabled label does nothing.
    void Click();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
