// The music sequencer: songs as tracks of notes on a beat grid, played by the
// synthesiser's instruments into a stereo loop whose end flows into its start.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "dsp.h"

namespace audio {

enum class Instrument {
    Pad,      // slow warm detuned saws, for held chords
    Strings,  // brighter bowed pad with vibrato
    Bass,     // round filtered saw
    SubBass,  // soft sine bass for the calm pieces
    Pluck,    // short bright pluck for arpeggios
    Bell,     // glassy FM bell
    Piano,    // FM electric piano
    Marimba,  // wooden mallet
    Flute,    // breathy sine lead with vibrato
    Lead,     // filtered square lead
    Brass,    // swelling saw section
    Kick,
    Snare,
    Clap,
    Hat,
    Shaker,
    Tom,
};

// One note: where it starts and how long it is held, in beats from the loop start.
struct Note {
    double beat = 0;
    double beats = 1;
    double midi = 60;
    float velocity = 1.0f;
};

// All notes of one instrument, with its level and place (-1 left .. 1 right).
struct Track {
    Instrument instrument = Instrument::Pad;
    float gain = 1.0f;
    float pan = 0.0f;
    std::vector<Note> notes;
};

// A looping piece. Notes past the end wrap round to the start, and the echo runs
// round the loop, so the last sample leads into the first.
struct Song {
    std::string file;      // name under data/music/
    std::string summary;   // key, tempo and form, for the report
    double bpm = 120;
    int beats = 128;       // loop length
    double echoBeats = 0.75;
    float echoFeedback = 0.3f;
    float echoWet = 0.2f;
    std::vector<Track> tracks;
};

// Seconds of one beat at the song's tempo.
inline double beatSeconds(const Song& song) { return 60.0 / song.bpm; }

// Renders one note of an instrument: `seconds` held, plus its own release tail.
Samples playNote(Instrument instrument, double hz, double seconds, float velocity, uint32_t seed);

// Renders the whole loop, exactly beats × beat length long, levelled to a -2 dBFS peak.
Stereo renderSong(const Song& song);

// The five titles of the game, composed in songs.cpp.
std::vector<Song> composeSongs();

// Renders and writes every title into OUT/data/music/, and for review a spectrogram
// sheet of each and a list of their keys, tempi and forms into OUT/contact/.
void writeMusic(const std::filesystem::path& out);

}  // namespace audio
