// The game's effect sounds: one recipe per file of the sound folder, each a short
// function of the synthesiser's blocks, so one sound can be retuned alone.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "dsp.h"

namespace audio {

// One effect file: its name under data/sfx/ (".ogg" or ".wav" decides the format)
// and the recipe that renders it before levelling.
struct EffectRecipe {
    std::string file;
    Samples (*render)();
};

// Every effect file the game loads, each once.
const std::vector<EffectRecipe>& effectRecipes();

// Brings a rendered effect to the common loudness, keeps its peak below -2 dBFS and
// smooths its ends; the same rule for every effect keeps the set even.
Samples levelEffect(Samples raw);

// Renders, levels and writes every effect into OUT/data/sfx/, and for review a sheet
// of all of them in table order into OUT/contact/sfx.png.
void writeEffects(const std::filesystem::path& out);

}  // namespace audio
