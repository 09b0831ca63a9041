// What every window of the game shares on screen: the green look, the "Z" icon, named labels
// and the "X" label that closes a window.
#pragma once

#include <QString>
#include <functional>

class ClickableLabel;
class QBoxLayout;
class QImage;
class QLabel;
class QPixmap;
class QWidget;

// A pixmap of the given size in window units that holds as many pixels as the screen shows
// there: painted in window units, a picture stays sharp on a scaled screen.
QPixmap SharpPixmap(int width, int height);

// A picture whose every pixel counts (a progress bar) as the screen shows it: each pixel
// becomes a block of the screen's pixels, hard-edged, never smoothed into its neighbours.
QPixmap BlockScaled(const QImage& image, double devicePixelRatio);

// The style rules of the labels every window has: plain labels, the title and the close label.
QString ChromeStyle();

// The look of the system's Yes/No and OK boxes: the game's dark colours, readable whatever the
// window they belong to.
QString SystemBoxStyle();

// The small "Z" icon of the title bars.
QPixmap ZdlIcon();

// A label carrying the given object name.
QLabel* AddNamedLabel(QWidget* parent, const char* name, const QString& text = {});

// The title label "mainlabel", centred in the row.
QLabel* AddTitleLabel(QWidget* parent, QBoxLayout* row, const QString& title);

// The close label "topright_" at the end of the row.
ClickableLabel* AddCloseLabel(QWidget* parent, QBoxLayout* row, std::function<void()> onClick);
