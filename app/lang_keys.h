// Every key the game looks up in a language file. The English file holds exactly these; a
// translation that lacks one shows the English text there.
#pragma once

#include <array>

inline constexpr std::array kLanguageKeys = {
    "str1", "str2", "str3", "str4", "str5", "str6", "str8", "str9", "str10", "str11", "str12",
    "str13", "str14", "str15", "str16", "str17", "str18", "str19", "str20", "str21", "str22",
    "str23", "str24", "str25", "str26", "str27", "str28", "str29", "str30", "str31", "str32",
    "str33", "str34", "str35", "str36", "str37", "str38", "str39", "str40", "str41", "str42",
    "str44", "str45", "str46", "str47", "str48", "str49", "str50", "str51", "str52", "str53",
    "str54", "str55", "str56", "str57", "str58", "str59", "str60", "str61", "str63", "str64",
    "str66", "str67", "str68", "str69", "str70", "str71", "str72", "str73", "str74", "str75",
    "str76", "str77", "str78", "str79", "str80", "str81", "str82", "str83", "str84", "str85",
    "str86", "str87", "str88", "str89", "str90", "str91", "str92", "str93", "str94", "str95",
    "str96", "str97", "str98", "str99", "str100", "str101", "str102", "str103", "str104", "str105",
    "str106", "str107", "str108", "str109", "str110", "str112", "str113", "str114", "str115",
    "str116", "str117", "str118", "str119", "str120", "str121", "str122", "str123", "str124",
    "str125", "str126", "str127", "str128", "str129", "str130", "str131", "str132", "str133",
    "str134", "str135", "str136", "str137", "str138", "str140", "str141", "str142", "str143",
    "str144", "str145", "str146", "str147", "str148", "str149", "str151", "str152"
};
