#!/bin/sh
# Fails when a source file includes a header of a layer it may not use. The layers, lowest first:
#
#   platform      src/platform/*      plain C++: the profile functions, files, registry, numbers, processes
#   platform/qt   src/platform/qt/*   the Qt-side stand-ins: message boxes, file dialogs, forms runtime, form helpers
#   config        src/config/*        start-up, shared state, key tables, registry lookup, options and splash windows
#   info          src/info/*          the About window and the two reference text windows
#   editor        src/editor/*        the main window, its settings groups, the file commands and the viewer
#
# A layer may include its own headers and those of the layers below it; src/main.cpp, which wires them together,
# may include any. Qt stays out of src/platform, and the system's POSIX headers stay inside it: every layer above
# does its file work through the platform.
#
# Usage: check-layers.sh [source folder, default: the src beside this script's folder]
src=${1:-$(dirname "$0")/../src}
cd "$src" || exit 2

find . -type f \( -name '*.h' -o -name '*.cpp' \) | sed 's|^\./||' | sort | while read -r file; do
    awk -v file="$file" '
    function layerOfFile(path) {
        if (path == "main.cpp") return "main"
        if (path ~ /^platform\/qt\/[^\/]+$/) return "platform/qt"
        if (path ~ /^platform\/[^\/]+$/) return "platform"
        if (path ~ /^(config|info|editor)\/[^\/]+$/) { split(path, parts, "/"); return parts[1] }
        return ""
    }
    function layerOfHeader(header) {
        if (header ~ /^platform\/qt\//) return "platform/qt"
        if (header ~ /^(platform|config|info|editor)\//) { split(header, parts, "/"); return parts[1] }
        return ""
    }
    function fail(message) {
        printf "%s:%d: %s\n", "src/" file, FNR, message
        failed = 1
    }
    BEGIN {
        may["platform"] = " platform "
        may["platform/qt"] = " platform platform/qt "
        may["config"] = " platform platform/qt config "
        may["info"] = " platform platform/qt config info "
        may["editor"] = " platform platform/qt config info editor "
        may["main"] = " platform platform/qt config info editor "
        layer = layerOfFile(file)
        if (layer == "") {
            printf "src/%s: lies in no layer (src/platform, src/platform/qt, src/config, src/info, src/editor)\n", file
            failed = 1
            exit
        }
    }
    /^[ \t]*#[ \t]*include[ \t]*"/ {
        header = $0
        sub(/^[ \t]*#[ \t]*include[ \t]*"/, "", header)
        sub(/".*/, "", header)
        target = layerOfHeader(header)
        if (target == "")
            fail("includes \"" header "\": name a header by its layer'"'"'s folder (platform/, config/, ...)")
        else if (index(may[layer], " " target " ") == 0) {
            allowed = may[layer]
            gsub(/^ | $/, "", allowed)
            gsub(/ /, ", ", allowed)
            fail("includes \"" header "\": " layer " may use only " allowed)
        }
    }
    /^[ \t]*#[ \t]*include[ \t]*</ {
        header = $0
        sub(/^[ \t]*#[ \t]*include[ \t]*</, "", header)
        sub(/>.*/, "", header)
        if (layer == "platform" && header ~ /^Q/)
            fail("includes <" header ">: the platform layer is plain C++, without Qt")
        if (layer != "platform" && header ~ /^(unistd|fcntl|dirent|pwd|signal|poll|termios)\.h$|^sys\//)
            fail("includes <" header ">: above the platform, file and process work goes through platform functions")
    }
    END { exit failed }
    ' "$file" || echo failed
done | awk '
    /^failed$/ { failed = 1; next }
    { print; count++ }
    END {
        if (failed) {
            print "LAYER CHECK FAILED: " count " wrong-way include(s) above (layers, lowest first: platform <- platform/qt <- config <- info <- editor)"
            exit 1
        }
    }'
