#include "DashboardSetUp.h"
#include "HealthWindow.h"
#include "PatientDataSimulator.h"

#include "controls/KIVQLabel.h"
#include "controls/KIVQPushButton.h"
#include "controls/KIVQStackContainer.h"
#include "core/layout/KIVQContainer.h"
#include "core/KIVQPaintHelpers.h"
#include "core/KIVQWidgetBaseImpl.h"
#include "core/KIVQtLib.h"
#include "controls/KIVQLineEdit.h"
#include "theme/KIVQResourceManager.h"
#include "views/KIVQComboBox.h"

#include <json/json.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QRawFont>
#include <QTableView>
#include <QSvgRenderer>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace KIVQtLib;

namespace {

QString themeNameOf(QWidget* widget)
{
    auto* control = dynamic_cast<IKIVQWidgetBase*>(widget);
    return control && control->getControlImpl() ? control->getControlImpl()->themeName() : QString();
}

QStringList labelTexts(QWidget* root)
{
    QStringList texts;
    for (KIVQLabel* label : root->findChildren<KIVQLabel*>())
        texts << label->getText();
    return texts;
}

// Every style name the window and its pages ask the theme for, built or not yet.
const char* const kHealthNames[] = {
    "HealthWindow", "HealthHeader", "HealthSidebar", "HealthSidebarPanel", "HealthPage", "HealthClear",
    "HealthDivider", "HealthNavButton", "HealthNavButtonActive", "HealthHeaderButton", "HealthHeaderButtonActive",
    "HealthIconButton", "HealthCloseButton", "HealthLabelBrand", "HealthLabelEyebrow", "HealthLabelSmBold",
    "HealthLabelSm", "HealthLabelXsBold", "HealthLabelMuted", "HealthCard", "HealthInfoBand", "HealthAccentBlue",
    "HealthAccentRed", "HealthAccentAmber", "HealthAccentGreen", "HealthLabelTitle", "HealthLabelSection",
    "HealthLabelMetric", "HealthLabelMetricSm", "HealthCombo", "HealthPrimaryButton", "HealthTable",
    "HealthLineEdit", "HealthScrollV", "HealthScrollH", "HealthLabelBody", "HealthDrawer", "HealthStatusStable",
    "HealthStatusObservation", "HealthStatusCritical", "HealthStatusRecovering", "HealthLabelWhiteCenter",
    "HealthLabelDanger", "HealthSecondaryButton", "HealthDangerButton"};

const char* const kIcons[] = {"heart-pulse",   "user-round", "minus",          "maximize",   "x",
                              "layout-dashboard", "users",   "activity",       "file-heart", "calendar-days",
                              "chevron-down",  "triangle-alert", "eye",        "bed",        "stethoscope",
                              "calendar-plus", "calendar-x", "gauge",          "droplets",   "thermometer",
                              "wind"};

// Runs of columns holding an opaque pixel that passes `hit`, as [first, last] pairs. Only the middle
// third of the rows counts, clear of the rounded corners.
template <class Hit> QVector<QPair<int, int>> columnRuns(const QImage& image, Hit hit)
{
    QVector<QPair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        bool any = false;
        for (int y = image.height() / 3; y < image.height() * 2 / 3 && !any; ++y) {
            const QColor colour = image.pixelColor(x, y);
            any = colour.alpha() == 255 && hit(colour);
        }
        if (!any)
            continue;
        if (!runs.isEmpty() && runs.last().second == x - 1)
            runs.last().second = x;
        else
            runs.append({x, x});
    }
    return runs;
}

} // namespace

// The dashboard's frame: its window, header, sidebar navigation, language switch and theme.
class tst_HealthWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(setUpDashboard()); }
    void init() { m_window = stoppedDashboard(); }
    void cleanup() { m_window.reset(); }

    void frameGeometry();
    void navigation_data();
    void navigation();
    void languages_data();
    void languages();
    void themeHoldsEveryHealthName();
    void icons();
    void appFontCoversChinese();
    void translatedTextsFit_data();
    void translatedTextsFit();
    void comboChosenByPopupShowsItsButton();
    void survivesManyTicks();

private:
    HealthWindow* window() const { return m_window.get(); }
    template <class T = QWidget> T* find(const char* name) const { return m_window->findChild<T*>(QLatin1String(name)); }
    QList<KIVQPushButton*> navButtons() const { return find("healthSidebar")->findChildren<KIVQPushButton*>(); }
    void showPageOf(QWidget* widget);

    std::unique_ptr<HealthWindow> m_window;
};

