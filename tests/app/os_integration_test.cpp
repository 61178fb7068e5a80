// The Linux mapping of the game's operating-system services.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/os_integration.h"

namespace {

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_.empty()) {
            unsetenv(name_);
        } else {
            setenv(name_, old_.c_str(), 1);
        }
    }

private:
    const char* name_;
    std::string old_;
};

TEST(SpecialFolder, OneTrailingSeparator) {
    ScopedEnv data("XDG_DATA_HOME", "/tmp/data//");
    EXPECT_EQ(specialFolderPath(), u"/tmp/data/");
}

TEST(SpecialFolder, FallsBackToHomeAndIgnoresRelativeValues) {
    ScopedEnv data("XDG_DATA_HOME", "relative/path");
    ScopedEnv home("HOME", "/home/player");
    EXPECT_EQ(specialFolderPath(), u"/home/player/.local/share/");
}

TEST(SpecialFolder, EmptyWithoutAnyHome) {
    ScopedEnv data("XDG_DATA_HOME", nullptr);
    ScopedEnv home("HOME", nullptr);
    EXPECT_EQ(specialFolderPath(), u"");
}

TEST(LockFile, RuntimeFolderOrTmp) {
    {
        ScopedEnv runtime("XDG_RUNTIME_DIR", "/run/user/5");
        EXPECT_EQ(lockFilePath(u"Pendrel"), "/run/user/5/Pendrel.lock");
    }
    ScopedEnv runtime("XDG_RUNTIME_DIR", nullptr);
    EXPECT_EQ(lockFilePath(u"Pendrel").rfind("/tmp/Pendrel-", 0), 0u);
}

}  // namespace
