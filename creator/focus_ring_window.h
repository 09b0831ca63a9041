// Quenbry's keyboard focus ring: a 2-pixel frame in a navy blue drawn around whichever control
// has the focus, over the window, so it stands out from the light controls and the window
// behind them whatever the style draws for focus itself.
#pragma once

#include <QPointer>
#include <QWidget>

class FocusRingWindow : public QWidget {
    Q_OBJECT
public:
    // One ring for the whole program, following the focus from window to window.
    static void Install();

    static QColor Colour();
    static constexpr int kWidth = 2;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FocusRingWindow();
    void Follow(QWidget* control);
    void Place();

    QPointer<QWidget> control_;
};
