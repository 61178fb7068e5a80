// The five music titles: a calm menu piece, two lively level tracks, a triumphant
// loop for a won level and a warm story theme. Each is built section by section;
// the last section leads harmonically back into the first, so the loop closes.
#include <cstdio>

#include "compose.h"

namespace audio {

namespace {

Progression bars(std::vector<Chord> chords) { return Progression{std::move(chords), 4}; }

Track track(Instrument instrument, float gain, float pan) { return Track{instrument, gain, pan, {}}; }

std::string describe(const char* key, double bpm, int beats, const char* form) {
    char text[256];
    std::snprintf(text, sizeof text, "%s, %.0f BPM, 4/4, %d bars (%.0f s); %s", key, bpm, beats / 4,
                  beats * 60.0 / bpm, form);
    return text;
}

const std::vector<Step> STEADY_ROOTS = {{0, 3.5, 0, 0.9f}};
const std::vector<Step> DRIVING_BASS = {{0, 0.5, 0, 1.0f},   {0.75, 0.25, 0, 0.7f}, {1.5, 0.5, 2, 0.8f},
                                        {2, 0.5, 0, 0.95f},  {2.5, 0.5, 3, 0.8f},   {3, 0.5, 2, 0.85f},
                                        {3.5, 0.5, 1, 0.75f}};
const std::vector<Step> SYNCOPATED_BASS = {{0, 0.75, 0, 1.0f}, {0.75, 0.75, 0, 0.8f}, {1.5, 0.5, 2, 0.85f},
                                          {2.5, 0.5, 0, 0.9f}, {3, 0.5, 3, 0.75f},   {3.5, 0.5, 2, 0.7f}};
const std::vector<Step> FANFARE_CHORDS = {{0, 0.6, 0, 1.0f}, {0.67, 0.3, 0, 0.8f}, {1, 0.9, 0, 0.9f},
                                          {2, 1.8, 0, 1.0f}};

// Calm menu music: F major, slow, pad and bells with a flute theme.
Song ambient() {
    Song song{"ambient.ogg", "", 72, 128, 0.75, 0.4f, 0.28f, {}};
    const Key key = majorKey(65);
    const Progression a = bars({major(53), minor(57), major(58), major(60)});
    const Progression b = bars({minor(50), major(58), major(53), major(60)});
    const Progression b2 = bars({minor(50), major(58), minor(55), sus4(60)});
    const Progression c = bars({major(58), major(53), minor(55), major(60)});
    const Progression c2 = bars({major(58), minor(57), minor(55), dominant7(60)});
    Track padTrack = track(Instrument::Pad, 0.16f, 0), bells = track(Instrument::Bell, 0.16f, 0.35f);
    Track bassTrack = track(Instrument::SubBass, 0.2f, 0), flute = track(Instrument::Flute, 0.32f, -0.15f);
    Track strings = track(Instrument::Strings, 0.07f, -0.3f), shaker = track(Instrument::Shaker, 0.12f, 0.4f);
    const std::vector<Progression> sections = {a + a, b + b2, a + a, c + c2};
    double at = 0;
    for (size_t i = 0; i < sections.size(); ++i) {
        const Progression& section = sections[i];
        holdChords(padTrack, section, at, 57, 1.0f);
        arpeggiate(bells, section, at, i == 2 ? 0.5 : 1.0, {0, 1, 2, 3, 2, 1}, 69, i == 2 ? 0.7f : 1.0f);
        chordPattern(bassTrack, section, at, STEADY_ROOTS, 41);
        if (i == 2) drumBars(shaker, at, 8, "x.o.x.o.x.o.x.o.");
        if (i == 3) holdChords(strings, section, at, 69, 1.0f);
        if (i != 0) {
            const uint32_t seed = i == 2 ? 4 : 1;
            const Progression first{{section.chords.begin(), section.chords.begin() + 4}, 4};
            const Progression second{{section.chords.begin() + 4, section.chords.end()}, 4};
            sing(flute, first, key, at, makePhrase(seed, seed + 1, false), 69, 86, 0.9f);
            sing(flute, second, key, at + 16, makePhrase(seed, seed + 2, false), 69, 86, 0.9f);
        }
        at += section.beats();
    }
    song.tracks = {padTrack, bells, bassTrack, flute, strings, shaker};
    song.summary = describe("F major", song.bpm, song.beats,
                            "A (pad, bells) - B (flute theme) - A' (theme varied, shaker) - C (bridge with strings, "
                            "C7 back to F)");
    return song;
}

// Sings two four-bar phrases (head + two answers) over an eight-bar section.
void singSection(Track& voice, const Progression& section, const Key& key, double at, uint32_t seed, int low,
                 int high, bool lively) {
    const Progression first{{section.chords.begin(), section.chords.begin() + 4}, 4};
    const Progression second{{section.chords.begin() + 4, section.chords.end()}, 4};
    sing(voice, first, key, at, makePhrase(seed, seed + 1, lively), low, high, 0.9f);
    sing(voice, second, key, at + 16, makePhrase(seed, seed + 2, lively), low, high, 0.9f);
}

// First level track: G major, bright four-on-the-floor pop with a square lead.
Song ingame1() {
    Song song{"ingame1.ogg", "", 124, 192, 0.75, 0.3f, 0.18f, {}};
    const Key key = majorKey(67);
    const Progression a = bars({major(55), major(50), minor(52), major(48)});
    const Progression b = bars({major(48), major(50), minor(59), minor(52)});
    const Progression b2 = bars({major(48), major(50), major(55), dominant7(50)});
    const Progression c = bars({minor(52), major(48), major(55), major(50)});
    Track kick = track(Instrument::Kick, 0.55f, 0), snare = track(Instrument::Clap, 0.3f, 0.05f);
    Track hat = track(Instrument::Hat, 0.12f, 0.3f), bassTrack = track(Instrument::Bass, 0.3f, 0);
    Track arp = track(Instrument::Pluck, 0.1f, -0.35f), leadTrack = track(Instrument::Lead, 0.14f, 0.1f);
    Track padTrack = track(Instrument::Pad, 0.09f, 0), bells = track(Instrument::Marimba, 0.2f, 0.35f);
    const std::vector<Progression> sections = {a + a, a + a, b + b2, a + a, c + c, b + b2};
    double at = 0;
    for (size_t i = 0; i < sections.size(); ++i) {
        const Progression& section = sections[i];
        const bool breakdown = i == 4;
        drumBars(kick, at, 8, breakdown ? "X.......x.......": "X...x...X...x...");
        if (i > 0) drumBars(snare, at, 8, breakdown ? "........X......." : "....X.......X...");
        drumBars(hat, at, 8, breakdown ? "..o...o...o...o." : "o.x.o.x.o.x.o.xo");
        chordPattern(bassTrack, section, at, breakdown ? STEADY_ROOTS : DRIVING_BASS, 36);
        if (!breakdown) arpeggiate(arp, section, at, 0.25, {0, 1, 2, 3, 2, 1, 0, 2}, 60, 0.8f);
        if (i >= 2) holdChords(padTrack, section, at, 55, 1.0f);
        if (breakdown) arpeggiate(bells, section, at, 0.5, {0, 2, 1, 3, 4, 3, 2, 1}, 67, 0.9f);
        if (i == 1 || i == 3) singSection(leadTrack, section, key, at, 11, 67, 84, true);
        if (i == 2 || i == 5) singSection(leadTrack, section, key, at, 14, 69, 86, true);
        at += section.beats();
    }
    song.tracks = {kick, snare, hat, bassTrack, arp, leadTrack, padTrack, bells};
    song.summary = describe("G major", song.bpm, song.beats,
                            "intro groove - verse A - chorus B - verse A - half-time breakdown C - chorus B");
    return song;
}

// Second level track: D dorian, quicker, marimba ostinato and syncopated bass.
Song ingame2() {
    Song song{"ingame2.ogg", "", 136, 224, 0.5, 0.25f, 0.15f, {}};
    const Key key = dorianKey(62);
    const Progression a = bars({minor7(50), major(55), minor7(50), major(55)});
    const Progression a2 = bars({minor7(50), major(55), major(58), major(60)});
    const Progression b = bars({major(58), major(60), minor(57), minor(50)});
    const Progression b2 = bars({minor7(55), major(60), major(53), dominant7(57)});
    Track kick = track(Instrument::Kick, 0.55f, 0), clap = track(Instrument::Clap, 0.28f, -0.05f);
    Track shaker = track(Instrument::Shaker, 0.16f, 0.35f), toms = track(Instrument::Tom, 0.3f, -0.25f);
    Track bassTrack = track(Instrument::Bass, 0.32f, 0), marimba = track(Instrument::Marimba, 0.22f, 0.3f);
    Track leadTrack = track(Instrument::Lead, 0.13f, -0.1f), strings = track(Instrument::Strings, 0.06f, -0.3f);
    const std::vector<Progression> sections = {a + a2, a + a2, b + b2, a + a2, b + b2, a + a2, b + b2};
    double at = 0;
    for (size_t i = 0; i < sections.size(); ++i) {
        const Progression& section = sections[i];
        const bool breakdown = i == 4;
        if (!breakdown) drumBars(kick, at, 8, i == 0 ? "X.........X....." : "X..x..X...X..x..");
        if (i > 0 && !breakdown) drumBars(clap, at, 8, "....X.......X..o");
        drumBars(shaker, at, 8, "x.ox.ox.x.ox.oxo");
        if (i == 0 || breakdown) drumBars(toms, at, 8, "......x.....x.x.", 45);
        chordPattern(bassTrack, section, at, SYNCOPATED_BASS, 38);
        arpeggiate(marimba, section, at, 0.5, {0, 2, 1, 3, 2, 4, 3, 1}, 62, 0.9f);
        if (i >= 2) holdChords(strings, section, at, 62, 1.0f);
        if (i == 1 || i == 3) singSection(leadTrack, section, key, at, 21, 69, 86, true);
        if (i == 2 || i == 6) singSection(leadTrack, section, key, at, 24, 67, 84, true);
        if (i == 5) singSection(leadTrack, section, key, at, 28, 69, 88, true);
        at += section.beats();
    }
    song.tracks = {kick, clap, shaker, toms, bassTrack, marimba, leadTrack, strings};
    song.summary = describe("D dorian", song.bpm, song.beats,
                            "intro (marimba, toms) - A - B - A - breakdown B - A' - B, A7 back to Dm");
    return song;
}

// The won level: C major fanfare with brass, timpani and bells.
Song win() {
    Song song{"win.ogg", "", 100, 112, 0.5, 0.3f, 0.2f, {}};
    const Key key = majorKey(60);
    const Progression a = bars({major(48), major(53), major(48), major(55)});
    const Progression a2 = bars({minor(57), major(53), major(55), major(48)});
    const Progression b = bars({major(53), major(55), minor(52), minor(57)});
    const Progression b2 = bars({minor(50), major(55), major(48), major(55)});
    const Progression tag = bars({major(53), major(55), minor(57), dominant7(55)});
    Track brassChords = track(Instrument::Brass, 0.1f, -0.2f), brassLead = track(Instrument::Brass, 0.2f, 0.15f);
    Track timpani = track(Instrument::Tom, 0.4f, 0), snare = track(Instrument::Snare, 0.2f, 0.1f);
    Track strings = track(Instrument::Strings, 0.08f, -0.3f), bells = track(Instrument::Bell, 0.13f, 0.4f);
    Track bassTrack = track(Instrument::Bass, 0.28f, 0);
    const std::vector<Progression> sections = {a + a2, b + b2, a + a2, tag};
    double at = 0;
    for (size_t i = 0; i < sections.size(); ++i) {
        const Progression& section = sections[i];
        const int barCount = int(section.chords.size());
        chordPattern(brassChords, section, at, FANFARE_CHORDS, 55);
        chordPattern(brassChords, section, at, {{0, 0.6, 1, 0.9f}, {0.67, 0.3, 1, 0.7f}, {1, 0.9, 1, 0.8f},
                                                {2, 1.8, 1, 0.9f}}, 55);
        chordPattern(timpani, section, at, {{0, 1, 0, 1.0f}, {2.5, 0.5, 0, 0.6f}, {3, 1, 2, 0.8f}}, 36);
        drumBars(snare, at, barCount, i == 3 ? "x.o.x.o.xoxoxxxx" : "x..o..o.x.o.x...");
        chordPattern(bassTrack, section, at, {{0, 1.5, 0, 1.0f}, {2, 1.5, 2, 0.9f}}, 36);
        holdChords(strings, section, at, 64, 1.0f);
        if (i == 1) arpeggiate(bells, section, at, 0.5, {0, 1, 2, 3, 4, 3, 2, 1}, 72, 0.9f);
        if (i != 3) singSection(brassLead, section, key, at, i == 1 ? 34 : 31, 67, 84, false);
        at += section.beats();
    }
    song.tracks = {brassChords, brassLead, timpani, snare, strings, bells, bassTrack};
    song.summary = describe("C major", song.bpm, song.beats,
                            "fanfare A - B (bells) - fanfare A - four-bar drum-roll tag, G7 back to C");
    return song;
}

// The story theme: E flat major, piano arpeggios, strings and a warm flute line.
Song storyTheme() {
    Song song{"main.ogg", "", 80, 128, 0.75, 0.35f, 0.22f, {}};
    const Key key = majorKey(63);
    const Progression a = bars({major(51), minor(48), major(56), major(58)});
    const Progression a2 = bars({major(51), minor(55), major(56), major(58)});
    const Progression b = bars({minor(48), major(56), major(51), major(58)});
    const Progression b2 = bars({major(56), major(58), minor(55), minor(48)});
    const Progression c = bars({major7(56), major(51), minor7(53), dominant7(58)});
    Track pianoTrack = track(Instrument::Piano, 0.2f, 0.2f), padTrack = track(Instrument::Pad, 0.1f, 0);
    Track bassTrack = track(Instrument::SubBass, 0.2f, 0), strings = track(Instrument::Strings, 0.16f, -0.2f);
    Track flute = track(Instrument::Flute, 0.3f, 0.1f), shaker = track(Instrument::Shaker, 0.08f, 0.4f);
    const std::vector<Progression> sections = {a + a2, a + a2, b + b2, c + c};
    double at = 0;
    for (size_t i = 0; i < sections.size(); ++i) {
        const Progression& section = sections[i];
        arpeggiate(pianoTrack, section, at, 0.5, {0, 2, 4, 2, 3, 2, 4, 2}, 55, 0.8f);
        holdChords(padTrack, section, at, 55, 1.0f);
        chordPattern(bassTrack, section, at, {{0, 2.5, 0, 1.0f}, {3, 1, 2, 0.7f}}, 39);
        if (i == 1) singSection(strings, section, key, at, 41, 67, 82, false);
        if (i == 2) {
            singSection(flute, section, key, at, 44, 70, 87, false);
            drumBars(shaker, at, 8, "x.o.x.o.x.o.x.o.");
        }
        if (i == 3) singSection(strings, section, key, at, 41, 67, 84, false);
        at += section.beats();
    }
    song.tracks = {pianoTrack, padTrack, bassTrack, strings, flute, shaker};
    song.summary = describe("E-flat major", song.bpm, song.beats,
                            "A (piano alone) - A (strings theme) - B (flute answer) - C (strings, Bb7 back to Eb)");
    return song;
}

}  // namespace

std::vector<Song> composeSongs() { return {ambient(), ingame1(), ingame2(), win(), storyTheme()}; }

}  // namespace audio
