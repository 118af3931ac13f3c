#!/usr/bin/env bash
# Builds the libFuzzer targets of the readers of documents and archives. They are not part of the
# CMake/ctest build.
#
#   tests/fuzz/build.sh [OUT_DIR]                        # OUT_DIR defaults to build/fuzz
#   build/fuzz/fuzz_zip_archive -max_total_time=240 -dict=tests/fuzz/zip.dict build/fuzz/corpus-zip
#   build/fuzz/fuzz_theme_documents -max_total_time=240 -dict=tests/fuzz/theme.dict build/fuzz/corpus-theme
#   ASAN_OPTIONS=detect_leaks=0 build/fuzz/fuzz_page_document -max_total_time=240 -timeout=120 \
#       -dict=tests/fuzz/page.dict build/fuzz/corpus-page
#   ASAN_OPTIONS=detect_leaks=0 build/fuzz/fuzz_language_file -max_total_time=240 -dict=tests/fuzz/language.dict \
#       build/fuzz/corpus-language
#   ASAN_OPTIONS=detect_leaks=0 build/fuzz/fuzz_command_documents -max_total_time=240 -timeout=60 \
#       -dict=tests/fuzz/command.dict build/fuzz/corpus-command
#
# The page and command targets link the whole framework, built here with clang and the same
# instrumentation into OUT_DIR/lib; fontconfig never frees its caches, hence no leak check (nor for the
# language target: Qt's JSON parser leaks a few hundred bytes on some broken documents). The page
# target's seeds are the hostile documents of the tests; "labels-past-limit" (a page at the control limit) takes tens of seconds a run, so add
# -max_len=4096 after the first pass to keep the runs fast.
#
# Needs clang-14 with libclang-rt-14-dev, Qt5's and jsoncpp's development files and libminizip-dev.
# By default the system's minizip is linked uninstrumented, so the fuzzer is guided by the reader's own
# branches only. Set MINIZIP_SRC to a folder holding minizip's unzip.c and ioapi.c (for example from
# `apt-get source minizip`, which needs a deb-src entry) to compile them in with the same instrumentation.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
OUT=${1:-$ROOT/build/fuzz}
CC=${CC:-clang-14}
CXX=${CXX:-clang++-14}
SAN="-g -O1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined"
mkdir -p "$OUT/obj"

QT_CFLAGS=$(pkg-config --cflags Qt5Core)
QT_LIBS=$(pkg-config --libs Qt5Core)

UNZIP_OBJS=()
UNZIP_LIBS=$(pkg-config --libs minizip)
if [[ -n "${MINIZIP_SRC:-}" ]]; then
    for src in unzip ioapi; do
        "$CC" $SAN -fsanitize=fuzzer-no-link -fPIC -w -I"$MINIZIP_SRC" -c "$MINIZIP_SRC/$src.c" -o "$OUT/obj/$src.o"
        UNZIP_OBJS+=("$OUT/obj/$src.o")
    done
    UNZIP_LIBS=
fi

# build_target NAME SOURCE... [LINK FLAGS...]: one fuzzer executable from the given sources, Qt Core, zlib
# and the unzip library; further libraries go in as arguments, e.g. $(pkg-config --libs jsoncpp Qt5Gui).
build_target() {
    local name=$1
    shift
    "$CXX" -std=c++17 -fPIC $SAN -fsanitize=fuzzer -I"$ROOT/framework" $QT_CFLAGS \
        "$@" "${UNZIP_OBJS[@]}" -o "$OUT/$name" $QT_LIBS $UNZIP_LIBS -lz
    echo "built $OUT/$name"
}

build_target fuzz_zip_archive "$ROOT/tests/fuzz/fuzz_zip_archive.cpp" "$ROOT/framework/theme/KIVZipArchive.cpp"

# The readers of a theme's documents: style document and theme entries.
#   build/fuzz/fuzz_theme_documents -max_total_time=240 -dict=tests/fuzz/theme.dict build/fuzz/corpus-theme
build_target fuzz_theme_documents "$ROOT/tests/fuzz/fuzz_theme_documents.cpp" \
    "$ROOT/framework/theme/ThemeDocuments.cpp" "$ROOT/framework/theme/KIVQResourceManagerImpl.cpp" \
    "$ROOT/framework/core/JsonRead.cpp" "$ROOT/framework/core/StyleTypes.cpp" \
    $(pkg-config --cflags --libs jsoncpp Qt5Gui Qt5Svg)

