// Files: game file names to real paths, byte streams in the game's binary and
// 8-bit text formats, whole-file text loading and folder queries.
#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/internal.h"

// An open file. Reading and writing one FILE in turn needs a seek in between,
// which `prepare` does.
class StreamData {
public:
    StreamData(FILE* file, bool read, bool write) : file(file), readable(read), writable(write) {}
    ~StreamData() {
        if (file) std::fclose(file);
    }
    StreamData(const StreamData&) = delete;
    StreamData& operator=(const StreamData&) = delete;

    FILE* file;
    const bool readable;
    const bool writable;

    // The open FILE for a read (writing = false) or a write; throws when there is none.
    FILE* prepare(bool writing) {
        if (!file || (writing ? !writable : !readable)) {
            throw StreamError{writing ? "stream write error" : "stream read error"};
        }
        if (writing != lastWasWrite) std::fseek(file, 0, SEEK_CUR);
        lastWasWrite = writing;
        return file;
    }

private:
    bool lastWasWrite = false;
};

namespace {

constexpr size_t CHUNK = 65536;

bool exists(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

// A folder, a device or a pipe named where a file is expected to be read is no file: reading
// one would fail midway, never end or block.
bool namesOtherThanFile(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

std::string join(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

// The entry of `folder` whose name equals `name` ignoring case ("" if none); the
// smallest such name when several differ only in case, so the choice is stable.
std::string findIgnoringCase(const std::string& folder, const std::string& name) {
    DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!listing) return {};
    const String wanted = upper(toString16(name));
    std::string best;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string candidate = entry->d_name;
        if (upper(toString16(candidate)) == wanted && (best.empty() || candidate < best)) best = candidate;
    }
    ::closedir(listing);
    return best;
}

// Walks `path` below `base` component by component, taking the on-disk spelling of each one
// that exists only in another case; the rest is kept as written once a component is missing.
std::string resolveIgnoringCase(const std::string& base, const std::string& path) {
    std::string resolved = base;
    bool found = true;
    size_t begin = 0;
    while (begin <= path.size()) {
        size_t end = path.find('/', begin);
        if (end == std::string::npos) end = path.size();
        const std::string component = path.substr(begin, end - begin);
        begin = end + 1;
        if (component.empty()) continue;
        std::string next = join(resolved, component);
        if (found && !exists(next)) {
            const std::string match = findIgnoringCase(resolved, component);
            if (match.empty()) found = false;
            else next = join(resolved, match);
        }
        resolved = next;
    }
    return resolved;
}

// The folder the game's "data/..." names stand for; the working folder's data/ unless the
// program names another one at start.
std::string dataFolder = "data";

// True when the first component of `path` is "data" in any case.
bool inDataFolder(const std::string& path) {
    const size_t end = std::min(path.find('/'), path.size());
    return end == 4 && upper(toString16(path.substr(0, end))) == u"DATA";
}

Stream openFile(const String& file, const char* mode, bool read, bool write) {
    const std::string path = resolvePath(file);
    if (path.empty() || fileType(file) == 2 || (read && namesOtherThanFile(path))) return nullptr;
    FILE* handle = std::fopen(path.c_str(), mode);
    if (!handle) return nullptr;
    return std::make_shared<StreamData>(handle, read, write);
}

void readExactly(const Stream& stream, void* buffer, size_t count) {
    if (!stream) throw StreamError{"stream read error: no stream"};
    FILE* file = stream->prepare(false);
    if (std::fread(buffer, 1, count, file) != count) throw StreamError{"stream read error: unexpected end"};
}

void writeBytes(const Stream& stream, const void* bytes, size_t count) {
    if (!stream) throw StreamError{"stream write error: no stream"};
    FILE* file = stream->prepare(true);
    if (std::fwrite(bytes, 1, count, file) != count) throw StreamError{"stream write error"};
}

std::string lowBytes(const String& text) {
    std::string bytes(text.size(), '\0');
    std::transform(text.begin(), text.end(), bytes.begin(), [](char16_t c) { return char(c & 0xFF); });
    return bytes;
}

String latin1(const uint8_t* bytes, size_t count) { return String(bytes, bytes + count); }

String utf16(const std::vector<uint8_t>& bytes, bool bigEndian) {
    String text;
    text.reserve(bytes.size() / 2);
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        text += bigEndian ? char16_t(bytes[i] << 8 | bytes[i + 1]) : char16_t(bytes[i + 1] << 8 | bytes[i]);
    }
    return text;
}

// The bytes of the regular file at a real path, at most FILE_BYTES_LIMIT of them; nothing
// when it cannot be read whole.
std::optional<std::vector<uint8_t>> readFileBytes(const std::string& path) {
    // Opened without waiting, so a pipe cannot hold the game up before it is refused.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return std::nullopt;
    struct stat info;
    std::optional<std::vector<uint8_t>> bytes;
    if (::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) && size_t(info.st_size) <= FILE_BYTES_LIMIT) {
        bytes.emplace();
        // The size is read again as the bytes come: the file may grow or shrink meanwhile.
        for (;;) {
            const size_t old = bytes->size();
            if (old > FILE_BYTES_LIMIT) {
                bytes.reset();
                break;
            }
            bytes->resize(old + CHUNK);
            const ssize_t got = ::read(descriptor, bytes->data() + old, CHUNK);
            bytes->resize(old + size_t(std::max<ssize_t>(got, 0)));
            if (got < 0) bytes.reset();
            if (got <= 0) break;
        }
    }
    ::close(descriptor);
    return bytes;
}

}  // namespace

