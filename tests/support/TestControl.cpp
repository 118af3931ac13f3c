#include "TestControl.h"

#include "core/JsonAttr.h"
#include "core/JsonRead.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QPainter>

namespace KIVQtLib {

bool TestControlImpl::serializeJsonValue(Json::Value** json, bool read)
{
    if (!KIVQWidgetBaseImpl::serializeJsonValue(json, read))
        return false;
    Json::Value& e = **json;
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    if (read) {
        ++reads;
        if (rm->isLoadFromThemeRes())
            ++themeReads;
        if (const Json::Value* styles = json::array(e, "style")) {
            for (const Json::Value& entry : *styles) {
                if (!entry.isArray() || entry.size() < 3)
                    continue;
                std::string name;
                int code = -1;
                if (!json::toStdString(entry[0], name) || !json::toInt(entry[2], code))
                    continue;
                const QString styleName = QString::fromStdString(name);
                if (code == 0)
                    rm->getFillStyle(styleName, background);
                else if (code == 1)
                    rm->getTextStyle(styleName, caption);
            }
        }
    } else {
        Json::Value styles(Json::arrayValue);
        auto put = [&styles](const QString& name, int kind, int code) {
            if (name.isEmpty())
                return;
            Json::Value entry(Json::arrayValue);
            entry.append(json::toUtf8(name));
            entry.append(kind);
            entry.append(code);
            styles.append(entry);
        };
        put(background.name, 1, 0);
        put(caption.name, 2, 1);
        if (!styles.empty())
            e["style"] = styles;
    }
    AttrIO attr(e, read);
    attr.io("text", text, QString());
    attr.io("count", count, 0);
    attr.io("flag", flag, true);
    return true;
}

void TestControlImpl::paint(QPainter* painter, const QRect& rect)
{
    ++paints;
    paintFillStyle(painter, background, rect);
}

TestControl::TestControl(QWidget* parent) : QWidget(parent)
{
    m_impl.reset(new TestControlImpl(this, QString::fromLatin1(typeName())));
    m_impl->applyTheme();
}

KIVQ_CONTROL_DEFINE(TestControl)

ControlInfo TestControl::getProps()
{
    ControlInfo info = kivMakeControlInfo(typeName(), "TestControl", "Test", "Control Test", "test");
    info.properties.push_back(props::integer<TestControl>(
        QStringLiteral("Count"), [](TestControl* c, int v) { c->d()->count = v; },
        [](TestControl* c) { return c->d()->count; }));
    return info;
}

void TestControl::paintEvent(QPaintEvent*)
{
    m_impl->paintEvent();
}

void TestControl::enterEvent(QEvent* event)
{
    m_impl->onMouseEnter();
    QWidget::enterEvent(event);
}

void TestControl::leaveEvent(QEvent* event)
{
    m_impl->onMouseLeave();
    QWidget::leaveEvent(event);
}

void TestControl::mousePressEvent(QMouseEvent* event)
{
    m_impl->onMousePress();
    QWidget::mousePressEvent(event);
}

void TestControl::mouseReleaseEvent(QMouseEvent* event)
{
    m_impl->onMouseRelease();
    QWidget::mouseReleaseEvent(event);
}

} // namespace KIVQtLib
