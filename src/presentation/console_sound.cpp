#include "presentation/console_sound.h"

namespace vrk {

ConsoleSound::ConsoleSound(Console& console, SoundPlayer& player, SoundSettings settings,
                           std::uint64_t seed)
    : console_(console), player_(player), settings_(std::move(settings)), rng_(seed) {
    settings_.soundOn = true;  // the engine asks only while sound is on
}

void ConsoleSound::effect(int number) {
    playSoundEffect(number, settings_, player_, rng_, [this](int ms) { console_.sleepMs(ms); });
}

void ConsoleSound::wav(std::string_view fileName) {
    playSoundFile(fileName, settings_.homeFolder, player_);
}

void ConsoleSound::anthem(std::string_view midiFile) {
    if (!playMidiFile(midiFile, settings_.homeFolder, player_)) return;
    console_.waitKey();
    player_.stopMidi();
}

}  // namespace vrk