// The body follows the window; the header and sidebar keep their sizes.
void tst_HealthWindow::frameGeometry()
{
    window()->show();
    QTRY_COMPARE(find("healthRoot")->geometry(), window()->rect());
    QWidget* stack = find("healthPageStack");
    QCOMPARE(find("healthHeader")->geometry(), QRect(0, 0, 1440, 68));
    QCOMPARE(find("healthSidebar")->geometry(), QRect(0, 0, 196, 900 - 68));
    QCOMPARE(stack->geometry(), QRect(196, 0, 1440 - 196, 900 - 68));
    QCOMPARE(find("healthPage0")->size(), stack->size());
    window()->resize(1600, 1000);
    QTRY_COMPARE(stack->size(), QSize(1600 - 196, 1000 - 68));
    QCOMPARE(find("healthHeader")->height(), 68);
    QCOMPARE(find("healthSidebar")->width(), 196);
}

void tst_HealthWindow::navigation_data()
{
    QTest::addColumn<QList<int>>("pages");
    QTest::addColumn<int>("clicked"); // a navigation button clicked afterwards, or -1
    QTest::addColumn<int>("expected");

    QTest::newRow("starts on the overview") << QList<int>() << -1 << 0;
    QTest::newRow("reports then back to the overview") << QList<int>{3, 0} << -1 << 0;
    QTest::newRow("pages outside 0..4 ignored") << QList<int>{2, 5, -1, 1000} << -1 << 2;
    QTest::newRow("navigation button") << QList<int>{1} << 4 << 4;
    QTest::newRow("active button clicked again") << QList<int>{2} << 2 << 2;
}

void tst_HealthWindow::navigation()
{
    QFETCH(QList<int>, pages);
    QFETCH(int, clicked);
    QFETCH(int, expected);

    window()->show();
    for (int page : pages)
        window()->setPage(page);
    const QList<KIVQPushButton*> buttons = navButtons();
    if (clicked >= 0)
        QTest::mouseClick(buttons.at(clicked), Qt::LeftButton);

    QCOMPARE(window()->currentPage(), expected);
    auto* stack = find<KIVQStackContainer>("healthPageStack");
    QCOMPARE(stack->currentIndex(), expected);
    for (int i = 0; i < HealthWindow::kPageCount; ++i) {
        QCOMPARE(stack->widget(i)->isVisible(), i == expected);
        QCOMPARE(themeNameOf(buttons.at(i)),
                 QLatin1String(i == expected ? "HealthNavButtonActive" : "HealthNavButton"));
    }
}

void tst_HealthWindow::languages_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("stampPrefix");
    QTest::addColumn<QString>("title");
    QTest::newRow("English by its button") << true << "Updated " << "Qt-UI Carevix Patient Records";
    QTest::newRow("back to Chinese by its button")
        << false << QString::fromUtf8(u8"数据更新 ") << QString::fromUtf8(u8"Qt-UI Carevix 病人资料系统");
}

// A click switches the texts and the stamp, and keeps the page; the other texts' translation is walked
// in the drawer tests.
void tst_HealthWindow::languages()
{
    QFETCH(bool, english);
    QFETCH(QString, stampPrefix);
    QFETCH(QString, title);

    window()->show();
    window()->setPage(3);
    QList<KIVQPushButton*> languageButtons;
    for (auto* button : find("healthHeader")->findChildren<KIVQPushButton*>())
        if (!button->text().isEmpty())
            languageButtons << button;
    QCOMPARE(languageButtons.size(), 2);
    window()->setEnglish(!english); // from the other language, so that the click really switches
    window()->simulator()->advance();
    QTest::mouseClick(languageButtons.at(english ? 1 : 0), Qt::LeftButton);

    QCOMPARE(window()->isEnglish(), english);
    QCOMPARE(window()->windowTitle(), title);
    QCOMPARE(labelTexts(find("healthHeader")).at(2), stampPrefix + window()->currentSnapshot().updatedAt);
    QCOMPARE(themeNameOf(languageButtons.at(english ? 1 : 0)), QStringLiteral("HealthHeaderButtonActive"));
    QCOMPARE(themeNameOf(languageButtons.at(english ? 0 : 1)), QStringLiteral("HealthHeaderButton"));
    QCOMPARE(window()->currentPage(), 3);
    QCOMPARE(themeNameOf(navButtons().at(3)), QStringLiteral("HealthNavButtonActive"));
}

