// What screen readers are told about the game's windows: the console box is a terminal, whose
// output they speak as it arrives; a window leaves its decoration out; the label buttons are
// buttons and the progress pictures progress bars.
#pragma once

class QWidget;

// Makes the game's descriptions known to Qt's accessibility; called before the first window.
void InstallGameAccessibility();

// A widget that only decorates (a "::" label, a line, a logo): screen readers never hear of it.
void MarkDecorative(QWidget* widget);
// A container that only draws a frame around its content: screen readers find the content
// directly in the window, as if the container were not there.
void MarkSeeThrough(QWidget* widget);
// A picture that shows a progress bar, and the percentage it shows now. A change of the
// percentage is announced.
void MarkProgress(QWidget* picture, int percent);
