// A mission whose every field holds every byte value but CR and LF (which end lines): the
// fixture that shows whether a load and a save give back the bytes they were given.
#pragma once

#include <string>

inline std::string EveryByteMission(const std::string& fileName) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        if (byte != '\r' && byte != '\n') all += static_cast<char>(byte);
    // Each line starts with a letter, so none reads as a comment, a section end or a "0" entry.
    const std::string line = "x" + all + "\r\n";
    return fileName + "\r\n*EMAIL\r\n" + line + line + line + line + "*END\r\n" +
           "*INFECT_WITH_VIRUS\r\n 1 \r\n*END\r\n" + "*STEAL_FILE\r\n" + line + line + "*END\r\n" +
           "*DESTROY_FILE\r\n" + line + "*END\r\n" + "*FOLDER_STUCTURE\r\n--" + all + "\r\n+" +
           all + "\r\n--" + all + "\r\n*END\r\n" + "*TELNET_LOGIN_SCREEN\r\n" + line + line +
           "*END\r\n";
}
