// Shared set-up for tests that draw or load pictures: the platform started headless
// (offscreen 1024x768 software renderer) per test suite, a freshly opened display with the
// default drawing state per test, and small helpers for pictures and temporary files.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace headless {

inline Pixmap solidPixmap(int width, int height, Rgba colour) {
    return Pixmap{width, height, std::vector<Rgba>(size_t(width) * size_t(height), colour)};
}

inline Image solidImage(int width, int height, Rgba colour, int flags = 0) {
    return loadImage(solidPixmap(width, height, colour), flags);
}

// Writes raw bytes to a file and returns the file name as a game string.
inline String writeBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return toString16(path.string());
}

inline std::vector<uint8_t> fromHex(const std::string& hex) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes.push_back(uint8_t(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

// Colour channels equal within `tolerance`; alpha is not compared.
inline ::testing::AssertionResult nearColour(const Rgba& actual, int r, int g, int b, int tolerance = 2) {
    if (std::abs(actual.r - r) <= tolerance && std::abs(actual.g - g) <= tolerance && std::abs(actual.b - b) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << int(actual.r) << ", " << int(actual.g) << ", " << int(actual.b)
                                         << "), expected (" << r << ", " << g << ", " << b << ")";
}

// The platform started headless, for a whole test suite.
inline void startPlatform() {
    PlatformConfig config;
    config.headless = true;
    initPlatform(config);
}

}  // namespace headless

// A test suite with a headless display and a temporary folder of its own.
class HeadlessDisplay : public ::testing::Test {
protected:
    static void SetUpTestSuite() { headless::startPlatform(); }
    static void TearDownTestSuite() { shutdownPlatform(); }

    void SetUp() override {
        ASSERT_TRUE(openDisplay(1024, 768, 0, 60, 0));
        cls();
        std::string pattern = (std::filesystem::temp_directory_path() / "pendrel-display-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }

    void TearDown() override { std::filesystem::remove_all(folder); }

    // File name (as the game passes it) of `name` in this test's folder.
    String file(const std::string& name) const { return toString16((folder / name).string()); }

    std::filesystem::path folder;
};
