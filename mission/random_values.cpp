// Drawing a target's random values.
#include "random_values.h"

#include <cmath>

#include "app/platform.h"

namespace {

constexpr const char* kLogins[11] = {"root",          "noname", "anonymous", "god",
                                     "administrator", "admin",  "master",    "zobix",
                                     "bravix",        "test",   ""};
constexpr const char* kPasswords[11] = {"wexrum",    "plonkit4", "bravix", "6093",
                                        "mornute",   "quindlet", "tavrop", "ifeedmyyaks",
                                        "oprel5719", "zobix",    ""};

// The fraction scaled to 1 to 9, rounded to the nearest whole number with halves to even.
std::size_t TableIndex(Platform& platform) {
    return static_cast<std::size_t>(std::nearbyint(platform.RandomFraction() * 8 + 1));
}

}  // namespace

std::string RandomIp(Platform& platform) {
    std::string address;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) address += ".";
        address += std::to_string(static_cast<int>(platform.RandomFraction() * 254 + 1));
    }
    return address;
}

std::int16_t RandomPort(Platform& platform) {
    return static_cast<std::int16_t>(platform.RandomFraction() * 2000 + 2000);
}

std::string RandomLogin(Platform& platform) {
    return kLogins[TableIndex(platform)];
}

std::string RandomPassword(Platform& platform) {
    return kPasswords[TableIndex(platform)];
}
