#pragma once
#include <string>
#include <string_view>

namespace vrk {

// Where sound goes. Missing programs or files are never an error: the game
// simply stays silent.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Starts a WAV file (an existing path) without waiting.
    virtual void playWav(const std::string& path) = 0;
    // Starts a MIDI file; stopMidi ends it (and does nothing when none plays).
    virtual void playMidi(const std::string& path) = 0;
    virtual void stopMidi() = 0;
};

class SilentSoundPlayer final : public SoundPlayer {
  public:
    void playWav(const std::string&) override {}
    void playMidi(const std::string&) override {}
    void stopMidi() override {}
};

// Plays through paplay or aplay, and timidity or fluidsynth (with a
// General MIDI sound font), whichever are installed.
class SystemSoundPlayer final : public SoundPlayer {
  public:
    SystemSoundPlayer();
    ~SystemSoundPlayer() override;
    SystemSoundPlayer(const SystemSoundPlayer&) = delete;
    SystemSoundPlayer& operator=(const SystemSoundPlayer&) = delete;

    void playWav(const std::string& path) override;
    void playMidi(const std::string& path) override;
    void stopMidi() override;

  private:
    std::string wavProgram_;
    std::string midiProgram_;
    std::string soundFont_;
    int midiPid_ = -1;
};

// The file a sound name stands for: a name is looked up in the home folder
// (ignoring case), a name with a folder as it stands; trailing blanks are
// ignored. Empty when there is no such file.
std::string resolveSoundFile(std::string_view name, std::string_view homeFolder);

// Starts a named WAV file ("4540.wav") from the home folder. An empty name
// or a missing file plays nothing. Returns whether something was started.
bool playSoundFile(std::string_view name, std::string_view homeFolder, SoundPlayer& player);

// The same for a MIDI file (the anthems); stop it with player.stopMidi().
bool playMidiFile(std::string_view name, std::string_view homeFolder, SoundPlayer& player);

}  // namespace vrk
