// What the tests must not take from the machine they run on, set before Qt
// starts (every test main that makes a QApplication calls this first): the
// fonts, the platform and its theme and style, scaling, locale, time zone,
// the desktop's session bus and the user's configuration folders. A
// developer's desktop then runs the same suite as a fresh machine.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace testenv {

// The font files a configuration accepts (its <acceptfont> globs, plain paths).
inline std::vector<std::string> AcceptedFontFiles(const std::string& conf)
{
    std::ifstream in(conf);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> files;
    const auto from = text.find("<acceptfont>"), to = text.find("</acceptfont>");
    for (auto at = text.find("<glob>", from); from != std::string::npos && at < to; at = text.find("<glob>", at)) {
        at += 6;
        files.push_back(text.substr(at, text.find("</glob>", at) - at));
    }
    return files;
}

// Returns what is missing of the fonts the tests draw with, one line per
// file: a test main fails every test with it (listing the tests still works).
inline std::string Pin(const char* sourceDir)
{
    // Fonts: exactly the files tests/support/fonts.conf lists, whatever other
    // versions or families the machine has, and none of its own settings.
    const std::string conf = std::string(sourceDir) + "/tests/support/fonts.conf";
    std::string missing;
    const std::vector<std::string> files = AcceptedFontFiles(conf);
    if (files.empty())
        missing = "no font files listed in " + conf + "\n";
    for (const std::string& f : files)
        if (!std::filesystem::is_regular_file(f))
            missing += "font file missing: " + f + " (the tests draw with the files listed in " + conf +
                       "; tools/setup.sh test installs them)\n";
    setenv("FONTCONFIG_FILE", conf.c_str(), 1);
    unsetenv("FONTCONFIG_PATH");
    unsetenv("FONTCONFIG_SYSROOT");

    // No window system, theme, style or scaling of the desktop's.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QT_ACCESSIBILITY", "0", 0);
    for (const char* v : {"QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                          "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_FONT_DPI",
                          "QT_USE_PHYSICAL_DPI", "DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                          "AT_SPI_BUS_ADDRESS", "SESSION_MANAGER", "LANGUAGE"})
        unsetenv(v);
    setenv("LC_ALL", "C.UTF-8", 1);
    setenv("LANG", "C.UTF-8", 1);
    setenv("TZ", "UTC", 1);

    // The user's configuration (Qt's logging rules among it), caches and
    // runtime folder: a private empty place per process, removed at exit.
    static std::string home;
    char tmpl[] = "/tmp/fauneta-test-XXXXXX";
    if (const char* made = mkdtemp(tmpl)) {
        home = made;
        for (const char* sub : {"config", "cache", "data", "runtime"})
            std::filesystem::create_directory(home + "/" + sub);
        std::filesystem::permissions(home + "/runtime", std::filesystem::perms::owner_all);
        setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
        setenv("XDG_CACHE_HOME", (home + "/cache").c_str(), 1);
        setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (home + "/runtime").c_str(), 1);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(home, ignored);
        });
    }
    return missing;
}

// What a test main returns before running anything when Pin found something
// missing: each test then fails with the reason, and none is reported as
// skipped. Listing the tests still works, so ctest registers them all.
inline int Unprepared(const std::string& missing)
{
    if (missing.empty() || GTEST_FLAG_GET(list_tests))
        return 0;
    std::fputs(missing.c_str(), stderr);
    return 1;
}

} // namespace testenv
