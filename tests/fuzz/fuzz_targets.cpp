// The fuzzing entries: each writes the bytes where its reader looks for them, below a scratch
// folder made once per process, and runs the reader the way the game does at that point.
#include "fuzz/fuzz_targets.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/script.h"
#include "font/bitmap_font.h"
#include "game/globals.h"
#include "match3/scene_match3.h"
#include "persist/config.h"
#include "persist/language_file.h"
#include "persist/player.h"
#include "persist/roster.h"
#include "platform/platform.h"
#include "scenes/intro.h"

namespace fs = std::filesystem;

namespace {

// A scratch folder holding a small tree for the path entry: folders and files in several
// cases, a folder named like a picture, an empty file. Removed when the process ends.
class Sandbox {
public:
    Sandbox() {
        std::string pattern = (fs::temp_directory_path() / "pendrel-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        root_ = pattern;
        fs::create_directories(root_ / "data" / "Levels");
        fs::create_directories(root_ / "data" / "branding" / "Folder.png");
        fs::create_directories(root_ / "saves");
        std::ofstream(root_ / "data" / "Levels" / "LVLA001.lvl", std::ios::binary) << std::string(1040, '\0');
        std::ofstream(root_ / "data" / "texts.TXT", std::ios::binary) << "key=value\r\n";
        std::ofstream(root_ / "empty", std::ios::binary).flush();
    }
    ~Sandbox() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    const fs::path& root() const { return root_; }

    // Writes the bytes to a file below the folder and returns its full path.
    fs::path put(const std::string& relative, const uint8_t* data, size_t size) const {
        fs::path file = root_ / relative;
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), std::streamsize(size));
        return file;
    }

private:
    fs::path root_;
};

const Sandbox& sandbox() {
    static const Sandbox instance;
    return instance;
}

// Makes the scratch folder the working folder for readers that take relative "data/…" names.
class InSandbox {
public:
    InSandbox() : previous_(fs::current_path()) { fs::current_path(sandbox().root()); }
    ~InSandbox() { fs::current_path(previous_); }
    InSandbox(const InSandbox&) = delete;
    InSandbox& operator=(const InSandbox&) = delete;

private:
    fs::path previous_;
};

String gameName(const fs::path& path) { return toString16(path.string()); }

void levelFile(const uint8_t* data, size_t size) {
    InSandbox inside;
    sandbox().put("data/levels/lvla001.lvl", data, size);
    resetPlayers();
    g_currentPlayer = 1;
    players[1].Level = 1;
    sceneMatch3.resetAll();
    sceneMatch3._preparelevelmatch3();
    sceneMatch3._makeno3groups();
    sceneMatch3.loadLevelPreviewData();
    sceneMatch3.resetAll();
    g_currentPlayer = -1;
}

void goalTable(const uint8_t* data, size_t size) {
    TSpieler player;
    player.Create();
    player.loadAllItemsToDestroyFromDisk(gameName(sandbox().put("goals.lvl", data, size)));
    for (int level = 0; level <= PLAYER_LAST_LEVEL + 1; ++level) {
        player.isAllItemsDestroyed(level);
        for (int kind = 0; kind <= 10; ++kind) player.getItemsLeftToDestroy(level, kind);
    }
}

void profile(const uint8_t* data, size_t size) {
    TSpieler player;
    player.Create();
    player.SetURL(gameName(sandbox().put("saves/players1.ppp", data, size)));
    if (player.LoadFromDisk() == 0) player.SaveToDisk();
    player.getCurrentLevel();
    player.getChapterLevel();
}

void bestTimeTable(const uint8_t* data, size_t size) {
    const String savedFolder = g_saveDir;
    g_saveDir = gameName(sandbox().root() / "saves") + u"/";
    sandbox().put("saves/besttimes.ppp", data, size);
    if (loadBestTimes() == 0) recordBestTime(1, 1, u"fuzz");
    g_saveDir = savedFolder;
}

void settings(const uint8_t* data, size_t size) {
    const int savedPlayer = g_currentPlayer;
    TConfig loaded;
    loaded.setUrl(gameName(sandbox().put("saves/settings.txt", data, size)));
    if (loaded.LoadFromDisk() == 0) {
        currentPlayer();
        loaded.SaveToDisk();
    }
    g_currentPlayer = savedPlayer;
}

void languageText(const uint8_t* data, size_t size) {
    vexaTLanguageFile texts;
    texts.loadFromDisk(gameName(sandbox().put("codetexts.txt", data, size)), u"=");
    texts.getValue(u"noname");
    texts.getValue(u"");
    texts.reload();
}

