#pragma once

// A page of 1,000 controls, written as the designer would: a vertical root container, 27 horizontal row
// containers, and in each row 36 leaves cycling label, button, label, button, label, spacer. Shared by
// the page build benchmark and the test that pins what a build produces.

#include <QByteArray>

namespace GeneratedPage {

constexpr int kRows = 27;
constexpr int kLeaves = 36;
constexpr int kControls = 1 + kRows + kRows * kLeaves;

// varied: also hidden, disabled and styled leaves, long captions that elide, a wrapping row and a docked
// child, so that a build that skips work on any of them shows.
inline QByteArray document(bool varied = false)
{
    QByteArray page = R"({"w": 1400, "h": 900, "elements": [{"type": "qtcontainer", "name": "root",
        "attr": {"childLayout": 1, "space": 2}, "child": [)";
    for (int r = 0; r < kRows; ++r) {
        const bool flowing = varied && r == 3;
        page += (r ? ",\n" : "\n");
        page += R"({"type": "qtcontainer", "name": "row)" + QByteArray::number(r) +
                R"(", "layout": {"type": 0, "ratio": 1}, "widthPolicy": 0, "attr": {"childLayout": )" +
                (flowing ? "2" : "0") + R"(, "space": 4}, "child": [)";
        for (int i = 0; i < kLeaves; ++i) {
            const int k = r * kLeaves + i;
            const QByteArray n = QByteArray::number(k);
            QByteArray extra;
            if (varied && k % 7 == 3)
                extra += R"("visibility": false, )";
            if (varied && k % 11 == 5)
                extra += R"("enable": false, )";
            if (varied && k % 13 == 4)
                extra += R"("style": [["pageNote", 2, 0]], )";
            if (varied && k % 97 == 50)
                extra += R"("absoluteDockHor": 2, "absoluteDockVer": 1, "absoluteDockOffsetX": -3, )";
            const QByteArray caption = varied && k % 5 == 2 ? "A longer caption that cannot fit " + n : "Item " + n;
            page += i ? "," : "";
            switch (i % 6) {
            case 5:
                page += R"({"type": "qtspacer", "name": "s)" + n + R"(", )" + extra +
                        R"("layout": {"type": 0, "ratio": 1}})";
                break;
            case 1:
            case 3:
                page += R"({"type": "qtbutton", "name": "b)" + n + R"(", )" + extra +
                        R"("w": 34, "h": 24, "widthPolicy": 1, "attr": {"text": "Go )" + n + R"("}})";
                break;
            default:
                page += R"({"type": "qtlabel", "name": "l)" + n + R"(", )" + extra +
                        R"("w": 30, "h": 20, "attr": {"text": ")" + caption + R"("}})";
                break;
            }
        }
        page += "]}";
    }
    page += "]}]}";
    return page;
}

// A small theme with one entry for each type the page uses, and the styles they name.
inline QByteArray themeStyles()
{
    return R"({"style": [
        {"type": 1, "name": "pageBg", "drawImg": false, "clr": "ffeef2f4"},
        {"type": 1, "name": "pageButton", "drawImg": false, "clr": "ff0a7f6f", "round": 4},
        {"type": 1, "name": "pageButtonHot", "drawImg": false, "clr": "ff0c9a87", "round": 4},
        {"type": 2, "name": "pageText", "clr": "ff1b3a4b", "size": 11, "family": "DejaVu Sans"},
        {"type": 2, "name": "pageNote", "clr": "ff7b8a93", "size": 8, "family": "DejaVu Sans", "italic": true},
        {"type": 2, "name": "pageCaption", "clr": "ffffffff", "size": 10, "bold": true, "family": "DejaVu Sans"}]})";
}

inline QByteArray themeEntries()
{
    return R"({"elements": [{"child": [
        {"name": "qtcontainer", "style": [["pageBg", 1, 0]]},
        {"name": "qtlabel", "style": [["pageText", 2, 0]]},
        {"name": "qtbutton", "style": [["pageButton", 1, 0], ["pageButtonHot", 1, 1], ["pageCaption", 2, 4]]},
        {"name": "qtspacer", "attr": {}}]}]})";
}

} // namespace GeneratedPage
