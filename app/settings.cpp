// Reading and writing the settings file.
#include "settings.h"

#include <cmath>
#include <stdexcept>

#include "file_routines.h"
#include "text_helpers.h"

namespace {

std::filesystem::path SettingsFile(const std::filesystem::path& folder) {
    return folder / "Zindrel.ini";
}

// The first line is a delimited field: leading blanks skipped, ended by a comma or the line's
// end, surrounding double quotes removed.
std::string DelimitedField(const std::string& line) {
    std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) return "";
    if (line[start] == '"') {
        const std::size_t close = line.find('"', start + 1);
        return line.substr(start + 1,
                           close == std::string::npos ? std::string::npos : close - start - 1);
    }
    std::string field = line.substr(start, line.find(',', start) - start);
    field.erase(field.find_last_not_of(" \t") + 1);
    return field;
}

}  // namespace

std::int16_t LeadingNumber16(const std::string& text) {
    // Conversion to a whole number rounds halves to even.
    const double value = std::nearbyint(LeadingNumber(text));
    if (value < -32768.0 || value > 32767.0) throw std::out_of_range("not a 16-bit number");
    return static_cast<std::int16_t>(value);
}

Settings LoadSettings(const std::filesystem::path& folder, const FileStore& files) {
    try {
        LineReader reader = files.Open(SettingsFile(folder));
        Settings settings;
        settings.Language = DelimitedField(ReadLine(reader));
        settings.SoundOn = LeadingNumber16(ReadLine(reader));
        settings.TypeSoundOn = LeadingNumber16(ReadLine(reader));
        return settings;
    } catch (const std::exception&) {
        return Settings{};
    }
}

bool SaveSettings(const std::filesystem::path& folder, const Settings& settings,
                  FileStore& files) {
    const std::string bytes = settings.Language + std::string(kCrLf) +
                              PrintNumber(settings.SoundOn) + std::string(kCrLf) +
                              PrintNumber(settings.TypeSoundOn) + std::string(kCrLf);
    return files.Write(SettingsFile(folder), bytes);
}
