# Shared by scripts/tools/windows-program and scripts/checks/wine-gui: where Qt for
# Windows lies, ../shared/qt6-mingw beside the project or build/qt6-mingw made by
# scripts/tools/build-qt-mingw.
#   pemrix_qt_for_windows <project-root>   prints its folder; fails when there is none
pemrix_qt_for_windows() {
    local candidate
    for candidate in "$1/../shared/qt6-mingw" "$1/build/qt6-mingw"; do
        if [ -x "$candidate/bin/qt-cmake" ]; then
            (cd "$candidate" && pwd)
            return 0
        fi
    done
    return 1
}
