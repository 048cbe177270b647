#include "app/graphical_session.h"

#include "language/translate.h"

#include <cerrno>
#include <cstdlib>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pemrix::app {

namespace {

[[maybe_unused]] bool isSet(const EnvironmentLookup& environment, const char* name) {
    const char* value = environment(name);
    return value != nullptr && *value != '\0';
}

// Qt's own options that choose the platform or the X11 display; Qt takes them with
// one dash or two.
[[maybe_unused]] bool choosesPlatformOrDisplay(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg.starts_with("--"))
            arg.remove_prefix(1);
        if (arg == "-platform" || arg == "-display")
            return true;
    }
    return false;
}

} // namespace

std::optional<std::string> missingDisplayText(int argc, const char* const* argv,
                                              const EnvironmentLookup& environment) {
#if defined(_WIN32) || defined(__APPLE__)
    (void)argc;
    (void)argv;
    (void)environment;
    return std::nullopt;
#else
    if (choosesPlatformOrDisplay(argc, argv) || isSet(environment, "QT_QPA_PLATFORM") ||
        isSet(environment, "DISPLAY") || isSet(environment, "WAYLAND_DISPLAY"))
        return std::nullopt;
    return language::translate(
        "pemrix", "pemrix: нет графического сеанса — окнам программы нужен экран X11 или Wayland,\n"
                  "а переменные DISPLAY и WAYLAND_DISPLAY не заданы.\n"
                  "Запустите программу в графическом сеансе или на виртуальном экране Xvfb:\n"
                  "  xvfb-run -a pemrix\n"
                  "Только проверить запуск, без видимых окон:\n"
                  "  QT_QPA_PLATFORM=offscreen pemrix\n"
                  "Без окон с модулем работает pemrix-cli (pemrix-cli --help).\n");
#endif
}

#ifndef _WIN32

namespace {

bool isPrivateFolder(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::getuid() && (status.st_mode & 0777) == 0700;
}

} // namespace

std::optional<std::string> privateRuntimeFolder(const std::string& tempFolder) {
    const std::string usual = tempFolder + "/runtime-" + std::to_string(::getuid());
    // A folder in a shared temporary folder may have been made by anyone: it is taken
    // only when it is this user's and closed to others.
    if ((::mkdir(usual.c_str(), 0700) == 0 || errno == EEXIST) && isPrivateFolder(usual))
        return usual;
    std::string fresh = usual + "-XXXXXX";
    if (::mkdtemp(fresh.data()) != nullptr)
        return fresh;
    return std::nullopt;
}

void provideRuntimeFolder() {
    const char* current = std::getenv("XDG_RUNTIME_DIR");
    if (current != nullptr && *current != '\0')
        return;
    const char* temp = std::getenv("TMPDIR");
    const std::string tempFolder = temp != nullptr && *temp != '\0' ? temp : "/tmp";
    // Without one Qt warns and falls back to a folder of its own, as before.
    if (const auto folder = privateRuntimeFolder(tempFolder))
        ::setenv("XDG_RUNTIME_DIR", folder->c_str(), 1);
}

void chooseFontEngine(int, const char* const*, const EnvironmentLookup&) {}

#else

std::optional<std::string> privateRuntimeFolder(const std::string&) {
    return std::nullopt;
}

void provideRuntimeFolder() {}

// Under Wine, Qt's usual Windows font engine draws no text in edit fields, while its
// FreeType engine draws everything; Windows itself keeps the usual one. A platform
// the user chose is left alone.
void chooseFontEngine(int argc, const char* const* argv, const EnvironmentLookup& environment) {
    if (choosesPlatformOrDisplay(argc, argv) || isSet(environment, "QT_QPA_PLATFORM"))
        return;
    const HMODULE system = ::GetModuleHandleW(L"ntdll.dll");
    if (system != nullptr && ::GetProcAddress(system, "wine_get_version") != nullptr)
        ::_putenv_s("QT_QPA_PLATFORM", "windows:fontengine=freetype");
}

#endif

} // namespace pemrix::app
