#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "presentation/console_memory.h"
#include "presentation/console_sound.h"

namespace vrk {
namespace {

struct RecordingPlayer final : SoundPlayer {
    std::vector<std::string> wavs, midis;
    int stops = 0;
    void playWav(const std::string& path) override { wavs.push_back(path); }
    void playMidi(const std::string& path) override { midis.push_back(path); }
    void stopMidi() override { ++stops; }
};

// The game's sounds on the console: an effect plays one of its files and
// pauses; the anthem plays until a key; a missing file is silence.
TEST(ConsoleSound, EffectsAndAnthem) {
    namespace fs = std::filesystem;
    const fs::path home = fs::temp_directory_path() / ("vrk_sound_" + std::to_string(getpid()));
    fs::create_directories(home);
    for (const char* name : {"3017.wav", "37979.wav", "usan.mid"})
        std::ofstream(home / name) << "x";

    MemoryConsole console(24, 80);
    RecordingPlayer player;
    SoundSettings settings;
    settings.homeFolder = home.string();
    ConsoleSound sound(console, player, settings, 11);
    sound.effect(2);
    ASSERT_EQ(player.wavs.size(), 1u);
    const std::string chosen = fs::path(player.wavs[0]).filename().string();
    EXPECT_TRUE(chosen == "3017.wav" || chosen == "37979.wav") << chosen;
    EXPECT_EQ(console.sleptMs(), 400);

    sound.wav("missing.wav");
    EXPECT_EQ(player.wavs.size(), 1u);

    console.pushKey(" ");
    sound.anthem("usan.mid");
    EXPECT_EQ(player.midis.size(), 1u);
    EXPECT_EQ(player.stops, 1);
    EXPECT_EQ(console.keysLeft(), 0u);
    sound.anthem("canada.mid");  // not there: no wait for a key
    EXPECT_EQ(console.dryReads(), 0);
    fs::remove_all(home);
}

}  // namespace
}  // namespace vrk