void setDataFolder(const std::string& folder) { dataFolder = folder; }

std::string resolvePath(const String& file) {
    std::string path = toUtf8(file);
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.empty() || path.front() == '/') return path;
    std::string base;
    if (inDataFolder(path)) {
        base = dataFolder;
        path = path.size() > 5 ? path.substr(5) : "";
    }
    const std::string joined = join(base, path);
    if (exists(joined)) return joined;
    return resolveIgnoringCase(base, path);
}

Stream readFile(const String& file) { return openFile(file, "rb", true, false); }

Stream writeFile(const String& file) { return openFile(file, "wb", false, true); }

Stream openStream(const String& file, bool read, bool write) {
    if (read && write) return openFile(file, fileType(file) == 1 ? "r+b" : "w+b", true, true);
    if (read) return readFile(file);
    if (write) return writeFile(file);
    return nullptr;
}

void closeStream(const Stream& stream) {
    if (!stream || !stream->file) return;
    FILE* file = stream->file;
    stream->file = nullptr;
    // Bytes that only reach the disk now can still fail; a writer must hear of it
    // rather than go on to replace a good file with a short one.
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    if (stream->writable && !(flushed && closed)) throw StreamError{"stream write error: flush failed"};
}

int eof(const Stream& stream) {
    if (!stream || !stream->file || !stream->readable) return 1;
    FILE* file = stream->prepare(false);
    const int next = std::fgetc(file);
    if (next == EOF) return 1;
    std::ungetc(next, file);
    return 0;
}

int readInt(const Stream& stream) {
    uint8_t bytes[4];
    readExactly(stream, bytes, 4);
    return int(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24);
}

void writeInt(const Stream& stream, int value) {
    const uint32_t bits = uint32_t(value);
    const uint8_t bytes[4] = {uint8_t(bits), uint8_t(bits >> 8), uint8_t(bits >> 16), uint8_t(bits >> 24)};
    writeBytes(stream, bytes, 4);
}

uint8_t readByte(const Stream& stream) {
    uint8_t byte;
    readExactly(stream, &byte, 1);
    return byte;
}

void writeByte(const Stream& stream, uint8_t value) { writeBytes(stream, &value, 1); }

