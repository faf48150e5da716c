#include "presentation/sound_player.h"

#include <filesystem>

#include "core/child_process.h"
#include "core/paths.h"
#include "core/process.h"

namespace vrk {

namespace {
constexpr const char* kSoundFonts[] = {
    "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/soundfonts/default.sf2", "/usr/share/soundfonts/FluidR3_GM.sf2"};
}

SystemSoundPlayer::SystemSoundPlayer() {
    if (programAvailable("paplay")) {
        wavProgram_ = "paplay";
    } else if (programAvailable("aplay")) {
        wavProgram_ = "aplay";
    }
    if (programAvailable("timidity")) {
        midiProgram_ = "timidity";
    } else if (programAvailable("fluidsynth")) {
        std::error_code ec;
        for (const char* font : kSoundFonts) {
            if (std::filesystem::is_regular_file(font, ec)) {
                midiProgram_ = "fluidsynth";
                soundFont_ = font;
                break;
            }
        }
    }
}

SystemSoundPlayer::~SystemSoundPlayer() {
    stopMidi();
}

void SystemSoundPlayer::playWav(const std::string& path) {
    if (wavProgram_ == "paplay") {
        launchDetached({"paplay", path});
    } else if (wavProgram_ == "aplay") {
        launchDetached({"aplay", "-q", path});
    }
}

void SystemSoundPlayer::playMidi(const std::string& path) {
    stopMidi();
    if (midiProgram_ == "timidity") {
        midiPid_ = startBackground({"timidity", "-idq", path});
    } else if (midiProgram_ == "fluidsynth") {
        midiPid_ = startBackground({"fluidsynth", "-ni", soundFont_, path});
    }
}

void SystemSoundPlayer::stopMidi() {
    stopBackground(midiPid_);
    midiPid_ = -1;
}

std::string resolveSoundFile(std::string_view name, std::string_view homeFolder) {
    std::string trimmed(name);
    while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
    if (trimmed.empty()) return {};
    const std::string normal = normalizeSeparators(trimmed);
    if (normal.find('/') != std::string::npos) {
        const std::string folder = normal.substr(0, normal.rfind('/') + 1);
        return findFile(folder, fileNamePart(normal)).value_or(std::string());
    }
    return findFile(homeFolder, normal).value_or(std::string());
}

bool playSoundFile(std::string_view name, std::string_view homeFolder, SoundPlayer& player) {
    const std::string path = resolveSoundFile(name, homeFolder);
    if (path.empty()) return false;
    player.playWav(path);
    return true;
}

bool playMidiFile(std::string_view name, std::string_view homeFolder, SoundPlayer& player) {
    const std::string path = resolveSoundFile(name, homeFolder);
    if (path.empty()) return false;
    player.playMidi(path);
    return true;
}

}  // namespace vrk
