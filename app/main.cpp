#include "controls/KIVQLabel.h"
#include "controls/KIVQPushButton.h"
#include "core/JsonRead.h"
#include "core/KIVQtLib.h"

#include <json/json.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

using namespace KIVQtLib;

namespace {

FillStyle fill(const char* name, QRgb colour, int round, QRgb border = 0)
{
    FillStyle f;
    f.name = QString::fromLatin1(name);
    f.res.colour = QColor::fromRgba(colour);
    f.res.round = round;
    if (border) {
        f.res.border = true;
        f.res.borderSize = 1;
        f.res.borderColour = QColor::fromRgba(border);
    }
    return f;
}

TextStyleDesc text(const char* name, QRgb colour, int size, bool bold, int horAlign)
{
    TextStyleDesc t;
    t.name = QString::fromLatin1(name);
    t.colour = QColor::fromRgba(colour);
    t.size = size;
    t.bold = bold;
    t.horAlign = horAlign;
    return t;
}

// The styles a theme would supply, put into the skin store until the dashboard's theme lands.
void defineStyles()
{
    for (const FillStyle& f :
         {fill("primary", 0xFF0A7F6F, 6), fill("primaryHot", 0xFF0C9A87, 6), fill("primaryDown", 0xFF086356, 6),
          fill("primaryOff", 0xFFB8C4C2, 6), fill("secondary", 0xFFFFFFFF, 6, 0xFF0A7F6F),
          fill("secondaryHot", 0xFFE6F4F2, 6, 0xFF0A7F6F), fill("secondaryDown", 0xFFCFEAE6, 6, 0xFF0A7F6F)})
        kivSetFillStyle(f.name, f);
    for (const TextStyleDesc& t : {text("title", 0xFF1B3A4B, 24, true, 0), text("body", 0xFF4A5B66, 15, false, 0),
                                   text("note", 0xFF7B8A93, 13, false, 0), text("onPrimary", 0xFFFFFFFF, 15, true, 1),
                                   text("onSecondary", 0xFF0A7F6F, 15, true, 1)})
        kivSetTextStyle(t.name, t);
}

Json::Value element(const QByteArray& text)
{
    Json::Value root;
    json::parse(text, root);
    return root;
}

template <class Control> Control* make(QWidget* parent, const QByteArray& json)
{
    auto* control = new Control(parent);
    Json::Value e = element(json);
    control->readJsonValue(&e);
    return control;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    init();
    defineStyles();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Carevix"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0xF4, 0xF7, 0xF8));
    window.setPalette(palette);
    window.setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(32, 28, 32, 28);
    layout->setSpacing(10);
    auto* title = make<KIVQLabel>(&window, R"({"style": [["title", 2, 0]], "attr": {"text": "Ward 7 overview"}})");
    title->setMinimumHeight(36);
    layout->addWidget(title);
    layout->addWidget(make<KIVQLabel>(&window, R"({"style": [["body", 2, 0]],
        "attr": {"text": "12 patients, 2 need attention, next round at 18:00"}})"));
    auto* note = make<KIVQLabel>(&window, R"({"style": [["note", 2, 0]],
        "attr": {"text": "Bed 4: blood pressure trending up over the last three readings, review before the evening round"}})");
    note->setFixedWidth(360);
    layout->addWidget(note);
    layout->addSpacing(14);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    const QByteArray primary =
        R"({"style": [["primary", 1, 0], ["primaryHot", 1, 1], ["primaryDown", 1, 2], ["primaryOff", 1, 3],
                      ["onPrimary", 2, 4]], "attr": {"text": "%1", "fadeEnabled": 1}})";
    const QByteArray secondary =
        R"({"style": [["secondary", 1, 0], ["secondaryHot", 1, 1], ["secondaryDown", 1, 2],
                      ["onSecondary", 2, 4]], "attr": {"text": "%1"}})";
    for (const auto& [json, caption, enabled] :
         {std::make_tuple(primary, "Admit patient", true), std::make_tuple(secondary, "Schedule", true),
          std::make_tuple(primary, "Discharge", false)}) {
        auto* button = make<KIVQPushButton>(&window, QByteArray(json).replace("%1", caption));
        button->setFixedSize(150, 40);
        button->setEnabled(enabled);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();

    window.resize(640, 300);
    window.show();

    const QStringList args = QCoreApplication::arguments();
    const int shotIndex = args.indexOf(QStringLiteral("--screenshot"));
    if (shotIndex > 0 && shotIndex + 1 < args.size()) {
        const QString out = args.at(shotIndex + 1);
        QTimer::singleShot(1400, &app,
                           [&window, out] { QCoreApplication::exit(window.grab().save(out, "PNG") ? 0 : 2); });
    }
    const int code = app.exec();
    shutdown();
    return code;
}
