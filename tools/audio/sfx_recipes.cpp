// The recipes of the effect sounds, one function per file, grouped by where the game
// plays them: interface, board, power-ups, meteor and the rewards. Levels are set
// afterwards by levelEffect, so a recipe only shapes its sound.
#include <cmath>

#include "sfx.h"

namespace audio {

namespace {

// --- Small instruments shared by the recipes ---

// A tone with a quick attack that dies away, optionally gliding in pitch.
Samples blip(Wave wave, double seconds, double startHz, double endHz, double halfLife) {
    Samples s = tone(wave, seconds, startHz, endHz);
    pluckEnvelope(s, 0.002, halfLife);
    return s;
}

// A struck metal bell: inharmonic partials, the higher ones dying sooner.
Samples bell(double hz, double seconds) {
    static constexpr double RATIOS[] = {1.0, 2.0, 2.76, 5.40, 8.93};
    static constexpr float LEVELS[] = {1.0f, 0.5f, 0.45f, 0.25f, 0.12f};
    Samples sum;
    for (int i = 0; i < 5; ++i) {
        Samples partial = tone(Wave::Sine, seconds, hz * RATIOS[i]);
        pluckEnvelope(partial, 0.001, seconds * 0.35 / (1.0 + i));
        mixInto(sum, partial, 0, LEVELS[i]);
    }
    return sum;
}

// A soft glassy chime: harmonic FM whose brightness fades quickly.
Samples chime(double hz, double seconds, double halfLife) {
    Samples s = fmTone(seconds, hz, 2.0, 1.8, halfLife * 0.4);
    pluckEnvelope(s, 0.003, halfLife);
    return s;
}

// Band-limited noise that dies away: clicks, cracks, rustles and blasts.
Samples noiseBurst(double seconds, uint32_t seed, double lowHz, double highHz, double halfLife) {
    Samples s = noise(seconds, seed);
    highpass(s, lowHz);
    lowpass(s, highHz);
    pluckEnvelope(s, 0.001, halfLife);
    return s;
}

// A rush of air whose colour glides from startHz to endHz, swelling and fading.
Samples whoosh(double seconds, uint32_t seed, double startHz, double endHz) {
    Samples s = noise(seconds, seed);
    Samples coloured = s;
    sweepLowpass(coloured, startHz, endHz, 2.5);
    highpass(coloured, 150);
    adsr(coloured, seconds * 0.4, seconds * 0.2, 0.6f, seconds * 0.4);
    return coloured;
}

// A low thump: a sine that drops quickly in pitch, as of a kick or an impact.
Samples thump(double seconds, double startHz, double endHz, double halfLife) {
    return blip(Wave::Sine, seconds, startHz, endHz, halfLife);
}

// Notes (MIDI numbers) from `make`, one every `step` seconds, each scaled by `fall` more.
template <typename Make>
Samples arpeggio(std::initializer_list<double> notes, double step, float fall, Make make) {
    Samples sum;
    float gain = 1.0f;
    size_t at = 0;
    for (double note : notes) {
        mixInto(sum, make(noteHz(note)), at, gain);
        at += samplesFor(step);
        gain *= fall;
    }
    return sum;
}

// --- Interface: buttons, hover, dialogs ---

// A crisp, short click with a small tonal body: the menu buttons.
Samples buttonClick() {
    Samples s = noiseBurst(0.08, 11, 1500, 9000, 0.006);
    mixInto(s, blip(Wave::Triangle, 0.08, 1400, 1100, 0.012), 0, 0.8f);
    return s;
}

// The in-game buttons: a rounder, lower click.
Samples gameButton() {
    Samples s = noiseBurst(0.1, 12, 800, 6000, 0.008);
    mixInto(s, blip(Wave::Sine, 0.1, 900, 700, 0.02), 0, 1.0f);
    return s;
}

// A plain soft tap for the smaller buttons.
Samples plainButton() {
    Samples s = blip(Wave::Sine, 0.09, 660, 600, 0.018);
    mixInto(s, noiseBurst(0.03, 13, 2000, 7000, 0.004), 0, 0.5f);
    return s;
}

// The pointer passing over something that reacts: a faint rising blip.
Samples hover() { return blip(Wave::Sine, 0.08, 1200, 1500, 0.02); }

// A dialog opening: a bubbly rising pop.
Samples popup() {
    Samples s = blip(Wave::Sine, 0.25, 300, 900, 0.05);
    mixInto(s, chime(noteHz(84), 0.25, 0.06), samplesFor(0.03), 0.4f);
    return s;
}

// A page or panel sliding up: rising air with a light tone.
Samples turnUp() {
    Samples s = whoosh(0.35, 21, 600, 4000);
    mixInto(s, blip(Wave::Triangle, 0.3, 500, 1000, 0.1), 0, 0.3f);
    return s;
}

// The same sliding down.
Samples turnDown() {
    Samples s = whoosh(0.35, 22, 4000, 600);
    mixInto(s, blip(Wave::Triangle, 0.3, 1000, 500, 0.1), 0, 0.3f);
    return s;
}

// Confirming a name or a choice: a clear double ping.
Samples enterPing() {
    return arpeggio({88, 95}, 0.07, 0.8f, [](double hz) { return chime(hz, 0.5, 0.12); });
}

// --- Board: selecting, swapping, matching, obstacles ---

// The first gem picked: a bright short tick.
Samples markFirst() { return blip(Wave::Triangle, 0.12, 1760, 1700, 0.025); }

// The second gem picked: the same tick a fourth lower.
Samples markSecond() { return blip(Wave::Triangle, 0.12, 1320, 1280, 0.025); }

// Two gems changing places: a quick swish ending on a soft ping.
Samples swap() {
    Samples s = whoosh(0.22, 31, 1500, 5000);
    mixInto(s, chime(noteHz(86), 0.3, 0.06), samplesFor(0.12), 0.5f);
    return s;
}

// A swap that makes no row: a dull two-step downward bonk.
Samples failure() {
    Samples s = blip(Wave::Square, 0.35, 220, 200, 0.06);
    lowpass(s, 1200);
    Samples second = blip(Wave::Square, 0.3, 165, 150, 0.08);
    lowpass(second, 1000);
    mixInto(s, second, samplesFor(0.12));
    return s;
}

// A row cleared: a sparkling major chime.
Samples match() {
    return arpeggio({79, 83, 86, 91}, 0.035, 0.85f, [](double hz) { return chime(hz, 0.6, 0.12); });
}

// A gem dropping into its place: a soft woody knock.
Samples contact() {
    Samples s = thump(0.12, 400, 250, 0.02);
    mixInto(s, noiseBurst(0.05, 41, 600, 3000, 0.006), 0, 0.4f);
    return s;
}

// A falling piece landing: a heavier knock.
Samples pieceDown() {
    Samples s = thump(0.25, 220, 90, 0.04);
    mixInto(s, noiseBurst(0.08, 42, 300, 2500, 0.01), 0, 0.6f);
    return s;
}

// A piece set into place: a light wooden clack.
Samples layPart() {
    Samples s = blip(Wave::Triangle, 0.1, 700, 650, 0.012);
    bandpass(s, 900, 2);
    mixInto(s, noiseBurst(0.06, 43, 1000, 5000, 0.005), 0, 0.6f);
    return s;
}

// The board stirred up: many small clicks rattling over half a second.
Samples shuffle() {
    Samples sum(samplesFor(0.7), 0.0f);
    Noise timing(51);
    for (int i = 0; i < 22; ++i) {
        const double at = 0.02 + 0.55 * i / 22.0 + 0.01 * timing.next();
        const double hz = 600 + 400 * timing.next();
        Samples click = blip(Wave::Triangle, 0.05, hz, hz * 0.9, 0.008);
        mixInto(sum, click, samplesFor(at), 0.6f + 0.3f * timing.next());
    }
    adsr(sum, 0.1, 0.3, 0.7f, 0.2);
    return sum;
}

// A hint: two gentle rising bell tones.
Samples hint() {
    return arpeggio({81, 88}, 0.15, 0.9f, [](double hz) { return chime(hz, 0.8, 0.18); });
}

// A stone block cracking: a sharp crack and a short crumble of grit.
Samples stoneCrack() {
    Samples s = noiseBurst(0.1, 61, 1200, 8000, 0.01);
    mixInto(s, thump(0.15, 180, 90, 0.03), 0, 0.8f);
    Noise grit(62);
    for (int i = 0; i < 10; ++i) {
        const double at = 0.05 + 0.03 * i + 0.01 * grit.next();
        mixInto(s, noiseBurst(0.04, 63 + uint32_t(i), 800, 4000, 0.006), samplesFor(at), 0.5f * (1.0f - 0.08f * i));
    }
    return s;
}

// Moss dying: a soft, damp rustle.
Samples moss() {
    Samples s = noise(0.45, 71);
    bandpass(s, 1400, 0.8);
    Samples wobble = tone(Wave::Sine, 0.45, 13);
    for (size_t i = 0; i < s.size(); ++i) s[i] *= 0.6f + 0.4f * wobble[i];
    adsr(s, 0.03, 0.2, 0.4f, 0.2);
    mixInto(s, blip(Wave::Sine, 0.2, 300, 180, 0.05), 0, 0.5f);
    return s;
}

// A bomb going off: a punchy boom with a burst of debris.
Samples bomb() {
    Samples s = thump(0.9, 140, 40, 0.15);
    Samples blast = noise(0.9, 81);
    sweepLowpass(blast, 5000, 300);
    pluckEnvelope(blast, 0.002, 0.12);
    mixInto(s, blast, 0, 0.9f);
    saturate(s, 1.5f);
    return s;
}

// A big explosion: deeper, longer and rolling.
Samples explosion() {
    Samples s = thump(1.4, 110, 30, 0.25);
    Samples blast = noise(1.4, 82);
    sweepLowpass(blast, 6000, 200);
    pluckEnvelope(blast, 0.003, 0.2);
    mixInto(s, blast, 0, 1.0f);
    echo(s, 0.09, 0.3f, 0.25f);
    saturate(s, 1.8f);
    return s;
}

// The second explosion, kept as a WAV: a sharper crack with a shorter tail.
Samples explosionSharp() {
    Samples s = noiseBurst(1.0, 83, 80, 9000, 0.09);
    mixInto(s, thump(1.0, 160, 45, 0.12), 0, 1.0f);
    saturate(s, 2.0f);
    return s;
}

// --- Power-ups ---

// A power-up charge collected: a quick rising sparkle.
Samples puCollect() {
    return arpeggio({76, 81, 85, 88}, 0.04, 0.9f, [](double hz) { return chime(hz, 0.35, 0.07); });
}

// The second collect sound: the same sparkle from a fifth higher.
Samples puCollectHigh() {
    return arpeggio({83, 88, 92, 95}, 0.04, 0.9f, [](double hz) { return chime(hz, 0.35, 0.07); });
}

// A power-up selected: two tones up.
Samples puSelect() {
    return arpeggio({74, 81}, 0.06, 0.9f, [](double hz) { return blip(Wave::Triangle, 0.2, hz, hz, 0.05); });
}

// A power-up deselected: two tones down.
Samples puDeselect() {
    return arpeggio({81, 74}, 0.06, 0.9f, [](double hz) { return blip(Wave::Triangle, 0.2, hz, hz, 0.05); });
}

// A power-up that cannot be used now: a short buzzy refusal.
Samples puNo() {
    Samples s = tone(Wave::Saw, 0.28, 150);
    mixInto(s, tone(Wave::Saw, 0.28, 158), 0, 0.8f);
    lowpass(s, 1500);
    adsr(s, 0.005, 0.05, 0.8f, 0.06);
    return s;
}

// A power-up charged full: a shimmering major chord.
Samples puFull() {
    Samples s = arpeggio({72, 76, 79, 84}, 0.05, 1.0f, [](double hz) { return chime(hz, 1.0, 0.3); });
    chorus(s, 3, 4, 0.6f);
    return s;
}

// A power-up starting its work: rising air crowned by a bright chord.
Samples puStart() {
    Samples s = whoosh(0.5, 91, 500, 6000);
    mixInto(s, arpeggio({79, 86, 91}, 0.02, 0.9f, [](double hz) { return chime(hz, 0.6, 0.12); }),
            samplesFor(0.3), 0.7f);
    return s;
}

// A power-up striking the board: a bright zap with a low knock.
Samples puHit() {
    Samples s = blip(Wave::Saw, 0.3, 2400, 300, 0.06);
    lowpass(s, 5000);
    mixInto(s, thump(0.3, 200, 70, 0.06), 0, 0.9f);
    return s;
}

// A power-up taken into hand: a plucky upward third.
Samples takePu() {
    return arpeggio({69, 73, 76}, 0.05, 0.9f, [](double hz) { return blip(Wave::Square, 0.2, hz, hz, 0.04); });
}

// Gems changing colour: a shimmering upward sweep.
Samples colorer() {
    Samples s = fmTone(0.6, 600, 1.5, 3.0, 0.2);
    Samples glide = tone(Wave::Sine, 0.6, 400, 1600);
    mixInto(s, glide, 0, 0.5f);
    adsr(s, 0.05, 0.2, 0.6f, 0.25);
    chorus(s, 4, 6, 0.7f);
    return s;
}

// A power-up becoming available for good: a small ascending fanfare of bells.
Samples puUnlocked() {
    Samples s = arpeggio({72, 76, 79, 84}, 0.09, 1.0f, [](double hz) { return bell(hz, 1.1); });
    echo(s, 0.18, 0.3f, 0.3f);
    return s;
}

// --- Meteor ---

// A falling star appearing: a long descending rush with sparkles.
Samples meteorAppears() {
    Samples s = whoosh(1.4, 101, 6000, 500);
    Noise sparkle(102);
    for (int i = 0; i < 8; ++i) {
        const double note = 96 - 2.0 * i + 2.0 * sparkle.next();
        mixInto(s, chime(noteHz(note), 0.3, 0.05), samplesFor(0.1 + 0.12 * i), 0.25f);
    }
    return s;
}

// A meteor shot down: an impact and a bright scatter.
Samples meteorHit() {
    Samples s = noiseBurst(0.9, 103, 200, 9000, 0.08);
    mixInto(s, thump(0.9, 180, 50, 0.12), 0, 1.0f);
    mixInto(s, arpeggio({96, 91, 88, 84}, 0.05, 0.8f, [](double hz) { return chime(hz, 0.4, 0.08); }),
            samplesFor(0.05), 0.4f);
    return s;
}

// A meteor leaving unharmed: its rush fading away downward.
Samples meteorMiss() {
    Samples s = whoosh(1.0, 104, 3000, 300);
    mixInto(s, tone(Wave::Sine, 1.0, 700, 250), 0, 0.15f);
    adsr(s, 0.02, 0.3, 0.5f, 0.6);
    return s;
}

// --- Rewards ---

// A bell for a completed puzzle piece and the second chime of the board.
Samples bellOne() { return bell(noteHz(84), 1.4); }

// Small glittering points of light.
Samples glitter() {
    Samples sum;
    Noise choice(111);
    for (int i = 0; i < 12; ++i) {
        const double note = 96 + 2.0 * choice.pick(6);
        mixInto(sum, chime(noteHz(note), 0.25, 0.04), samplesFor(0.05 * i), 0.7f - 0.04f * i);
    }
    return sum;
}

// Coins into the till: two metallic clinks and a ring.
Samples cash() {
    Samples s = bell(noteHz(96), 0.25);
    mixInto(s, bell(noteHz(98), 0.25), samplesFor(0.07), 0.8f);
    mixInto(s, bell(noteHz(91), 0.9), samplesFor(0.16), 0.9f);
    return s;
}

// Something being built: three hammer knocks on wood.
Samples build() {
    Samples sum;
    for (int i = 0; i < 3; ++i) {
        Samples knock = thump(0.15, 320 - 30 * i, 160, 0.03);
        mixInto(knock, noiseBurst(0.06, 121 + uint32_t(i), 800, 5000, 0.008), 0, 0.8f);
        mixInto(sum, knock, samplesFor(0.16 * i));
    }
    return sum;
}

// An approving hum: a voiced tone shaped by two vowel formants, rising then settling.
Samples mmh() {
    Samples voice = tone(Wave::Saw, 0.6, 160, 200);
    Samples low = voice, high = voice;
    bandpass(low, 300, 4);
    bandpass(high, 2300, 6);
    mixInto(low, high, 0, 0.3f);
    lowpass(low, 1800);
    adsr(low, 0.06, 0.2, 0.7f, 0.25);
    return low;
}

// The roar: a growling, pitch-wobbling rasp through open vowel formants.
Samples roar() {
    const double seconds = 2.0;
    Samples rasp = tone(Wave::Saw, seconds, 95, 70);
    Samples growl = tone(Wave::Sine, seconds, 27);
    Samples breath = noise(seconds, 131);
    for (size_t i = 0; i < rasp.size(); ++i) rasp[i] = rasp[i] * (0.7f + 0.3f * growl[i]) + 0.35f * breath[i];
    Samples body = rasp, throat = rasp;
    bandpass(body, 700, 2);
    bandpass(throat, 1200, 3);
    mixInto(body, throat, 0, 0.7f);
    mixInto(body, rasp, 0, 0.15f);
    saturate(body, 2.0f);
    lowpass(body, 3500);
    adsr(body, 0.12, 0.5, 0.75f, 0.8);
    return body;
}

}  // namespace

const std::vector<EffectRecipe>& effectRecipes() {
    static const std::vector<EffectRecipe> recipes = {
        {"mark1.ogg", markFirst},           {"mark2.ogg", markSecond},
        {"turnup.ogg", turnUp},             {"turndown.ogg", turnDown},
        {"bell1.ogg", bellOne},             {"shuffle.ogg", shuffle},
        {"hint.ogg", hint},                 {"failure.ogg", failure},
        {"gamebutt1.ogg", gameButton},      {"mo.ogg", hover},
        {"button1.ogg", buttonClick},       {"bomb.ogg", bomb},
        {"explosion2.wav", explosionSharp}, {"pucollect.ogg", puCollect},
        {"colorer.ogg", colorer},           {"match.ogg", match},
        {"swap.wav", swap},                 {"enterping.ogg", enterPing},
        {"pucollect2.ogg", puCollectHigh},  {"contact2.ogg", contact},
        {"explosion.ogg", explosion},       {"pu_select.wav", puSelect},
        {"pu_deselect.wav", puDeselect},    {"puhit.ogg", puHit},
        {"takepu.ogg", takePu},             {"glitter.ogg", glitter},
        {"laypart.ogg", layPart},           {"pustart.ogg", puStart},
        {"stone2.ogg", stoneCrack},         {"butt.ogg", plainButton},
        {"moss2.ogg", moss},                {"mmh1.ogg", mmh},
        {"pufull.ogg", puFull},             {"puno.ogg", puNo},
        {"cash.ogg", cash},                 {"build.ogg", build},
        {"vexatris_down.ogg", pieceDown},   {"lionroar.wav", roar},
        {"pu_unlocked.wav", puUnlocked},    {"meteorappears.ogg", meteorAppears},
        {"meteorhit.ogg", meteorHit},       {"meteormiss.ogg", meteorMiss},
        {"popup.wav", popup},
    };
    return recipes;
}

}  // namespace audio
