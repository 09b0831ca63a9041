// Encoding the results and building the highscore address.
#include "highscore.h"

#include <algorithm>

#include "app/game.h"

namespace {

bool IsLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// A host name of labels of letters, digits and inner hyphens, or an IPv6 address in brackets.
bool IsHost(std::string_view host) {
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        return host.substr(1, host.size() - 2).find_first_not_of("0123456789abcdefABCDEF:.") ==
               std::string_view::npos;
    if (host.empty() || host.size() > 253) return false;
    std::size_t start = 0;
    while (start <= host.size()) {
        const std::size_t end = std::min(host.find('.', start), host.size());
        const std::string_view label = host.substr(start, end - start);
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-')
            return false;
        for (char c : label)
            if (!IsLetterOrDigit(c) && c != '-') return false;
        start = end + 1;
    }
    return true;
}

// A path of unreserved characters, slashes and percent escapes: nothing that could end the path
// and begin a query or a fragment.
bool IsPath(std::string_view path) {
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char c = path[i];
        if (IsLetterOrDigit(c) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~')
            continue;
        if (c == '%' && i + 2 < path.size() && IsHexDigit(path[i + 1]) && IsHexDigit(path[i + 2])) {
            i += 2;
            continue;
        }
        return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> HighscoreBase(std::string_view address) {
    std::string_view rest = address;
    std::string scheme;
    for (const char* known : {"http://", "https://"}) {
        const std::string_view prefix(known);
        if (rest.size() >= prefix.size() &&
            std::equal(prefix.begin(), prefix.end(), rest.begin(),
                       [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b + 32 : b); }))
            scheme = known;
    }
    if (scheme.empty()) return std::nullopt;
    rest.remove_prefix(scheme.size());
    const std::size_t slash = std::min(rest.find('/'), rest.size());
    std::string_view authority = rest.substr(0, slash), path = rest.substr(slash);
    // The port follows the last colon outside the brackets of an IPv6 address.
    const std::size_t colon = authority.rfind(':');
    if (colon != std::string_view::npos && authority.find(']', colon) == std::string_view::npos) {
        const std::string_view port = authority.substr(colon + 1);
        if (port.empty() || port.size() > 5 ||
            port.find_first_not_of("0123456789") != std::string_view::npos ||
            std::stoi(std::string(port)) < 1 || std::stoi(std::string(port)) > 65535)
            return std::nullopt;
        authority = authority.substr(0, colon);
    }
    if (!IsHost(authority) || !IsPath(path)) return std::nullopt;
    std::string base = scheme + std::string(rest);
    while (base.ends_with('/')) base.pop_back();
    return base;
}

std::string HighscoreAddress(const std::string& host, const std::string& handle,
                             const std::string& data) {
    std::string encodedHandle;
    static const char* const kHex = "0123456789ABCDEF";
    for (char c : handle) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                (byte >= '0' && byte <= '9') || c == '-' || c == '_' || c == '.' ||
                                c == '~';
        if (unreserved) {
            encodedHandle += c;
        } else {
            encodedHandle += '%';
            encodedHandle += kHex[byte >> 4];
            encodedHandle += kHex[byte & 15];
        }
    }
    std::string base = host;
    while (base.ends_with('/')) base.pop_back();
    return base + "/zindrel/?zdl=zdlscore&h=" + encodedHandle + "&data=" + data;
}

void SubmitHighscore(Game& game) {
    if (!game.platform.AskYesNo(game.LangString("str46"),
                                game.LangString("str44") + "\r\n" + game.LangString("str45")))
        return;
    const GameState& state = game.state;
    const std::string data = HighscoreData(state.HackerHandle, state.MissionsCompleted,
                                           state.PlaySeconds, state.BustedCount, state.SaveCount);
    game.platform.OpenWebAddress(HighscoreAddress(game.highscoreHost, state.HackerHandle, data));
}