# The language readers: the manager's JSON document and a theme's "language.txt" table.
#   ASAN_OPTIONS=detect_leaks=0 build/fuzz/fuzz_language_file -max_total_time=240 -dict=tests/fuzz/language.dict \
#       build/fuzz/corpus-language
"$(pkg-config --variable=host_bins Qt5Core)/moc" "$ROOT/framework/theme/LanguageManager.h" \
    -o "$OUT/obj/moc_LanguageManager.cpp"
build_target fuzz_language_file "$ROOT/tests/fuzz/fuzz_language_file.cpp" \
    "$ROOT/framework/theme/LanguageManager.cpp" "$OUT/obj/moc_LanguageManager.cpp" \
    "$ROOT/framework/theme/ThemeReader.cpp" "$ROOT/framework/theme/KIVZipArchive.cpp" \
    "$ROOT/framework/theme/ThemeDocuments.cpp" "$ROOT/framework/theme/KIVQResourceManagerImpl.cpp" \
    "$ROOT/framework/core/JsonRead.cpp" "$ROOT/framework/core/StyleTypes.cpp" \
    $(pkg-config --cflags --libs jsoncpp Qt5Gui Qt5Svg)

# Page documents: the framework built as a static library with clang, then the target linked to it.
cmake -S "$ROOT" -B "$OUT/lib" -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_COMPILER="$CXX" \
    -DCMAKE_CXX_FLAGS="$SAN -fsanitize=fuzzer-no-link" -DCAREVIX_BUILD_TESTS=OFF -DCAREVIX_BUILD_BENCH=OFF >/dev/null
cmake --build "$OUT/lib" --target kivqtlib --parallel "${CAREVIX_JOBS:-$(nproc)}"
build_target fuzz_page_document "$ROOT/tests/fuzz/fuzz_page_document.cpp" -DQT_NO_CAST_FROM_BYTEARRAY \
    "$OUT/lib/framework/libkivqtlib.a" $(pkg-config --cflags --libs jsoncpp Qt5Widgets Qt5Svg)

# Command documents: a ribbon configuration and a menu document from the same bytes, on the same library.
build_target fuzz_command_documents "$ROOT/tests/fuzz/fuzz_command_documents.cpp" -DQT_NO_CAST_FROM_BYTEARRAY \
    "$OUT/lib/framework/libkivqtlib.a" $(pkg-config --cflags --libs jsoncpp Qt5Widgets Qt5Svg)

# Seed corpora, made fresh rather than shipped. seeds DIR runs the Python on stdin with write(name, data)
# defined: data is bytes, or a document written as compact JSON.
seeds() {
    command -v python3 >/dev/null || return 0
    mkdir -p "$1"
    { cat <<'PY'
import json, os, struct, sys, zlib
out = sys.argv[1]
def write(name, data):
    with open(os.path.join(out, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else json.dumps(data, ensure_ascii=False, separators=(",", ":")).encode())
PY
      cat; } | python3 - "$1"
}

seeds "$OUT/corpus-zip" <<'PY'
import io, warnings, zipfile
def archive(name, items):
    buf = io.BytesIO()
    with zipfile.ZipFile(buf, "w") as z:
        for item, data, method in items:
            z.writestr(zipfile.ZipInfo(item) if item.endswith("/") else item, data, compress_type=method)
    write(name, buf.getvalue())
text = b"".join(b"line %d of a theme file\n" % i for i in range(200))
archive("theme.zip", [("style.json", b'{"style": {"fill": []}}', zipfile.ZIP_DEFLATED),
                      ("images/", b"", zipfile.ZIP_STORED),
                      ("images/logo.png", bytes(range(256)), zipfile.ZIP_STORED),
                      ("theme.json", text, zipfile.ZIP_DEFLATED)])
archive("names.zip", [("../../evil.txt", b"x", zipfile.ZIP_STORED),
                      ("c:\\dir\\..\\x.png", b"y", zipfile.ZIP_DEFLATED),
                      ("/abs.txt", b"z" * 100, zipfile.ZIP_DEFLATED)])
archive("zeros.zip", [("zeros.bin", bytes(200000), zipfile.ZIP_DEFLATED)])
# The hostile archives of the tests: one name twice, and an image that declares 30000 by 30000.
warnings.simplefilter("ignore")  # the repeated names are the point
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
bomb = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 30000, 30000, 8, 0, 0, 0, 0)) +
        chunk(b"IDAT", zlib.compress(bytes(4 * 30001))) + chunk(b"IEND", b""))
archive("duplicates.zip", [("style.json", b'{"style": []}', zipfile.ZIP_DEFLATED), ("a.txt", b"first", zipfile.ZIP_STORED),
                           ("style.json", b'{"style": [{"type": 1}]}', zipfile.ZIP_DEFLATED),
                           ("a.txt", b"last", zipfile.ZIP_STORED)])
