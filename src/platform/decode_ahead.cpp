// Decoding ahead on a worker thread: the named files in order, each read and decoded off the
// game thread and held until the load that named it takes it.
#include "platform/decode_ahead.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <list>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "platform/sound_decode.h"

namespace {

// The worker starts no further file while the results it holds come to this many bytes.
constexpr size_t HELD_BYTES_LIMIT = size_t(48) << 20;

// A game file's real path made absolute: a result must not be taken for another file of the
// same relative name after the working folder changed.
std::string absolutePath(const String& file) {
    const std::string path = resolvePath(file);
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

bool startsWith(const std::vector<uint8_t>& bytes, const char* magic) {
    return bytes.size() >= 4 && std::memcmp(bytes.data(), magic, 4) == 0;
}

// What the worker made of one file. A WAV file is kept as bytes: SDL's WAV reader reads SDL's
// hints, which the game thread may be setting, so it is decoded when taken.
struct Result {
    DecodedPicture picture;
    Sound sound;
    std::vector<uint8_t> bytes;

    size_t size() const {
        size_t total = bytes.size();
        if (picture.pixmap) total += picture.pixmap->pixels.size() * sizeof(Rgba);
        if (sound) total += sound->samples.size() * sizeof(float);
        return total;
    }
};

Result decodeBytes(std::vector<uint8_t> bytes) {
    Result result;
    if (startsWith(bytes, "RIFF")) {
        result.bytes = std::move(bytes);
    } else if (startsWith(bytes, "OggS")) {
        result.sound = decodeSound(bytes, false);
    } else {
        result.picture = decodePicture(bytes);
    }
    return result;
}

// A second load of the same file gets its own copy of the sound, whose loop flag it sets.
Result share(const Result& result) {
    Result copy{result.picture, nullptr, result.bytes};
    if (result.sound) copy.sound = std::make_shared<SoundData>(*result.sound);
    return copy;
}

enum class State { QUEUED, DECODING, READY };

struct Entry {
    std::string path;  // the absolute real path
    int loads = 1;     // loads still to take it; 0 once released while the worker is at it
    State state = State::QUEUED;
    Result result;
};

class DecodeAheadCache {
public:
    ~DecodeAheadCache() { stop(); }

    void name(const std::vector<String>& files) {
        std::vector<std::string> paths;
        for (const String& file : files) paths.push_back(absolutePath(file));
        std::lock_guard guard(lock);
        releaseAll();
        taken = 0;
        for (const std::string& path : paths) {
            const auto entry = expected(path);
            if (entry != entries.end()) {
                ++entry->loads;
            } else {
                entries.push_back(Entry{path, 1, State::QUEUED, {}});
            }
        }
        startWorker();
        changed.notify_all();
    }

    // The result named for `path`; nothing when the file was not named or the worker has not
    // finished it, and the load decodes it itself: a load never waits for the worker, which
    // may be starved of the processor on a busy machine.
    std::optional<Result> take(const std::string& path) {
        std::lock_guard guard(lock);
        const auto entry = expected(path);
        if (entry == entries.end()) return std::nullopt;
        if (entry->state != State::READY) {
            // One the worker is at is dropped when it is done, unless another load named it too.
            if (--entry->loads == 0 && entry->state == State::QUEUED) entries.erase(entry);
            return std::nullopt;
        }
        ++taken;
        std::optional<Result> result = --entry->loads == 0 ? release(entry) : share(entry->result);
        changed.notify_all();
        return result;
    }

    DecodeAheadHeld held() {
        std::lock_guard guard(lock);
        const auto results = std::count_if(entries.begin(), entries.end(),
                                           [](const Entry& entry) { return entry.state == State::READY; });
        return {int(results), heldBytes};
    }

    int takenCount() {
        std::lock_guard guard(lock);
        return taken;
    }

    void waitUntilIdle() {
        std::unique_lock guard(lock);
        changed.wait(guard, [&] {
            return !worker.joinable() ||
                   (next() == entries.end() && std::none_of(entries.begin(), entries.end(), [](const Entry& entry) {
                        return entry.state == State::DECODING;
                    }));
        });
    }

    void stop() {
        {
            std::lock_guard guard(lock);
            stopping = true;
            releaseAll();
            changed.notify_all();
        }
        if (worker.joinable()) worker.join();
        std::lock_guard guard(lock);
        stopping = false;
        entries.clear();
        heldBytes = 0;
    }

private:
    void startWorker() {
        if (worker.joinable()) return;
        try {
            worker = std::thread([this] { work(); });
        } catch (const std::system_error&) {
            // No thread: every named file stays queued, and each load decodes its own.
        }
    }

    void work() {
        std::unique_lock guard(lock);
        for (;;) {
            changed.wait(guard, [&] { return stopping || next() != entries.end(); });
            if (stopping) return;
            const auto entry = next();
            entry->state = State::DECODING;
            const std::string path = entry->path;
            guard.unlock();
            Result result = decodeBytes(readRealFile(path));
            guard.lock();
            entry->result = std::move(result);
            entry->state = State::READY;
            heldBytes += entry->result.size();
            if (entry->loads == 0) release(entry);
            changed.notify_all();
        }
    }

    // The first file still to decode, while the held results leave room.
    std::list<Entry>::iterator next() {
        if (heldBytes >= HELD_BYTES_LIMIT) return entries.end();
        return std::find_if(entries.begin(), entries.end(),
                            [](const Entry& entry) { return entry.state == State::QUEUED; });
    }

    std::list<Entry>::iterator expected(const std::string& path) {
        return std::find_if(entries.begin(), entries.end(),
                            [&](const Entry& entry) { return entry.loads > 0 && entry.path == path; });
    }

    Result release(std::list<Entry>::iterator entry) {
        heldBytes -= entry->result.size();
        Result result = std::move(entry->result);
        entries.erase(entry);
        return result;
    }

    // Drops every entry; one the worker is decoding is dropped when it is done.
    void releaseAll() {
        for (auto entry = entries.begin(); entry != entries.end();) {
            if (entry->state == State::DECODING) {
                entry->loads = 0;
                ++entry;
            } else {
                heldBytes -= entry->state == State::READY ? entry->result.size() : 0;
                entry = entries.erase(entry);
            }
        }
    }

    std::mutex lock;
    std::condition_variable changed;
    std::list<Entry> entries;  // in the order named; list places stay valid while others go
    size_t heldBytes = 0;
    int taken = 0;
    bool stopping = false;
    std::thread worker;
};

DecodeAheadCache& cache() {
    static DecodeAheadCache instance;
    return instance;
}

}  // namespace

void decodeAhead(const std::vector<String>& files) { cache().name(files); }

DecodedPicture decodePictureFile(const String& file) {
    const std::string path = absolutePath(file);
    if (std::optional<Result> result = cache().take(path)) return result->picture;
    return decodePicture(readRealFile(path));
}

Sound decodeSoundFile(const String& file, bool loop) {
    const std::string path = absolutePath(file);
    std::optional<Result> result = cache().take(path);
    if (!result) return decodeSound(readRealFile(path), loop);
    if (!result->bytes.empty()) return decodeSound(result->bytes, loop);
    if (result->sound) result->sound->loop = loop;
    return result->sound;
}

DecodeAheadHeld decodeAheadHeld() { return cache().held(); }

int decodeAheadTaken() { return cache().takenCount(); }

void waitForDecodeAhead() { cache().waitUntilIdle(); }

void stopDecodeAhead() { cache().stop(); }
