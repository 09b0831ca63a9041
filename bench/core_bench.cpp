// What the game core costs without any window: a language lookup, and the whole example pack
// played through on the virtual clock.
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "harness/test_game.h"

namespace {

// One text looked up in the shipped English file: an early key and one near the file's end.
void LangLookup(benchmark::State& state) {
    TestGame test;
    const std::string key = "str" + std::to_string(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(test.Lang(key));
}
BENCHMARK(LangLookup)->Arg(15)->Arg(148)->Unit(benchmark::kMicrosecond);

// The example pack from the intro to the closing summary, every mission done by typed
// commands, as a player who knows the way would do it.
void PlayMission(TestGame& test, int mission) {
    test.platform.Pause(5000);
    test.Console().ButtonClick("butemail");
    const GameState& game = test.game->state;
    test.TypeCommand("dir");
    test.TypeCommand("ping " + game.AttackIp);
    test.TypeCommand("telnet " + game.AttackIp + " " + std::to_string(game.AttackPort));
    test.TypeCommand(game.MissionLogin);
    test.TypeCommand(game.MissionPassword);
    test.TypeCommand("dir");
    test.TypeCommand("cd TelnetLogs");
    test.TypeCommand("del 192.168.010.001");
    test.TypeCommand("disconnect");
    if (game.MissionsCompleted != mission) throw std::runtime_error("a mission was not done");
}

void ExamplePackPlay(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto test = std::make_unique<TestGame>();
        test->folder.CopyFromData("MissionPack/Rookie");
        test->folder.CopyFromData("Sound");
        test->folder.CopyFromData("FileSystem/defaultfs.zdl");
        state.ResumeTiming();

        test->StartConsole("neo", "Rookie");
        const int missions = test->game->state.MissionCount;
        try {
            for (int mission = 1; mission <= missions; ++mission) PlayMission(*test, mission);
            test->platform.Pause(5000);
            state.SkipWithError("the pack did not end");
            break;
        } catch (const ProgramEnded&) {
            // The closing summary ends the program, as it should.
        } catch (const std::exception& error) {
            state.SkipWithError(error.what());
            break;
        }

        state.PauseTiming();
        test.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(ExamplePackPlay)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
