// The contrast of two colours as people read them, from 1 (the same) to 21 (black on white):
// ordinary text wants 4.5 or more, a mark that is no text (a focus ring) 3 or more.
#pragma once

#include <QColor>
#include <cmath>

inline double Contrast(QColor a, QColor b) {
    auto luminance = [](QColor colour) {
        auto channel = [](double value) {
            value /= 255.0;
            return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
               0.0722 * channel(colour.blue());
    };
    const double la = luminance(a) + 0.05, lb = luminance(b) + 0.05;
    return la > lb ? la / lb : lb / la;
}
