// The play state of the game and of the current mission, shared by every subsystem.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The player's own address: the "{own_ip}" value, the name of the connection log on every
// target, what the trace reveals, and by its length the trace limit.
inline constexpr std::string_view kOwnIp = "192.168.010.001";

struct GameState {
    // Player, pack and score.
    std::string HackerHandle;
    std::string MissionPackName;
    std::int16_t MissionCount = 0;
    std::int16_t MissionsCompleted = 0;
    std::int16_t BustedCount = 0;
    std::int32_t PlaySeconds = 0;
    std::int16_t SaveCount = 0;

    // Connection and trace.
    bool Connected = false;
    bool TelnetSessionOpen = false;
    bool TargetPinged = false;
    std::int16_t TraceProgress = 0;
    bool SirenPlayed = false;
    bool LogDeleted = false;

    // Mission data.
    std::string AttackIp;
    std::int16_t AttackPort = 0;
    std::string MissionLogin;
    std::string MissionPassword;
    std::string MailSubject;
    std::string MailFrom;
    std::string MailBody;
    std::string TelnetLoginScreen;
    bool ObjectiveInfect = false;
    bool ObjectiveSteal = false;
    std::vector<std::string> FilesToSteal;
    bool ObjectiveDestroy = false;
    std::vector<std::string> FilesToDestroy;

    // Progress within a mission.
    bool VirusUploaded = false;
    bool MissionSuccess = false;

    // Windows and messages.
    bool VirusWindowOpen = false;
    bool DownloadWindowOpen = false;
    bool WiperWindowOpen = false;
    bool PasswordHackWindowOpen = false;
    bool MessageWindowOpen = false;
    std::string MessageText;
    std::string QueuedCommand;
};
