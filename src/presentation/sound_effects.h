#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/rng.h"
#include "presentation/sound_player.h"

namespace vrk {

inline constexpr int kSoundEffectCount = 11;
inline constexpr int kSoundEffectPauseMs = 400;

struct SoundSettings {
    bool soundOn = false;
    std::string homeFolder;  // where the WAV files are looked for
    std::string homeRunWav;  // HOME-RUN-WAV=, empty when not configured
};

// The WAV names of effect 1..11; a name listed twice is twice as likely.
// Effect 5 ends with HOME-RUN-WAV= when one is configured. Other numbers
// have no names.
std::vector<std::string> soundEffectWavs(int effect, std::string_view homeRunWav);

// One name of the effect, uniformly (empty for an effect with no names).
std::string chooseSoundEffectWav(int effect, std::string_view homeRunWav, Rng& rng);

// When sound is on: plays one name of the effect (if its file exists) and
// pauses 400 ms through `pauseMs`. With sound off nothing happens at all,
// not even a draw. Returns the name chosen, empty when silent.
std::string playSoundEffect(int effect, const SoundSettings& settings, SoundPlayer& player,
                            Rng& rng, const std::function<void(int)>& pauseMs);

}  // namespace vrk
