#pragma once
#include <string>

#include "core/rng.h"
#include "engine/game_seams.h"
#include "presentation/console.h"
#include "presentation/sound_effects.h"
#include "presentation/sound_player.h"

namespace vrk {

// The game's sounds on a console: effects and named WAV files through the
// player, the anthem until a key. Its choice of file draws from its own
// generator, so sound never changes how a game goes.
class ConsoleSound final : public SoundSink {
  public:
    ConsoleSound(Console& console, SoundPlayer& player, SoundSettings settings, std::uint64_t seed);

    void effect(int number) override;
    void wav(std::string_view fileName) override;
    void anthem(std::string_view midiFile) override;

  private:
    Console& console_;
    SoundPlayer& player_;
    SoundSettings settings_;
    Rng rng_;
};

}  // namespace vrk
