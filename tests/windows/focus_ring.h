// Measuring the keyboard's focus ring on a rendered window, for the game's windows and
// Quenbry's alike.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "windows/contrast.h"

// How well the keyboard's place shows on a control: the window is drawn with the control
// focused and without focus. Along each side of the control (two pixels in, two out) the most
// changed pixel must change by 3:1 or more and stand out by 3:1 from what lies three pixels
// outside the control. The result is the share of each side that does, the worst of the four.
inline double FocusRing(QWidget* window, QWidget* control) {
    control->clearFocus();
    QApplication::processEvents();
    // Without focus anywhere: a tab widget hands the focus on to its page.
    if (QWidget* other = QApplication::focusWidget()) {
        other->clearFocus();
        QApplication::processEvents();
    }
    const QImage without = window->grab().toImage();
    control->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QImage with = window->grab().toImage();
    const QRect box(control->mapTo(window, QPoint(0, 0)), control->size());
    const QRect inside = with.rect().adjusted(1, 1, -1, -1);

    // One side: positions along it, and for each the line of pixels across it, inward first.
    auto side = [&](bool horizontal, int edge, int outward, int from, int to) {
        int good = 0, count = 0;
        for (int along = from; along <= to; ++along) {
            auto at = [&](int across) {
                return horizontal ? QPoint(along, edge + across * outward)
                                  : QPoint(edge + across * outward, along);
            };
            if (!inside.contains(at(3))) continue;
            ++count;
            double best = 0;
            QPoint ring;
            for (int across = -2; across <= 1; ++across) {
                const double change =
                    Contrast(QColor(with.pixel(at(across))), QColor(without.pixel(at(across))));
                if (change > best) best = change, ring = at(across);
            }
            if (best >= 3.0 && Contrast(QColor(with.pixel(ring)), QColor(with.pixel(at(3)))) >= 3.0)
                ++good;
        }
        return count == 0 ? 1.0 : static_cast<double>(good) / count;
    };
    // Corners are left out: a ring may round them.
    const double sides[] = {
        side(true, box.top(), -1, box.left() + 3, box.right() - 3),
        side(true, box.bottom(), 1, box.left() + 3, box.right() - 3),
        side(false, box.left(), -1, box.top() + 3, box.bottom() - 3),
        side(false, box.right(), 1, box.top() + 3, box.bottom() - 3),
    };
    return *std::min_element(std::begin(sides), std::end(sides));
}

// Every control of the window that the keyboard can reach.
inline std::vector<QWidget*> Focusable(QWidget* window) {
    std::vector<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (widget->window() == window && widget->isVisibleTo(window) && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
            widget->focusProxy() == nullptr)
            controls.push_back(widget);
    return controls;
}

// Shows the window and expects a ring on 90 % or more of every side of each of its controls.
inline void ExpectRingsOnEveryControl(QWidget* window, const std::string& name) {
    window->show();
    window->activateWindow();
    QApplication::processEvents();
    const std::vector<QWidget*> controls = Focusable(window);
    EXPECT_FALSE(controls.empty()) << name;
    for (QWidget* control : controls)
        EXPECT_GE(FocusRing(window, control), 0.9)
            << name << " " << control->metaObject()->className() << " "
            << control->objectName().toStdString();
}
