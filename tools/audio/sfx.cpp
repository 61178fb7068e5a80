// Levelling and writing of the effect sounds.
#include "sfx.h"

#include <algorithm>

#include "contact.h"
#include "encode.h"

namespace audio {

namespace {

constexpr double TARGET_RMS_DB = -15.0;  // loudest 50 ms of every effect
constexpr double PEAK_LIMIT_DB = -2.0;   // leaves room for the Ogg decoder's small overshoot
constexpr float EFFECT_QUALITY = 0.5f;

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

Samples levelEffect(Samples raw) {
    highpass(raw, 30);  // no sub-sonic offset that would eat headroom
    fadeEdges(raw, 0.001, 0.01);
    const float rms = loudestRms(raw, 0.05);
    const float top = peak(raw);
    if (rms <= 0 || top <= 0) return raw;
    const float gain = std::min(dbGain(TARGET_RMS_DB) / rms, dbGain(PEAK_LIMIT_DB) / top);
    scale(raw, gain);
    return raw;
}

void writeEffects(const std::filesystem::path& out) {
    Samples all;  // every effect in table order, a quarter second apart, for the review sheet
    for (const EffectRecipe& recipe : effectRecipes()) {
        const Samples sound = levelEffect(recipe.render());
        const tools::Bytes bytes = endsWith(recipe.file, ".wav") ? encodeWav(sound) : encodeOgg({&sound}, EFFECT_QUALITY);
        tools::writeFile(out / "data" / "sfx" / recipe.file, bytes);
        mixInto(all, sound, all.size());
        all.resize(all.size() + samplesFor(0.25), 0.0f);
    }
    tools::writePng(out / "contact" / "sfx.png", contactSheet(Stereo{all, all}, 0));
}

}  // namespace audio