archive("bomb.zip", [("style.json", b'{"style": []}', zipfile.ZIP_DEFLATED), ("images/bomb.png", bomb, zipfile.ZIP_STORED)])
PY

# The image files that the page and command seeds name, by absolute path: a compressed SVG that inflates
# to 1.5 GB, a PNG declaring 30000 by 30000, an icon file holding that PNG under a 256-pixel entry, and a
# small SVG and PNG that load.
seeds "$OUT/images" <<'PY'
head = (b'<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16">'
        b'<rect width="16" height="16" fill="#ff0000"/><!--')
tail = b"--></svg>"
def svgz(megabytes):
    # A fully flushed block of spaces decodes alone, so one compressed megabyte is repeated.
    c = zlib.compressobj(9, zlib.DEFLATED, -15)
    block = b" " * (1 << 20)
    first = c.compress(head) + c.flush(zlib.Z_FULL_FLUSH)
    middle = c.compress(block) + c.flush(zlib.Z_FULL_FLUSH)
    last = c.compress(tail) + c.flush(zlib.Z_FINISH)
    crc = zlib.crc32(head)
    for _ in range(megabytes):
        crc = zlib.crc32(block, crc)
    crc = zlib.crc32(tail, crc)
    size = (len(head) + megabytes * len(block) + len(tail)) & 0xffffffff
    return b"\x1f\x8b\x08\0\0\0\0\0\0\x03" + first + middle * megabytes + last + struct.pack("<II", crc, size)
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
def png(width, height, rows):
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 0, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(bytes((width + 1) * rows))) + chunk(b"IEND", b""))
write("bomb.svgz", svgz(1500))
write("icon.svgz", svgz(0))
huge = png(30000, 30000, 4)
write("huge.png", huge)
write("huge.ico", struct.pack("<HHHBBBBHHII", 0, 1, 1, 0, 0, 0, 0, 1, 32, len(huge), 22) + huge)
write("icon.png", png(16, 16, 16))
PY

# The page target: the hostile documents of the tests, with a smaller caption.
seeds "$OUT/corpus-page" <<'PY'
def page(children, **root):
    root["elements"] = [{"type": "qtcontainer", "w": 200, "h": 100, "child": children}]
    return root
label = {"type": "qtlabel", "x": 2, "y": 2, "w": 40, "h": 12}
write("labels-past-limit", page([label] * 20010))
write("overflow-child", page([{"type": "qtlabel", "x": 2147483642, "y": 2147483600, "w": 2147483647,
                               "h": 2147483647}]))
write("overflow-layout", page([{"type": "qtlabel", "layout": {"type": 1}, "x": -2147483648, "w": 2147483647,
                                "h": 5}]))
write("window-30000", page([], w=30000, h=30000))
write("window-minimum", page([], w=100000, minW=100000, minH=2147483647))
write("long-captions", page([dict(label, attr={"text": "W" * 65536}),
                             {"type": "qtbutton", "w": 120, "h": 24, "attr": {"text": "W" * 65536}}]))
write("nested", page([{"type": "qtcontainer", "childLayout": 0, "child": [
    {"type": "qtbutton", "layout": {"type": 0, "ratio": 2}, "attr": {"text": "|->key"}},
    {"type": "qtspacer", "widthPolicy": 1, "w": 30},
    {"type": "qtlabel", "absoluteDockHor": 2, "absoluteDockOffsetX": -2147483648}]}], trans=True, resize=True))
images = os.path.join(os.path.dirname(os.path.abspath(out)), "images") + "/"
write("images", page([{"type": "qtbutton", "w": 40, "h": 40, "attr": {"iconPath": images + "bomb.svgz"}},
                      {"type": "qtpicture", "w": 40, "h": 40, "attr": {"svgPath": images + "bomb.svgz"}},
                      {"type": "qtpicture", "w": 40, "h": 40, "attr": {"path": images + "huge.ico"}},
                      {"type": "qtcombobox", "w": 90, "h": 24, "attr": {"btnIcon": images + "huge.png"}},
                      {"type": "qtbutton", "w": 40, "h": 40, "attr": {"iconPath": images + "icon.svgz"}}]))
PY

# The theme documents: [u16 style length][u16 theme length][style][theme].
seeds "$OUT/corpus-theme" <<'PY'
style = (b'{"style": [{"type": 1, "name": "panel", "drawImg": false, "clr": "80102030", "border": true,'
         b' "borderSize": 2, "leftBorder": false, "margin": [1, 2, 3, 4], "round": 4, "roundTopLeft": false,'
         b' "repeatCenter": true}, {"type": 2, "name": "t", "clr": "ff00ff00", "size": 14, "bold": true,'
         b' "isHor": false, "family": "Sans", "x": 3}, {"type": 1, "name": "empty"}]}')