// Every name asked for has an entry whose styles all resolve; entries are applied again at run time, so
// none carries an "attr" that would undo what the program set.
void tst_HealthWindow::themeHoldsEveryHealthName()
{
    QFile file(QStringLiteral(CAREVIX_THEME_DIR "/theme.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    Json::Value root;
    QVERIFY(Json::Reader().parse(file.readAll().toStdString(), root));
    for (const Json::Value& entry : root["elements"][0]["child"])
        QVERIFY2(!entry.isMember("attr"), entry["name"].asCString());

    QStringList names;
    for (const char* name : kHealthNames)
        names << QLatin1String(name);
    for (QWidget* widget : window()->findChildren<QWidget*>()) {
        const QString name = themeNameOf(widget);
        if (name.startsWith(QLatin1String("Health")) && !names.contains(name))
            names << name;
    }
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    QStringList missing;
    rm->setSwitchToThemeRes(true); // styles are looked up as a theme entry is applied
    for (const QString& name : names) {
        Json::Value* entry = rm->getThemeJsonValue(name.toUtf8().constData());
        if (!entry || (*entry)["style"].empty())
            missing << name;
        for (const Json::Value& style : entry ? (*entry)["style"] : Json::Value()) {
            const QString styleName = QString::fromStdString(style[0].asString());
            FillStyle fill;
            TextStyleDesc text;
            if (!rm->getFillStyle(styleName, fill) && !rm->getTextStyle(styleName, text))
                missing << name + QLatin1Char('/') + styleName;
        }
    }
    rm->setSwitchToThemeRes(false);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String(", "))));
}

void tst_HealthWindow::icons()
{
    QCOMPARE(QDir(QStringLiteral(":/carevix/icons")).entryList().size(), int(std::size(kIcons)));
    for (const char* name : kIcons) {
        QSvgRenderer renderer(HealthWindow::iconPath(QLatin1String(name)));
        QVERIFY2(renderer.isValid() && renderer.defaultSize() == QSize(24, 24), name);
    }
}

void tst_HealthWindow::appFontCoversChinese()
{
    QString chinese = labelTexts(window()).join(QString()) + window()->windowTitle();
    for (KIVQPushButton* button : window()->findChildren<KIVQPushButton*>())
        chinese += button->text();
    QFont font(kivGetGlobalFontFamily());
    font.setPixelSize(14);
    // The font itself, not the fallback Qt finds for Chinese: the frame draws with this one.
    const QRawFont raw = QRawFont::fromFont(font);
    QVERIFY(raw.isValid());
    int checked = 0;
    for (const QChar ch : chinese) {
        if (ch.unicode() >= 0x2E80 && ++checked)
            QVERIFY2(raw.supportsCharacter(ch), qPrintable(QStringLiteral("%1 in %2").arg(ch).arg(raw.familyName())));
    }
    QVERIFY(checked > 40);
}

void tst_HealthWindow::showPageOf(QWidget* widget)
{
    auto* stack = find<KIVQStackContainer>("healthPageStack");
    int page = 0;
    while (page < stack->count() && !stack->widget(page)->isAncestorOf(widget))
        ++page;
    showDashboard(window(), page, QSize(1280, 720));
    // A hidden page keeps the layout of its last size; only a shown one says anything about the fit.
    QVERIFY(widget->isVisible());
}

void tst_HealthWindow::translatedTextsFit_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("builtWidth");
    QTest::addColumn<QString>("typed"); // into the search field
    const struct
    {
        const char* name;
        int width;
    } widgets[] = {{"departmentFilterCombo", 150}, {"statusFilterCombo", 140},       {"reportTypeCombo", 145},
                   {"reportStatusCombo", 130},     {"appointmentFilterCombo", 130}, {"newAppointmentButton", 148},
                   {"cancelAppointmentButton", 120}, {"patientSearchEdit", 0}};
    for (bool english : {false, true}) {
        for (const auto& w : widgets)
            QTest::addRow("%s %s", english ? "en" : "zh", w.name) << english << QString::fromLatin1(w.name) << w.width
                                                                 << QString();
    }
    QTest::newRow("search typed") << false << "patientSearchEdit" << 0 << "HP-1001";
}

