#include "ControlSamples.h"

#include "core/ControlInfo.h"
#include "core/KIVQtLib.h"

#include <map>
#include <string>

namespace TestSupport {

namespace {

// One row per registered type name.
const std::map<std::string, ControlSample>& samples()
{
    static const std::map<std::string, ControlSample> table = {
        {"qtbutton",
         {"{}",
          R"({"style": [["contractFill", 1, 0], ["contractFillDown", 1, 2], ["contractText", 2, 4]],
              "attr": {"hasIcon": 0, "iconPath": "a.svg", "hotIconPath": "b.svg", "isExtBtn": 1, "extWidth": 12,
                       "extIconPath": "c.svg", "extHotIconPath": "d.svg", "text": "Admit", "showText": 0,
                       "drawBackground": 0, "fadeEnabled": 1, "fadeDuration": 300, "iconHor": 2, "iconVer": 0,
                       "iconX": 3, "iconY": 4, "iconUseColor": 1, "iconColor": "FF112233", "txtX": 5, "txtY": 6}})",
          "clicked() pressed() released() enterSignal() leaveSignal()"}},
        {"qtcheckbox",
         {R"({"attr":{"hotIconPath":"IDB_UNCHECK","iconHor":0,"iconPath":"IDB_UNCHECK","sHotIconPath":"IDB_CHECKED",)"
          R"("siconPath":"IDB_CHECKED"}})",
          R"({"style": [["contractFill", 1, 0], ["contractFillDown", 1, 4], ["contractText", 2, 8],
                        ["contractText", 2, 9], ["contractText", 2, 10]],
              "attr": {"iconHor": 2, "iconVer": 0, "iconX": 3, "iconY": 4, "showIcon": 0, "showText": 0,
                       "text": "Fall risk", "iconPath": "u.png", "hotIconPath": "uh.png", "siconPath": "c.png",
                       "sHotIconPath": "ch.png", "disableIconPath": "du.png", "disableSIconPath": "dc.png"}})",
          "clicked() pressed() released() stateChanged(int)"}},
        {"qtcontainer",
         {R"({"attr":{"childLayout":4}})",
          R"({"style": [["contractFill", 1, 0], ["contractFillDown", 1, 1]],
              "attr": {"childLayout": 1, "space": 3, "paddingLeft": 1, "paddingTop": 2, "paddingRight": 3,
                       "paddingBottom": 4, "absoluteDockAutoSize": 1}})",
          "mouseClickEvent()"}},
        {"qtlabel", {R"({"style":null})", R"({"style": [["contractText", 2, 0]], "attr": {"text": "Ward 7"}})", ""}},
        {"qtpicture",
         {"{}", R"({"attr": {"path": "a.png", "fill": 0, "svgUseColor": 1, "svgColor": "80112233"}})", "clicked()"}},
        {"qtradiobox",
         {R"({"attr":{"iconX":10}})",
          R"({"style": [["contractFill", 1, 0], ["contractFillDown", 1, 4], ["contractText", 2, 8],
                        ["contractText", 2, 9], ["contractText", 2, 10]],
              "attr": {"pushlike": 1, "showIcon": 0, "showText": 0, "iconPath": "u.png", "hotIconPath": "uh.png",
                       "siconPath": "c.png", "sHotIconPath": "ch.png", "iconHor": 2, "iconVer": 0,
                       "text": "Night", "iconX": 3, "iconY": 4}})",
          "clicked() pressed() released() pressedEvent()"}},
        {"qtscrollbar",
         {R"({"style":null})",
          R"({"style": [["contractFill", 1, 0], ["contractFill", 1, 2], ["contractFillDown", 1, 8],
                        ["contractFill", 1, 10]],
              "attr": {"upicon": "up.svg", "downicon": "down.svg", "thumbicon": "thumb.svg", "hor": true}})",
          ""}},
        {"qtspacer", {R"({"attr":null})", R"({"attr": {"direction": 2, "thickness": 7}})", ""}},
        {"qtslider",
         {R"({"style":null})",
          R"({"style": [["contractFill", 1, 0], ["contractFillDown", 1, 2], ["contractFill", 1, 4]],
              "attr": {"isHor": false, "thumbW": 12, "thumbH": 14, "channelSize": 4, "min": -5, "val": 20}})",
          ""}},
        {"qttab",
         {R"({"style":null})",
          R"({"style": [["contractFill", 1, 0], ["contractFillDown", 1, 1], ["contractText", 2, 5]],
              "attr": {"itemSize": 80, "isHor": false, "itemSpace": 4, "showText": 0, "hasIcon": 0}})",
          ""}},
        {"qtprogressbar",
         {R"({"style":null})",
          R"({"style": [["contractFill", 1, 0], ["contractFillDown", 1, 2], ["contractText", 2, 4]],
              "attr": {"showText": 1, "val": 42}})",
          ""}},
        {"qtgroupbox",
         {R"({"attr":{"color":"FF000000","size":1}})",
          R"({"style": [["contractFill", 1, 0], ["contractText", 2, 2]],
              "attr": {"text": "Beds", "size": 3, "color": "80112233", "showText": 0}})",
          ""}},
        {"qtlcdnumber",
         {R"({"attr":{"color":"FF000000","digitCount":5,"text":"0"},"style":null})",
          R"({"style": [["contractFill", 1, 0]], "attr": {"digitCount": 8, "color": "FF112233", "text": "12:30"}})",
          ""}},
        {"qtstackcontainer",
         {R"({"heightPolicy":0,"layout":{"ratio":1,"type":0},"style":null,"widthPolicy":0})",
          R"({"style": [["contractFill", 1, 0], ["contractFillDown", 1, 1]], "attr": {"drawBackground": 0}})", ""}},
        {"qtdedit",
         {R"({"style":null})",
          R"({"style": [["contractFill", 1, 0], ["contractFillDown", 1, 2], ["contractText", 2, 4],
                        ["contractText", 2, 9]],
              "attr": {"text": "bed 4", "ispassord": 1, "tip": "Search", "shortcut": 1, "leftMargin": 1,
                       "rightMargin": 2, "topMargin": 3, "bottomMargin": 4}})",
          ""}},
        {"qtscrollview", {R"({"attr":null,"style":null})", R"({"style": [["contractFill", 1, 0]]})", ""}},
        {"qttext",
         {R"({"style":null})",
          R"({"style": [["contractFill", 1, 0], ["contractFillDown", 1, 2], ["contractText", 2, 4]],
              "attr": {"text": "notes", "tip": "Type here", "leftMargin": 1, "rightMargin": 2, "topMargin": 3,
                       "bottomMargin": 4}})",
          ""}},
        {"qtdatagrid",
         {R"({"attr":{"checkedImg":"IDB_CHECKED","itemHeight":20,"uncheckImg":"IDB_UNCHECK"}})",
          R"({"style": [["contractFill", 1, 0], ["contractFill", 1, 2], ["contractFillDown", 1, 3],
                        ["contractText", 2, 6], ["contractFill", 1, 10], ["contractText", 2, 14]],
              "attr": {"multiselect": true, "itemHeight": 33, "checkstyle": true, "checkedImg": "c.png",
                       "uncheckImg": "u.png"}})",
          ""}},
        {"qtcombobox",
         {"{}",
          R"({"style": [["contractFill", 1, 0], ["contractFillDown", 1, 5], ["contractText", 2, 8],
                        ["contractFill", 1, 12], ["contractFill", 1, 13], ["contractText", 2, 17]],
              "attr": {"text": "Ward 3", "btnIcon": "down.svg", "btnHotIcon": "downHot.svg"}})",
          ""}},
        {"qtribbonbar",
         {R"({"attr":{"configFile":"","groupRows":3,"layoutMode":"office","minimized":false,"pageHeight":96,)"
          R"("ribbon":{"contextGroups":[],"layoutMode":"office","minimized":false,"pages":[],"quickAccess":[],)"
          R"("schemaVersion":1,"topRight":[]},"tabRowHeight":31,"topRowHeight":30}})",
          R"({"style": [["contractFill", 1, 0], ["contractFill", 1, 1], ["contractFill", 1, 2], ["contractFillDown", 1, 4],
                        ["contractFill", 1, 9], ["contractText", 2, 12], ["contractText", 2, 13], ["contractText", 2, 15],
                        ["contractFill", 1, 16], ["contractFill", 1, 17], ["contractFill", 1, 18]],
              "attr": {"configFile": "ward.json", "layoutMode": "office", "minimized": true, "topRowHeight": 28,
                       "tabRowHeight": 33, "pageHeight": 90, "groupRows": 3,
                       "ribbon": {"schemaVersion": 1, "minimized": true, "pages": [{"id": "home", "text": "Home"}]}}})",
          ""}},
        {"qtmenubar",
         {R"({"style":[]})",
          R"({"style": [["contractFill", 1, 0], ["contractFill", 1, 1], ["contractFillDown", 1, 2],
                        ["contractText", 2, 5], ["contractFillDown", 1, 9], ["contractFill", 1, 9],
                        ["contractText", 2, 13]]})",
          ""}},
        {"qtlistview",
         {R"({"attr":{"itemMode":0,"spacing":1}})",
          R"({"style": [["contractFill", 1, 0], ["contractFill", 1, 2], ["contractFillDown", 1, 3],
                        ["contractFillDown", 1, 5]],
              "attr": {"itemHeight": 30, "itemWidth": 40, "spacing": 3, "itemMode": 1}})",
          ""}},
        {"qtlist",
         {"{}",
          R"({"style": [["contractFill", 1, 0], ["contractFill", 1, 2], ["contractFillDown", 1, 3],
                        ["contractText", 2, 6]],
              "attr": {"multiselect": true, "itemHeight": 33}})",
          ""}},
        {"qttree",
         {R"({"attr":{"itemHeight":0}})",
          R"({"style": [["contractFill", 1, 0], ["contractFill", 1, 2], ["contractFillDown", 1, 3],
                        ["contractText", 2, 6]],
              "attr": {"itemHeight": 33}})",
          ""}},
        {"qtproperty", {R"({"attr":null,"style":null})", R"({"style": [["contractFill", 1, 0]]})", ""}},
        {"qtswitch",
         {R"({"attr":{"leftText":"On","on":true,"rightText":"Off","thumbH":25,"thumbW":25},"style":null})",
          R"({"style": [["contractFill", 1, 0], ["contractFillDown", 1, 2], ["contractText", 2, 6],
                        ["contractText", 2, 7]],
              "attr": {"leftText": "Yes", "rightText": "No", "thumbW": 30, "thumbH": 20, "speed": 120,
                       "margin": 4}})",
          ""}},
        // Made by name only, without a designer description.
        {"qtlabelex",
         {R"({"attr":{"text":"label"},"style":null})",
          R"({"style": [["contractText", 2, 0]], "attr": {"text": "Ward 7"}})", ""}},
        {"qtsplitter", {R"({"style":null})", R"({"style": [["contractFill", 1, 0]]})", ""}},
        {"qtspinbox", {"{}", "{}", ""}},
        // The charts are fed in code: no keys of their own, only the minimum size they are made with.
        {"qtbarchart", {R"({"minHeight":260,"minWidth":420})", "{}", ""}},
        {"qtlinechart", {R"({"minHeight":260,"minWidth":420})", "{}", ""}},
        {"qtopenglpiechart", {R"({"minHeight":260,"minWidth":420})", "{}", ""}},
        {"qtscatterchart", {R"({"minHeight":260,"minWidth":420})", "{}", ""}},
        {"qtfinancialchart", {R"({"minHeight":300,"minWidth":480})", "{}", ""}},
        {"qttestcontrol",
         {"{}", R"({"style": [["contractFill", 1, 0], ["contractText", 2, 1]],
                    "attr": {"text": "x", "count": 4, "flag": 0}})",
          ""}},
    };
    return table;
}

} // namespace

const ControlSample* controlSample(const QByteArray& type)
{
    const auto it = samples().find(type.toStdString());
    return it == samples().end() ? nullptr : &it->second;
}

QList<QByteArray> controlTypes()
{
    QList<QByteArray> types{"qtlabelex", "qtsplitter", "qtspinbox"};
    for (KIVQtLib::ControlInfo* info : KIVQtLib::kivGetAllControlInfo()) {
        // The designer's page window is described as "window" for palettes and made as "Window": a
        // plain widget, not a control.
        if (info->typeName != "window")
            types << QByteArray::fromStdString(info->typeName);
    }
    return types;
}

} // namespace TestSupport
