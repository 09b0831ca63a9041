// A window that tells or asks the player something ignores the keyboard for a moment after it
// opens, so that a key already on its way to the console cannot answer it.
#pragma once

#include <QElapsedTimer>
#include <QObject>

class QWidget;

class KeyGrace : public QObject {
public:
    // A quarter of a second: quicker than anyone can see a new window, read it and press a key
    // for it, yet long enough to swallow the rest of a word being typed when the window came up
    // (a typist's keys follow each other at a tenth to a fifth of a second).
    static constexpr int kDefaultMilliseconds = 250;

    // Key presses meant for the window, or for any of its controls, are dropped until the grace
    // after it was shown has passed. The guard is a child of the window and ends with it.
    explicit KeyGrace(QWidget* window);
    ~KeyGrace() override;

    // The grace of the windows opened from now on (tests shorten it, or make it endless).
    static void SetMilliseconds(int milliseconds);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool MeantForTheWindow(QObject* watched) const;

    QWidget* window_;
    int milliseconds_;
    QElapsedTimer shown_;
};
