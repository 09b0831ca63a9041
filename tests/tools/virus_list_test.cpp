// The virus uploader's list: its length, the rows given word for word, the mass-mailer suffixes
// and the names in their order.
#include "tools/virus_list.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <utility>

namespace {

// The names in list order; * marks a mass mailer, whose suffix follows the name directly.
constexpr std::string_view kNames[] = {
    "AntiEXE",
    "Backdoor.Orifice2k",
    "Backdoor.sadmind",
    "Backdoor.smorph",
    "Backdoor.subseven",
    "Bonzi Buddy",
    "Backdoor.Trojan",
    "BAT.Chode.Worm",
    "Code Red",
    "Download.Trojan",
    "Trojan.beard",
    "Count2k",
    "Divine.Trojan",
    "ExploreZip.worm",
    "FunLove",
    "HAPPY99",
    "JS.Exception.Exploit",
    "KeyPanic.Trojan",
    "Linux.Ramen.Worm",
    "O97M.Tristate",
    "One_half",
    "PWS.Cain.dr",
    "VBS/Bubbleboy",
    "VBS.Freelink",
    "VBS.Homepage",
    "VBS.Haptime.A*",
    "VBS.Loveletter",
    "VBS.NewLove",
    "VBS.SST*",
    "VBS.Stages.a",
    "VBS.VBSWG.AQ*",
    "W95.Chernobyl",
    "W32.aliz.worm",
    "W32.badtrans.13312*",
    "W32.badtrans.b*",
    "W32.Beagle.A*",
    "W32.Beagle.J*",
    "W32.Beagle.N*",
    "W32.Beagle.AG*",
    "W32.Blast.worm",
    "W32.Brid.a",
    "W32.Bugbear.A*",
    "W32.Bugbear.B*",
    "W32.Elkern.3326",
    "W32.Elkern.4926",
    "W32.HLLW.Lovgate.x*",
    "W32.Frethem.K*",
    "W32.Friendgreet.worm",
    "W32.FunLove.4099",
    "W32.Gibe.a*",
    "W32.Gnuman.worm",
    "W32.Goner.a*",
    "W32.HLLW.Bymer",
    "W32.Hybris",
    "W32.Kitro.D.worm",
    "W32.Klez.E*",
    "W32.Klez.H*",
    "W32.Magister.24876",
    "W32.Mimail.A*",
    "W32.Mydoom.a*",
    "W32.Mydoom.B*",
    "W32.Naked*",
    "W32.Navidad",
    "W32.Navidad.16896",
    "W32.NetSky.B*",
    "W32.NetSky.C*",
    "W32.NetSky.P*",
    "W32.Nimda.A*",
    "W32.Nimda.E*",
    "W32.Novarg.a*",
    "W32.HLLW.Oror.B*",
    "W32.PrettyPark.Worm",
    "W32.Prolin.Worm",
    "W32.Sircam.worm",
    "W32.Swen.A*",
    "W32.Ska",
    "W32.SoBig.B*",
    "W32.SoBig.E*",
    "W32.SoBig.F*",
    "W32.SQLExp.Worm",
    "W32.Welchia.worm",
    "W32.Vote.A*",
    "W32.Vote.B*",
    "W32.Yarner.A*",
    "W95.MTX",
    "W97M.Beast",
    "W97M.buendi",
    "W97M.Chack",
    "W97M.Class",
    "W97M.Ethan.a",
    "W97M.IJK",
    "W97M.IRCJack.a",
    "W97M.Marker",
    "W97M.Melissa",
    "W97M.Melissa.U",
    "W97M.Melissa.V",
    "W97M.Melissa.W",
    "W97M.Prilissa",
    "W97M.proteced",
    "W97M.Story.gen",
    "W97M.Suppl",
    "W97M.Swlabs.v",
    "W97M.Thus.A",
    "W97M.Titch.D",
    "W97M.Verlor.A",
    "W97M.VMPCK1.BK",
    "Worm.ExploreZip(pack)",
    "Wscript.Kakworm.a",
    "X97M.Laroux.cf",
};
// A row left out of the list would leave an empty row at its end, which the name check catches.
static_assert(std::size(kNames) == kVirusCount);

// What a row begins with: the name, with a mass mailer's suffix in one of its three spellings.
std::string Prefix(std::string_view name) {
    if (!name.ends_with('*')) return std::string(name);
    name.remove_suffix(1);
    static const std::set<std::string_view> upperCase = {
        "W32.HLLW.Lovgate.x", "W32.Frethem.K", "W32.Klez.E", "W32.Klez.H",
        "W32.SoBig.B",        "W32.SoBig.E",   "W32.SoBig.F"};
    static const std::set<std::string_view> withBlank = {"W32.Mydoom.a", "W32.Novarg.a"};
    const char* suffix = upperCase.contains(name)   ? "@MM"
                         : withBlank.contains(name) ? "@ mm"
                                                    : "@mm";
    return std::string(name) + suffix;
}

// Rows that run the name straight into the kind, without " - " between them.
const std::set<std::string_view> kNameRunsIntoKind = {"HAPPY99", "JS.Exception.Exploit",
                                                      "W32.aliz.worm", "W32.Kitro.D.worm"};

TEST(VirusList, HoldsTheGivenRowsWordForWord) {
    const std::pair<std::size_t, std::string_view> given[] = {
        {1, "AntiEXE - boot sector virus - needs special cleanup procedure."},
        {5,
         "Backdoor.subseven - trojan - Allows hackers access to your PC - which in this case "
         "has actually happened."},
        {6, "Bonzi Buddy - not a virus - but an annoying broken program."},
        {16, "HAPPY99 worm/virus - also call W32Ska - clogs up email systems."},
        {32, "W95.Chernobyl - W95.CIH - dangerous virus -"},
        {33, "W32.aliz.worm -worm / virus"},
        {109, "X97M.Laroux.cf - virus - infects PowerPoint documents"},
    };
    for (const auto& [position, row] : given) EXPECT_EQ(VirusList()[position - 1], row) << position;
}

TEST(VirusList, EveryRowStartsWithItsNameInTheGivenOrder) {
    for (std::size_t i = 0; i < kVirusCount; ++i) {
        const std::string_view row = VirusList()[i];
        const std::string prefix = Prefix(kNames[i]);
        SCOPED_TRACE(testing::Message() << "row " << i + 1 << ": " << row);
        EXPECT_TRUE(row.starts_with(prefix + " ")) << prefix;
        // The name is the whole text before the first " - ", so a longer name cannot hide a
        // shorter one (W97M.Melissa before W97M.Melissa.U).
        if (!kNameRunsIntoKind.contains(kNames[i])) {
            EXPECT_EQ(row.find(" - "), prefix.size());
        }
    }
}

TEST(VirusList, OnlyTheMassMailersCarryTheSuffix) {
    int massMailers = 0;
    for (std::size_t i = 0; i < kVirusCount; ++i) {
        const bool marked = kNames[i].ends_with('*');
        massMailers += marked;
        EXPECT_EQ(VirusList()[i].find('@') != std::string_view::npos, marked) << VirusList()[i];
    }
    EXPECT_EQ(massMailers, 35);
    const std::pair<std::size_t, std::string_view> spellings[] = {
        {26, "VBS.Haptime.A@mm - "}, {46, "W32.HLLW.Lovgate.x@MM - "}, {79, "W32.SoBig.F@MM - "},
        {60, "W32.Mydoom.a@ mm - "}, {70, "W32.Novarg.a@ mm - "},      {84, "W32.Yarner.A@mm - "},
    };
    for (const auto& [position, start] : spellings)
        EXPECT_TRUE(VirusList()[position - 1].starts_with(start)) << VirusList()[position - 1];
}

TEST(VirusList, TwoRowsRunTwoDescriptionsTogether) {
    EXPECT_NE(VirusList()[8].find("web servers.Code Red II - worm/virus - "),
              std::string_view::npos)
        << VirusList()[8];
    EXPECT_NE(VirusList()[13].find(".ExploreZip.worm.pak - worm - "), std::string_view::npos)
        << VirusList()[13];
}

}  // namespace
