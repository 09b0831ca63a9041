// Converting the game's single-byte Windows-1252 texts to and from Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

QString ToQString(std::string_view bytes);
// Every byte comes back as it went in (the five undefined ones as their C1 control characters);
// other characters outside the code page become '?'.
std::string FromQString(const QString& text);
char ToCodePage(QChar character);
// A text of the game as a text box shows it: CR LF, or a CR alone, is one line break.
QString ForDisplay(std::string_view bytes);
