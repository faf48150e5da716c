#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "presentation/sound_effects.h"

namespace vrk {
namespace {

struct RecordingPlayer : SoundPlayer {
    void playWav(const std::string& path) override { wavs.push_back(path); }
    void playMidi(const std::string& path) override { midis.push_back(path); }
    void stopMidi() override { ++stops; }
    std::vector<std::string> wavs, midis;
    int stops = 0;
};

class SoundFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("vrk_sound_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
        for (const char* name : {"3017.wav", "37979.wav", "4540.WAV", "usan.mid"})
            std::ofstream(dir_ / name) << "RIFF";
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string home() const { return dir_.string(); }
    std::filesystem::path dir_;
};

TEST_F(SoundFolder, SoundOffPlaysNothingAndDoesNotPause) {
    RecordingPlayer player;
    Rng rng(7), untouched(7);
    int paused = 0;
    const SoundSettings off{false, home(), ""};
    for (int effect = 1; effect <= kSoundEffectCount; ++effect)
        EXPECT_EQ(playSoundEffect(effect, off, player, rng, [&](int ms) { paused += ms; }), "");
    EXPECT_TRUE(player.wavs.empty());
    EXPECT_EQ(paused, 0);
    EXPECT_EQ(rng.draw(), untouched.draw());  // no draw was spent

    // With sound on: a pause of 400 ms per effect, whether or not the chosen
    // file exists; only existing files reach the player.
    const SoundSettings on{true, home(), ""};
    int played = 0;
    for (int i = 0; i < 40; ++i) {
        const std::string name = playSoundEffect(2, on, player, rng, [&](int ms) { paused += ms; });
        EXPECT_TRUE(name == "3017.wav" || name == "37979.wav") << name;
        ++played;
    }
    EXPECT_EQ(paused, 400 * played);
    EXPECT_EQ(player.wavs.size(), 40u);
    EXPECT_EQ(std::filesystem::path(player.wavs[0]).parent_path(), dir_);

    player.wavs.clear();
    for (int i = 0; i < 20; ++i) playSoundEffect(10, on, player, rng, {});
    EXPECT_TRUE(player.wavs.empty());  // neither 21904.wav nor 61817.wav is there
    EXPECT_EQ(playSoundEffect(12, on, player, rng, [&](int ms) { paused += ms; }), "");
}

TEST(SoundEffects, ListsAndWeightedChoice) {
    EXPECT_EQ(soundEffectWavs(11, "X.WAV"),
              (std::vector<std::string>{"37909.wav", "37910.wav", "37910.wav", "60290.wav"}));
    EXPECT_EQ(soundEffectWavs(5, "").size(), 4u);
    EXPECT_EQ(soundEffectWavs(5, "   ").size(), 4u);
    EXPECT_EQ(soundEffectWavs(5, "CROWD.WAV").back(), "CROWD.WAV");
    EXPECT_TRUE(soundEffectWavs(0, "").empty());

    // Effect 5 with a home-run file: 37830 twice as likely as each other name.
    Rng rng(12345);
    std::map<std::string, int> counts;
    const int n = 20000;
    for (int i = 0; i < n; ++i) ++counts[chooseSoundEffectWav(5, "CROWD.WAV", rng)];
    ASSERT_EQ(counts.size(), 4u);
    EXPECT_NEAR(counts["37830.wav"] / double(n), 0.4, 0.02);
    EXPECT_NEAR(counts["57430.wav"] / double(n), 0.2, 0.02);
    EXPECT_NEAR(counts["hit.wav"] / double(n), 0.2, 0.02);
    EXPECT_NEAR(counts["CROWD.WAV"] / double(n), 0.2, 0.02);

    counts.clear();
    for (int i = 0; i < n; ++i) ++counts[chooseSoundEffectWav(1, "", rng)];
    EXPECT_EQ(counts["57435.wav"], n);
}

TEST_F(SoundFolder, NamedFilesResolveIgnoringCaseAndMissingOnesStaySilent) {
    RecordingPlayer player;
    EXPECT_TRUE(playSoundFile("4540.wav", home(), player));
    ASSERT_EQ(player.wavs.size(), 1u);
    EXPECT_EQ(std::filesystem::path(player.wavs[0]).filename(), "4540.WAV");
    EXPECT_FALSE(playSoundFile("", home(), player));
    EXPECT_FALSE(playSoundFile("nothere.wav", home(), player));
    EXPECT_FALSE(playSoundFile("4540.wav", home() + "/missing", player));
    // HOME-RUN-WAV= is kept as written, trailing blanks included.
    EXPECT_TRUE(playSoundFile("3017.wav   ", home(), player));
    // A name with a folder is taken as it stands, either separator.
    EXPECT_TRUE(playSoundFile(home() + "\\37979.wav", "/nowhere", player));
    EXPECT_EQ(player.wavs.size(), 3u);

    EXPECT_TRUE(playMidiFile("USAN.MID", home(), player));
    EXPECT_FALSE(playMidiFile("canada.mid", home(), player));
    EXPECT_EQ(player.midis.size(), 1u);

    // The system player never fails, whatever is installed.
    SystemSoundPlayer system;
    system.stopMidi();
    EXPECT_TRUE(playSoundFile("4540.wav", home(), system));
    system.stopMidi();
}

}  // namespace
}  // namespace vrk