// A text of either language shows whole: a filter never elides an item, a button's caption never runs
// into its icon, the search text clears the field's border; the widened control stays clear of its neighbours,
// and none narrows below its built width.
void tst_HealthWindow::translatedTextsFit()
{
    QFETCH(bool, english);
    QFETCH(QString, name);
    QFETCH(int, builtWidth);
    QFETCH(QString, typed);

    window()->setEnglish(english);
    auto* widget = window()->findChild<QWidget*>(name);
    QVERIFY(widget);
    if (auto* edit = qobject_cast<KIVQLineEdit*>(widget))
        edit->setText(typed);
    showPageOf(widget);

    QVERIFY(widget->width() >= builtWidth);
    QWidget* row = widget->parentWidget();
    QVERIFY(row->rect().contains(widget->geometry()));
    for (QWidget* sibling : row->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (sibling != widget && sibling->isVisible())
            QVERIFY2(!sibling->geometry().intersects(widget->geometry()), qPrintable(sibling->objectName()));
    }

    if (auto* combo = qobject_cast<KIVQComboBox*>(widget)) {
        const TextStyleDesc& style = combo->getTextStyle(CtrlNormal);
        const QFontMetrics metrics(KIVQPaintHelpers::styleFont(style));
        // What the face leaves for the text: the drop-down square, the 10-pixel inset and paintText's 2.
        const int room = combo->width() - 1 - combo->height() - std::max(style.x, 10) - 2;
        for (int i = 0; i < combo->count(); ++i)
            QCOMPARE(metrics.elidedText(combo->itemText(i), Qt::ElideRight, room), combo->itemText(i));
        return;
    }
    if (qobject_cast<KIVQLineEdit*>(widget)) {
        // Text and placeholder are darker than the light field border and its white face.
        const auto runs = columnRuns(widget->grab().toImage(), [](const QColor& c) { return c.red() < 180; });
        QVERIFY(!runs.isEmpty());
        QVERIFY2(runs.first().first >= 8, qPrintable(QString::number(runs.first().first)));
        return;
    }

    auto* button = qobject_cast<KIVQPushButton*>(widget);
    QVERIFY(button);
    button->setEnabled(true);
    const QImage image = button->grab().toImage();
    // Icon and caption are drawn white on the button's colour: the first run of white columns is the
    // icon, the next starts the caption.
    const auto runs = columnRuns(image, [](const QColor& c) { return std::min({c.red(), c.green(), c.blue()}) > 220; });
    QVERIFY2(runs.size() >= 2, qPrintable(QString::number(runs.size())));
    QVERIFY2(runs.at(1).first - runs.at(0).second > 4,
             qPrintable(QStringLiteral("icon ends %1, caption starts %2").arg(runs.at(0).second).arg(runs.at(1).first)));
    QVERIFY(runs.last().second < image.width() - 4);
}

// The press that opens the popup never gets its release back: once an item is chosen the face must not
// stay pressed, which in this theme has no drop-down icon. Every filter is this combo box in this style.
void tst_HealthWindow::comboChosenByPopupShowsItsButton()
{
    auto* combo = find<KIVQComboBox>("statusFilterCombo");
    QVERIFY(combo);
    showPageOf(combo);
    auto chevronPixels = [combo] {
        const QImage image = combo->grab().toImage();
        int dark = 0;
        for (int y = image.height() / 3; y < image.height() * 2 / 3; ++y) {
            for (int x = image.width() - image.height(); x < image.width(); ++x)
                dark += image.pixelColor(x, y).alpha() == 255 && image.pixelColor(x, y).red() < 100;
        }
        return dark;
    };
    QVERIFY(chevronPixels() > 5);

    QTest::mousePress(combo, Qt::LeftButton, {}, combo->rect().center());
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    // The popup ignores releases for a moment after it opens; the keys choose at once.
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(combo->currentIndex(), 2);
    QVERIFY(chevronPixels() > 5);
}

void tst_HealthWindow::survivesManyTicks()
{
    window()->show();
    const QStringList patients{"HP-1003", "hp-1007", "HP-9999", "HP-1012", "HP-1001"};
    const QStringList searches{"", "hp-10", "  骨折 ", "no such patient"};
    const QList<QComboBox*> filters = window()->findChildren<QComboBox*>();
    auto* appointments = find<QTableView>("appointmentTable");
    for (int i = 0; i < 300; ++i) {
        window()->simulator()->advance();
        if (i % 7 == 0)
            window()->setPage(i % HealthWindow::kPageCount);
        if (i % 13 == 0)
            window()->setEnglish(!window()->isEnglish());
        if (i % 5 == 0)
            window()->simulator()->selectPatient(patients.at(i / 5 % patients.size()));
        if (i % 11 == 0)
            window()->setPatientSearchText(searches.at(i / 11 % searches.size()));
        QComboBox* filter = filters.at(i % filters.size());
        filter->setCurrentIndex(i % qMax(filter->count(), 1));
        if (i % 3 == 0 && appointments->model()->rowCount() > 0)
            emit appointments->clicked(appointments->model()->index(0, 0));
        // Drawers opened and closed, bookings and cancellations, with their animations running between.
        if (i % 4 == 0)
            window()->setPatientDrawerExpanded(i % 8 == 0);
        if (i % 9 == 0)
            window()->openNewAppointment();
        if (i % 9 == 4 || i % 9 == 5)
            window()->saveAppointment();
        if (i % 3 == 0)
            window()->cancelSelectedAppointment();
        QTest::qWait(i % 6 == 0 ? 60 : 0);
    }
    QCOMPARE(window()->currentSnapshot().tick, 300);
    for (auto* drawer : {find<KIVQContainer>("patientDetailDrawer"), find<KIVQContainer>("appointmentEditorDrawer")})
        QTRY_VERIFY(drawer->isHidden() || (drawer->width() == 390 && !drawer->isResizeAnimationRunning()));
    QVERIFY(!window()->grab().isNull());
}

QTEST_MAIN(tst_HealthWindow)
#include "tst_HealthWindow.moc"
