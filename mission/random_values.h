// The random address, port, login and password a mission's placeholders draw.
#pragma once

#include <cstdint>
#include <string>

class Platform;

// Four numbers 1 to 254, joined by dots, without leading zeros.
std::string RandomIp(Platform& platform);
// 2000 to 3999.
std::int16_t RandomPort(Platform& platform);
// From the login and password tables; slot 0 is never chosen, and the first and last slots
// drawn come up half as often as the others.
std::string RandomLogin(Platform& platform);
std::string RandomPassword(Platform& platform);

// Where the mission names no password, the target has this one.
inline constexpr const char* kDefaultPassword = "plonkit4";