theme = (b'{"elements": [{"child": [{"name": "qtlabel", "style": [["panel", 1, 0]], "attr": {"text": "x"}},'
         b' {"name": "qtbutton"}, {"attr": {}}]}, {"child": []}]}')
def both(name, s, t):
    write(name, struct.pack("<HH", len(s), len(t)) + s + t)
both("full", style, theme)
both("styleonly", style, b"")
both("comments", b'// c\n{"style": [ /* x */ {"type": 2}]}', b"null")
PY

# The command documents: a ribbon with one of everything it reads, and a nested menu.
seeds "$OUT/corpus-command" <<'PY'
command = {"id": "new", "text": "New", "icon": "n.svg", "tooltip": "t", "checkable": True, "checked": True}
widgets = [{"type": "widget", "control": c, "id": c, "width": 60, "min": 1, "max": 9, "value": 4, "text": "x",
            "items": ["A", 2, True], "currentIndex": 1, "checked": True} for c in
           ("comboBox", "lineEdit", "spinBox", "checkBox", "radioButton", "switch", "progressBar", "label")]
write("ribbon", {"schemaVersion": 1, "layoutMode": "compact", "minimized": False, "currentPage": "home",
                 "application": {"text": "File", "menu": [command, {"separator": True},
                                                          {"text": "Sub", "items": [command]}]},
                 "quickAccess": [command], "topRight": widgets[:2],
                 "pages": [{"id": "home", "text": "Home", "groups": [{"id": "g", "text": "G", "expanding": True,
                     "items": [dict(command, size="medium", popup="split", menu=[command]), {"type": "separator"},
                               {"type": "gallery", "columns": 3, "rows": 2, "items": [command] * 4}] + widgets}]}],
                 "contextGroups": [{"id": "c", "text": "C", "color": "#80ff0000", "visible": True,
                                    "pages": [{"id": "p", "groups": [{"items": [command]}]}]}]})
write("menu", {"background": "panel", "item0": "a", "text1": "b",
               "items": [{"text": "Open", "icon": "o.png"}, {"text": "Recent", "items": [{"text": "Bed 3"}]}]})
# Icons from the image folder: the compressed bomb, the huge PNG and icon file, and two that load.
images = os.path.join(os.path.dirname(os.path.abspath(out)), "images") + "/"
names = ("bomb.svgz", "huge.png", "huge.ico", "icon.svgz", "icon.png")
icons = [dict(command, id=name, icon=images + name) for name in names]
write("ribbon-icons", {"schemaVersion": 1, "quickAccess": icons[:3],
                       "pages": [{"id": "home", "groups": [{"items": icons[2:] + [
                           {"type": "gallery", "items": icons}]}]}]})
write("menu-icons", {"items": [{"text": name, "icon": images + name} for name in names]})
PY

# The language readers: a table as the application would ship it, in both forms, and the shapes the
# manager turns away.
seeds "$OUT/corpus-language" <<'PY'
# The captions of the ward window, as a translator would hand them over.
texts = {"en": {"overview": "Ward Overview", "records": "Patient Records", "selected": "Selected Patient",
                "empty": ""},
         "zh": {"overview": "\u75c5\u533a\u603b\u89c8", "records": "\u60a3\u8005\u8d44\u6599",
                "selected": "\u5f53\u524d\u60a3\u8005"}}
write("valid", {"defaultLanguage": "en", "languages": texts})
write("empty", b"{}")
write("nested", b'{"defaultLanguage": "en", "languages": {"en": ' + b'{"a": ' * 60 + b'"x"' + b"}" * 61 + b"}")
write("wrong-types", {"defaultLanguage": 1, "languages": {"en": ["Ward"], "zh": {"ward": 3, "bed": None}}})
rows = ["Language\ten\tzh"] + ["%s\t%s\t%s" % (k, v, texts["zh"].get(k, "")) for k, v in texts["en"].items()]
write("table", b"\xff\xfe" + "\r\n".join(rows + ["short", ""]).encode("utf-16-le"))
# Past the caps on languages: more than are read, and an identifier too long to be one.
many = ["l%d" % i for i in range(300)]
write("table-past-cap", "\r\n".join(["\t".join(["Language"] + many + ["x" * 65]), "\t".join(["k"] * 302)]).encode("utf-16-le"))
write("document-past-cap", {"defaultLanguage": "zz", "languages": dict({i: {"k": i} for i in many + ["x" * 65]}, zz={"k": "z"})})
PY
