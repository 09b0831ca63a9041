// What the console window shows, as the core tells it: the window binds these to its widgets.
// Every notification has an empty default, so a test can run the console without any window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/colour.h"

inline constexpr Colour kConsoleGreen = Rgb(0, 192, 0);
inline constexpr Colour kConnectedGrey = Rgb(192, 192, 192);
inline constexpr Colour kLoginScreenBlue = Rgb(128, 128, 255);

class ConsoleView {
public:
    virtual ~ConsoleView() = default;

    virtual void ShowWindow() {}
    virtual void TranscriptAppended(std::string_view /*added*/) {}
    virtual void TranscriptTruncated(std::size_t /*newLength*/) {}
    // The first lines of the transcript, these bytes, were dropped from the scrollback.
    virtual void TranscriptTrimmed(std::string_view /*removed*/) {}
    virtual void TranscriptReplaced(const std::string& /*text*/) {}
    virtual void InputEnabledChanged(bool /*enabled*/) {}
    virtual void TextColourChanged(Colour /*colour*/) {}
    virtual void CaptionChanged(const std::string& /*control*/, const std::string& /*text*/) {}
    virtual void VisibilityChanged(const std::string& /*control*/, bool /*visible*/) {}
    virtual void CaretToStart() {}
    virtual void FocusCommandLine() {}
};
