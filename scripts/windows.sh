#!/usr/bin/env bash
# The tool as a Windows program, cross-built here: installs what is missing,
# unpacks the shared Qt for MinGW-w64 into build/windows/, builds SQLite and
# GoogleTest with the same compiler, cross-compiles trevalo.exe and writes
#   build/windows/trevalo-0.9-windows-x64.zip        the program, Qt's DLLs and plugins, MinGW's runtime
#   build/windows/trevalo-0.9-windows-x64-setup.exe  the installer (NSIS)
# With --tests the tests are built too and run under Wine (see windows_test.sh).
# TREVALO_QT_ARCHIVE overrides where the shared Qt is read from.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
tests=OFF
[ "${1:-}" = --tests ] && tests=ON

out=$repo/build/windows
qt_archive=${TREVALO_QT_ARCHIVE:-$repo/../shared/toolchains/qt6.4.2-mingw-w64.tar.xz}
toolchains=$(cd "$(dirname "$qt_archive")" && pwd)
qt=$out/qt6.4.2-mingw-w64
deps=$out/deps
version=$(sed -n 's/^project(trevalo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
jobs=${TREVALO_JOBS:-2}
build() { nice -n 19 "$@"; }

# --- what the machine needs ------------------------------------------------
packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 wine nsis zip xz-utils
          fonts-liberation cmake ninja-build qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools
          googletest tcl xvfb x11-utils imagemagick)
scripts/apt_install_missing.sh "${packages[@]}"
[ -r "$qt_archive" ] || { echo "No Qt for MinGW at $qt_archive" >&2; exit 1; }

# --- Qt, unpacked once per archive -------------------------------------------
mkdir -p "$out" "$deps"
stamp=$(stat -c '%s %Y' "$qt_archive")
if [ "$(cat "$qt/.unpacked-from" 2>/dev/null)" != "$stamp" ]; then
    rm -rf "$qt"
    echo "Unpacking $(basename "$qt_archive")"
    tar xJf "$qt_archive" -C "$out"
    echo "$stamp" > "$qt/.unpacked-from"
fi
export QT_HOME=$qt
toolchain=$qt/mingw-toolchain.cmake

# --- SQLite: Debian's own source, the amalgamation made natively, compiled with MinGW
# Debian packages no SQLite for MinGW, and the shared Qt keeps its copy inside
# the QSQLITE plugin. The source package comes through a sources list of our
# own, so the machine's apt configuration stays as it was.
if [ ! -s "$deps/lib/libsqlite3.a" ]; then
    src=$out/sqlite-src
    rm -rf "$src" && mkdir -p "$src/lists/partial"
    printf 'deb-src http://deb.debian.org/debian bookworm main\n' > "$src/sources.list"
    apt_own=(-o Dir::Etc::SourceList="$src/sources.list" -o Dir::Etc::SourceParts=/dev/null
             -o Dir::State::Lists="$src/lists" -o APT::Sandbox::User="$(id -un)" -qq)
    (cd "$src" && apt-get "${apt_own[@]}" update && apt-get "${apt_own[@]}" source --download-only sqlite3 > /dev/null)
    tar xJf "$src"/sqlite3_*.orig.tar.xz -C "$src"
    tree=$(find "$src" -maxdepth 1 -type d -name 'sqlite3-*' | head -1)
    mkdir -p "$tree/amalgamation"
    (cd "$tree/amalgamation" && build ../configure --disable-tcl > /dev/null && build make sqlite3.c > /dev/null)
    mkdir -p "$deps/include" "$deps/lib"
    # The same options as Debian's libsqlite3 where they matter to the history.
    build x86_64-w64-mingw32-gcc-posix -O2 -c "$tree/amalgamation/sqlite3.c" -o "$src/sqlite3.o" \
        -DSQLITE_THREADSAFE=1 -DSQLITE_ENABLE_COLUMN_METADATA -DSQLITE_DEFAULT_FOREIGN_KEYS=0
    x86_64-w64-mingw32-ar rcs "$deps/lib/libsqlite3.a" "$src/sqlite3.o"
    cp "$tree/amalgamation/sqlite3.h" "$deps/include/"
    rm -rf "$src"
fi

# --- GoogleTest, from Debian's sources ----------------------------------------
if [ "$tests" = ON ] && [ ! -d "$deps/lib/cmake/GTest" ]; then
    build cmake -S /usr/src/googletest -B "$out/gtest-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$deps" -DBUILD_GMOCK=OFF > /dev/null
    build cmake --build "$out/gtest-build" -j "$jobs" > /dev/null
    cmake --install "$out/gtest-build" > /dev/null
    rm -rf "$out/gtest-build"
fi

# --- the program --------------------------------------------------------------
# The icon in every size the Start menu and Explorer ask for, from the PNGs
# the Linux package installs.
convert $(for s in 16 24 32 48 64 128 256; do echo "packaging/icons/trevalo_$s.png"; done) "$out/trevalo.ico"
build cmake --preset windows -DTREVALO_TESTS=$tests > /dev/null
build cmake --build "$out/build" -j "$jobs"

# --- the zip and the installer ------------------------------------------------
name=trevalo-$version-windows-x64
stage=$out/stage/$name
rm -rf "$out/stage" && mkdir -p "$stage"
"$toolchains/deploy.sh" "$out/build/app/trevalo.exe" "$stage"
cp README.md "$stage/README.md"
(cd "$out/stage" && rm -f "$out/$name.zip" && zip -qr -X "$out/$name.zip" "$name")
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$out/$name-setup.exe" \
    -DICON="$out/trevalo.ico" "$repo/packaging/windows/trevalo.nsi"
echo "Wrote $out/$name.zip and $out/$name-setup.exe"
