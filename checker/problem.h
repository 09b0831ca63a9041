// A problem the pack checker reports: where it is, how bad, and what it is.
#pragma once

#include <string>

struct Problem {
    std::string file;  // the mission file's name, as in the pack folder
    int line = 1;      // 0 for problems of the whole file or pack
    bool error = true;  // else a warning
    std::string text;

    // "m3.zdl:12: error: unknown placeholder {atack_ip}". A control character quoted from the
    // file shows as \xNN, so that a problem stays one line of output.
    std::string Text() const {
        std::string shown;
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x20 && byte != 0x7F) {
                shown += c;
                continue;
            }
            static const char* const kHex = "0123456789ABCDEF";
            shown += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
        }
        return file + ":" + (line > 0 ? std::to_string(line) + ":" : std::string()) + " " +
               (error ? "error" : "warning") + ": " + shown;
    }
};
