// Linux mapping of the game's operating-system services.
#include "app/os_integration.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

std::string lockFilePath(const String& name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] != '\0') return std::string(runtime) + "/" + toUtf8(name) + ".lock";
    return "/tmp/" + toUtf8(name) + "-" + std::to_string(getuid()) + ".lock";
}

void singleInstanceGuard(const String& name) {
    // The descriptor stays open (and the lock held) for the life of the process.
    int descriptor = open(lockFilePath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor < 0) return;  // no lock to be had: run anyway, as any other failure is ignored
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) exitProgram();
}

void setWindowIconFromFile(const String& file, int window) {
    if (window == 0) return;
    if (PixmapPtr icon = loadIconPixmap(file)) setWindowIcon(*icon);
}

void minimizeGameWindow(int window) {
    if (window != 0) minimizeWindow();
}

void addMinimizeBox(int) {}

namespace {
// The folder with exactly one trailing separator.
String asFolder(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return toString16(path + "/");
}
}  // namespace

String specialFolderPath() {
    // Relative values of XDG_DATA_HOME are invalid and ignored.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/') return asFolder(dataHome);
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') return asFolder(std::string(home) + "/.local/share");
    return u"";
}
