// The pages of the scores server.
#include "scores_service.h"

#include <algorithm>
#include <ctime>

#include "app/qt_text.h"
#include "mission/highscore_data.h"

namespace {

const char* const kStyle =
    "body{background:#000;color:#0f0;font-family:monospace;margin:2em;max-width:60em}"
    "h1{font-size:1.6em}a{color:#8f8}table{border-collapse:collapse;margin:1em 0}"
    "th,td{border:1px solid #070;padding:.25em .75em;text-align:right}"
    "td.handle,th.handle{text-align:left;white-space:pre}tr.you{background:#030;font-weight:bold}"
    "p.rule{color:#8c8}";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Percent escapes become their bytes; a "%" without two hex digits stays itself (a handle sent
// as it stands may hold one), and so does "+", which the game writes as "%2B".
std::string PercentDecode(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() &&
            HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            bytes += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

std::string Utc(long long micros) {
    const std::time_t seconds = static_cast<std::time_t>(micros / 1000000);
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &parts);
    return text;
}

std::string Page(const std::string& title, const std::string& content) {
    return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width\"><title>" +
           EscapeHtml(title) + "</title><style>" + kStyle + "</style></head><body><h1>" +
           EscapeHtml(title) + "</h1>\n" + content + "</body></html>\n";
}

std::string Table(const std::vector<ScoreRow>& rows, const std::string& highlight) {
    if (rows.empty()) return "<p>No results yet.</p>\n";
    std::string html =
        "<table><thead><tr><th>Rank</th><th class=\"handle\">Handle</th><th>Missions</th>"
        "<th>Busts</th><th>Play time</th><th>Saves</th><th>Submitted</th></tr></thead><tbody>\n";
    for (const ScoreRow& row : rows) {
        html += row.handle == highlight ? "<tr class=\"you\">" : "<tr>";
        html += "<td>" + std::to_string(row.rank) + "</td><td class=\"handle\">" +
                EscapeHtml(row.handle) + "</td><td>" + std::to_string(row.missionsCompleted) +
                "</td><td>" + std::to_string(row.bustedCount) + "</td><td>" +
                PlayTime(row.playSeconds) + "</td><td>" + std::to_string(row.saveCount) +
                "</td><td>" + Utc(row.submittedMicros) + "</td></tr>\n";
    }
    return html + "</tbody></table>\n";
}

std::string RuleParagraph() {
    return std::string("<p class=\"rule\">Ranking: ") + EscapeHtml(ScoreStore::RankingRule()) +
           "</p>\n";
}

}  // namespace

std::string EscapeHtml(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            case '\'': escaped += "&#39;"; break;
            default: escaped += c;
        }
    }
    return escaped;
}

std::string EscapeJson(const std::string& text) {
    static const char* const kHex = "0123456789abcdef";
    std::string escaped;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            escaped += '\\';
            escaped += c;
        } else if (byte < 0x20 || c == '<' || c == '>' || c == '&') {
            // Also the characters HTML gives meaning to, so the JSON is safe inside a page.
            escaped += "\\u00";
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 15];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string HandleToUtf8(const std::string& bytes) { return ToQString(bytes).toStdString(); }

