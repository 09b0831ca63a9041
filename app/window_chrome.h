// What every window of the game shares on screen: the green look, the "Z" icon, named labels
// and the "X" label that closes a window.
#pragma once

#include <QString>
#include <functional>

class ClickableLabel;
class QBoxLayout;
class QColor;
class QImage;
class QLabel;
class QPainter;
class QPixmap;
class QRect;
class QWidget;

// A pixmap of the given size in window units that holds as many pixels as the screen shows
// there: painted in window units, a picture stays sharp on a scaled screen.
QPixmap SharpPixmap(int width, int height);

// A picture whose every pixel counts (a progress bar) as the screen shows it: each pixel
// becomes a block of the screen's pixels, hard-edged, never smoothed into its neighbours.
QPixmap BlockScaled(const QImage& image, double devicePixelRatio);

// Where the keyboard is, in every window: a ring two pixels wide in the brightest green, which
// stands out from the dark backgrounds, the dark green frames and the text alike.
QColor FocusRingColour();
constexpr int kFocusRingWidth = 2;
// The ring drawn just inside the given rectangle.
void DrawFocusRing(QPainter& painter, const QRect& rect);
// Style rules that give the named kinds of control the ring while they have the focus. Each
// selector is written as the window's other rules name the control, so the ring outranks its
// plain border; a control without the focus keeps a margin where the ring goes, so nothing moves.
QString FocusRingStyle(const QString& selectors);

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