String readString(const Stream& stream, int n) {
    // Read in chunks: a corrupt length must end in a read error, not a huge allocation.
    String text;
    std::vector<uint8_t> chunk;
    for (size_t left = size_t(std::max(n, 0)); left > 0;) {
        chunk.resize(std::min(left, CHUNK));
        readExactly(stream, chunk.data(), chunk.size());
        text += latin1(chunk.data(), chunk.size());
        left -= chunk.size();
    }
    return text;
}

void writeString(const Stream& stream, const String& text) {
    const std::string bytes = lowBytes(text);
    writeBytes(stream, bytes.data(), bytes.size());
}

String readLine(const Stream& stream) {
    String line;
    if (!stream || !stream->file || !stream->readable) return line;
    FILE* file = stream->prepare(false);
    for (int byte; (byte = std::fgetc(file)) != EOF && byte != '\n' && byte != 0;) {
        if (byte != '\r') line += char16_t(byte);
    }
    return line;
}

void writeLine(const Stream& stream, const String& text) {
    const std::string bytes = lowBytes(text) + "\r\n";
    writeBytes(stream, bytes.data(), bytes.size());
}

std::vector<uint8_t> readAllBytes(const Stream& stream) {
    std::vector<uint8_t> bytes;
    if (!stream || !stream->file || !stream->readable) return bytes;
    FILE* file = stream->prepare(false);
    for (size_t got = CHUNK; got == CHUNK && bytes.size() < FILE_BYTES_LIMIT;) {
        const size_t old = bytes.size();
        bytes.resize(old + CHUNK);
        got = std::fread(bytes.data() + old, 1, CHUNK, file);
        bytes.resize(old + got);
    }
    return bytes;
}

std::vector<uint8_t> readWholeFile(const String& file) { return readRealFile(resolvePath(file)); }

std::vector<uint8_t> readRealFile(const std::string& path) {
    return readFileBytes(path).value_or(std::vector<uint8_t>{});
}

String loadText(const String& file) {
    const std::optional<std::vector<uint8_t>> read = readFileBytes(resolvePath(file));
    if (!read) throw StreamError{"stream read error: cannot read " + toUtf8(file)};
    const std::vector<uint8_t>& bytes = *read;
    const auto startsWith = [&](std::initializer_list<uint8_t> mark) {
        return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
    };
    if (startsWith({0xFE, 0xFF})) return utf16(bytes, true);
    if (startsWith({0xFF, 0xFE})) return utf16(bytes, false);
    if (startsWith({0xEF, 0xBB, 0xBF})) return toString16(std::string(bytes.begin() + 3, bytes.end()));
    return latin1(bytes.data(), bytes.size());
}

int fileType(const String& path) {
    struct stat info;
    const std::string real = resolvePath(path);
    if (real.empty() || ::stat(real.c_str(), &info) != 0) return 0;
    return S_ISDIR(info.st_mode) ? 2 : 1;
}

int createDir(const String& path, int recurse) {
    std::string real = resolvePath(path);
    while (real.size() > 1 && real.back() == '/') real.pop_back();
    if (real.empty()) return 0;
    if (recurse == 1) {
        for (size_t slash = real.find('/', 1); slash != std::string::npos; slash = real.find('/', slash + 1)) {
            ::mkdir(real.substr(0, slash).c_str(), 0755);
        }
    }
    ::mkdir(real.c_str(), 0755);
    return fileType(toString16(real)) == 2 ? 1 : 0;
}

int readDir(const String& path) {
    // The game only asks whether the folder can be listed, so nothing stays open.
    DIR* listing = ::opendir(resolvePath(path).c_str());
    if (!listing) return 0;
    ::closedir(listing);
    return 1;
}

bool replaceFile(const String& temporary, const String& path) {
    const std::string from = resolvePath(temporary);
    const int descriptor = ::open(from.c_str(), O_RDONLY);
    if (descriptor < 0) return false;
    // On disk before the rename, so a power cut leaves the old file or the new one.
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced && std::rename(from.c_str(), resolvePath(path).c_str()) == 0;
}

bool removeFile(const String& file) { return ::unlink(resolvePath(file).c_str()) == 0; }