std::string PlayTime(long long seconds) {
    char text[48];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

const char* ScoresService::ContentSecurityPolicy() {
    return "default-src 'none'; style-src 'unsafe-inline'; base-uri 'none'; form-action 'none'; "
           "frame-ancestors 'none'";
}

ScoresService::ScoresService(ScoreStore& store, ScoresLimits limits)
    : store_(store), limits_(limits) {}

ScoresReply ScoresService::Get(const std::string& target, const std::string& client,
                               long long nowMicros) {
    if (target.size() > limits_.targetBytes)
        return Problem(414, "Address too long", "The address of this request is too long.");
    const std::size_t mark = target.find('?');
    const std::string path = target.substr(0, mark);
    const std::string query = mark == std::string::npos ? "" : target.substr(mark + 1);
    if (path == "/zindrel/" || path == "/zindrel") return Submission(query, client, nowMicros);
    if (path == "/" || path == "/index.html") return Leaderboard();
    if (path == "/scores.json") return Json();
    return Problem(404, "Not found", "There is no page at this address.");
}

ScoresReply ScoresService::Problem(int status, const std::string& title, const std::string& text) {
    ScoresReply reply;
    reply.status = status;
    reply.body = Page(title, "<p>" + EscapeHtml(text) + "</p>\n<p><a href=\"/\">The highscore "
                                                         "list</a></p>\n");
    return reply;
}

bool ScoresService::Allow(const std::string& client, long long nowMicros) {
    if (limits_.submissionsPerMinute <= 0) return true;
    std::lock_guard lock(limiterMutex_);
    const long long minute = nowMicros / 60000000;
    if (minute != limiterMinute_ || submissionsThisMinute_.size() >= limits_.trackedAddresses) {
        limiterMinute_ = minute;
        submissionsThisMinute_.clear();
    }
    return ++submissionsThisMinute_[client] <= limits_.submissionsPerMinute;
}

ScoresReply ScoresService::Submission(const std::string& query, const std::string& client,
                                      long long now) {
    std::map<std::string, std::string> fields;
    std::size_t start = 0;
    bool wellFormed = !query.empty();
    while (wellFormed && start <= query.size()) {
        const std::size_t end = std::min(query.find('&', start), query.size());
        const std::string piece = query.substr(start, end - start);
        const std::size_t equals = piece.find('=');
        const std::string key = piece.substr(0, equals);
        // Only the three keys, each once: anything else means a handle sent as it stands held
        // an "&" or an "=", and then where it ends cannot be told.
        if (equals == std::string::npos || (key != "zdl" && key != "h" && key != "data") ||
            fields.count(key))
            wellFormed = false;
        else
            fields[key] = piece.substr(equals + 1);
        start = end + 1;
    }
    if (!wellFormed || fields.size() != 3 || fields["zdl"] != "zdlscore")
        return Problem(400, "Not a highscore submission",
                       "This address is not a highscore submission of the game.");
    const std::string handle = PercentDecode(fields["h"]);
    const std::string& data = fields["data"];
    const bool handleFits =
        !handle.empty() && handle.size() <= limits_.handleBytes &&
        std::none_of(handle.begin(), handle.end(), [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return byte < 0x20 || byte == 0x7F || c == '.';
        });
    if (!handleFits)
        return Problem(400, "Not a handle",
                       "The handle of this submission is not one the game accepts (1 to 10 "
                       "characters, no dot).");
    if (data.size() > limits_.dataBytes)
        return Problem(400, "Not a highscore submission", "The data of this submission is too long.");
    if (!Allow(client, now))
        return Problem(429, "Too many submissions",
                       "This address has sent too many submissions this minute. Try again later.");
    const DecodedHighscore decoded = DecodeHighscoreData(handle, data);
    switch (decoded.problem) {
        case HighscoreProblem::kNone: break;
        case HighscoreProblem::kMalformed:
            return Problem(400, "Not a highscore submission",
                           "The data of this submission cannot be read.");
        case HighscoreProblem::kVersion:
            return Problem(400, "Another game version",
                           "This submission comes from a version of the game this list does not "
                           "take (it takes 1.21).");
        case HighscoreProblem::kCheck:
            return Problem(400, "Check value wrong",
                           "The check value of this submission does not match its results, so it "
                           "was not stored.");
    }
    ScoreRow row;
    row.handle = HandleToUtf8(handle);
    row.missionsCompleted = decoded.result.missionsCompleted;
    row.playSeconds = decoded.result.playSeconds;
    row.bustedCount = decoded.result.bustedCount;
    row.saveCount = decoded.result.saveCount;
    row.submittedMicros = now;
    const std::optional<ScoreRow> kept = store_.Submit(row) ? store_.Find(row.handle) : std::nullopt;
    if (!kept)
        return Problem(503, "Not stored", "The list cannot store results just now. Try again later.");

    const long long total = store_.Count();
    std::string content =
        "<p>Received for <strong class=\"handle\">" + EscapeHtml(row.handle) + "</strong>: " +
        std::to_string(row.missionsCompleted) + " missions completed, " +
        std::to_string(row.bustedCount) + " busts, play time " + PlayTime(row.playSeconds) +
        ", " + std::to_string(row.saveCount) + " saves.</p>\n";
    const bool same = kept->missionsCompleted == row.missionsCompleted &&
                      kept->bustedCount == row.bustedCount && kept->playSeconds == row.playSeconds;
    if (!same)
        content += "<p>Your best result stays on the list: " +
                   std::to_string(kept->missionsCompleted) + " missions, " +
                   std::to_string(kept->bustedCount) + " busts, play time " +
                   PlayTime(kept->playSeconds) + ".</p>\n";
    content += "<p id=\"rank\">Rank " + std::to_string(kept->rank) + " of " +
               std::to_string(total) + "</p>\n";
    content += Table(store_.Ranked(std::max(kept->rank - 5, 1LL), 11), row.handle);
    content += RuleParagraph() + "<p><a href=\"/\">The whole list</a></p>\n";
    ScoresReply reply;
    reply.body = Page("Highscore received", content);
    return reply;
}

ScoresReply ScoresService::Leaderboard() {
    ScoresReply reply;
    reply.body = Page("Zindrel highscores",
                      RuleParagraph() + Table(store_.Ranked(1, 100), std::string()) +
                          "<p>The best 100 results. <a href=\"/scores.json\">As JSON</a></p>\n");
    return reply;
}

ScoresReply ScoresService::Json() {
    ScoresReply reply;
    reply.contentType = "application/json";
    reply.body = std::string("{\"ranking\":\"") + EscapeJson(ScoreStore::RankingRule()) +
                 "\",\"scores\":[";
    bool first = true;
    for (const ScoreRow& row : store_.Ranked(1, 100)) {
        reply.body += first ? "\n" : ",\n";
        first = false;
        reply.body += "{\"rank\":" + std::to_string(row.rank) + ",\"handle\":\"" +
                      EscapeJson(row.handle) + "\",\"missions\":" +
                      std::to_string(row.missionsCompleted) +
                      ",\"busts\":" + std::to_string(row.bustedCount) +
                      ",\"playSeconds\":" + std::to_string(row.playSeconds) +
                      ",\"saves\":" + std::to_string(row.saveCount) + ",\"submitted\":\"" +
                      Utc(row.submittedMicros) + "\"}";
    }
    reply.body += "\n]}\n";
    return reply;
}