void fontFile(const uint8_t* data, size_t size) {
    try {
        std::unique_ptr<TBitmapFont> font = loadBitmapFont(gameName(sandbox().put("font.bmf", data, size)), nullptr);
        if (!font) return;
        for (int code = 0; code < 256; ++code) {
            font->GetCharOffset(code);
            font->GetFaceInfo(code);
        }
        const String sample = u"Pendrel 0123, \u00e4\u00f6\u00fc!";
        font->GetTxtWidth(sample);
        font->DrawText(sample, 512, 384, 1, 1);
        font->DrawTextMaxWidth(sample + u" " + sample, 100, 100, 120, 1);
    } catch (const TBitmapFontLoadException&) {
        // A damaged font is reported by this exception; the game shows an error box and ends.
    }
}

void splashConfiguration(const uint8_t* data, size_t size) {
    InSandbox inside;
    sandbox().put("data/branding/splashconfig.txt", data, size);
    vexaTSceneIntro intro;
    intro.setW(1);
    intro.Prepare();
    for (int frame = 0; frame < 3; ++frame) intro.Update();
    intro.Leave();
    resetShellGlobals();
}

void scriptFile(const uint8_t* data, size_t size) {
    std::string error;
    std::optional<ScriptPlayer> script = ScriptPlayer::load(sandbox().put("script.txt", data, size).string(), error);
    if (!script) return;
    for (int frame = 1; frame <= 3; ++frame) {
        script->shotsAt(frame);
        script->quitsAt(frame);
        script->eventsAt(frame);
    }
}

// Pictures are read as the game reads them: whole, in cells, and as pixels.
void picture(const char* file, const uint8_t* data, size_t size) {
    const String name = gameName(sandbox().put(file, data, size));
    Image image = loadImage(name, IMAGE_MASKED | IMAGE_FILTERED);
    if (image) lockImage(image, 0, true, false);
    loadAnimImage(name, 16, 16, 0, 4, 0);
    loadPixmap(name);
}

void png(const uint8_t* data, size_t size) { picture("picture.png", data, size); }
void jpeg(const uint8_t* data, size_t size) { picture("picture.jpg", data, size); }
void bmp(const uint8_t* data, size_t size) { picture("picture.bmp", data, size); }
void tga(const uint8_t* data, size_t size) { picture("picture.tga", data, size); }

void ico(const uint8_t* data, size_t size) { loadIconPixmap(gameName(sandbox().put("icon.ico", data, size))); }

void sound(const char* file, const uint8_t* data, size_t size) {
    const String name = gameName(sandbox().put(file, data, size));
    loadSound(name, 0);
    loadSound(name, SOUND_LOOP);
}

void ogg(const uint8_t* data, size_t size) { sound("sound.ogg", data, size); }
void wav(const uint8_t* data, size_t size) { sound("sound.wav", data, size); }

// A name stays inside the scratch folder when it is relative and climbs out of nothing.
bool staysInside(const std::string& resolved) {
    return !resolved.empty() && resolved.front() != '/' && resolved.find("..") == std::string::npos;
}

// Game file names as typed into the splash configuration or made from level numbers: every
// name is resolved, asked about and opened; those that stay inside the scratch folder are
// also read as text, picture and sound (outside it, reading could meet any file of the system).
void pathName(const uint8_t* data, size_t size) {
    InSandbox inside;
    const String name = toString16(std::string(reinterpret_cast<const char*>(data), size));
    const std::string resolved = resolvePath(name);
    fileType(name);
    readDir(name);
    if (Stream stream = readFile(name)) {
        eof(stream);
        closeStream(stream);
    }
    if (!staysInside(resolved)) return;
    try {
        loadText(name);
    } catch (const StreamError&) {
        // An unreadable text is reported by this exception.
    }
    loadImage(name, 0);
    loadSound(name, 0);
}

}  // namespace

const std::vector<FuzzTarget>& fuzzTargets() {
    static const std::vector<FuzzTarget> targets = {
        {"level", levelFile},   {"goals", goalTable},
        {"profile", profile},   {"besttimes", bestTimeTable},
        {"settings", settings}, {"language", languageText},
        {"font", fontFile},     {"splash", splashConfiguration},
        {"script", scriptFile}, {"png", png},
        {"jpeg", jpeg},         {"ogg", ogg},
        {"wav", wav},           {"bmp", bmp},
        {"tga", tga},           {"ico", ico},
        {"path", pathName},
    };
    return targets;
}

const FuzzTarget* findFuzzTarget(const std::string& name) {
    for (const FuzzTarget& target : fuzzTargets())
        if (name == target.name) return &target;
    return nullptr;
}
