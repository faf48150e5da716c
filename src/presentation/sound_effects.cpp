#include "presentation/sound_effects.h"

#include <array>
#include <initializer_list>

namespace vrk {

namespace {
using Names = std::initializer_list<const char*>;
const std::array<Names, kSoundEffectCount + 1> kEffects{
    Names{},
    Names{"57435.wav", "57435.wav"},
    Names{"3017.wav", "37979.wav"},
    Names{"37880.wav", "3017.wav"},
    Names{"3017.wav", "57430.wav", "37979.wav", "hit.wav"},
    Names{"37830.wav", "37830.wav", "57430.wav", "hit.wav"},
    Names{"57430.wav", "hit.wav"},
    Names{"57430.wav", "57430.wav", "3017.wav", "hit.wav"},
    Names{"57435.wav", "37906.wav"},
    Names{"61400.wav", "61714.wav", "hit.wav"},
    Names{"21904.wav", "61817.wav"},
    Names{"37909.wav", "37910.wav", "37910.wav", "60290.wav"}};

bool blank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string::npos;
}
}  // namespace

std::vector<std::string> soundEffectWavs(int effect, std::string_view homeRunWav) {
    if (effect < 1 || effect > kSoundEffectCount) return {};
    std::vector<std::string> names;
    for (const char* name : kEffects[static_cast<std::size_t>(effect)]) names.emplace_back(name);
    if (effect == 5 && !blank(homeRunWav)) names.emplace_back(homeRunWav);
    return names;
}

std::string chooseSoundEffectWav(int effect, std::string_view homeRunWav, Rng& rng) {
    const std::vector<std::string> names = soundEffectWavs(effect, homeRunWav);
    if (names.empty()) return {};
    return names[static_cast<std::size_t>(rng.randInt(static_cast<int>(names.size())) - 1)];
}

std::string playSoundEffect(int effect, const SoundSettings& settings, SoundPlayer& player,
                            Rng& rng, const std::function<void(int)>& pauseMs) {
    if (!settings.soundOn) return {};
    const std::string name = chooseSoundEffectWav(effect, settings.homeRunWav, rng);
    if (name.empty()) return {};
    playSoundFile(name, settings.homeFolder, player);
    if (pauseMs) pauseMs(kSoundEffectPauseMs);
    return name;
}

}  // namespace vrk
