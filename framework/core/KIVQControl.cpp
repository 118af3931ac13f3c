#include "KIVQControl.h"

#include "JsonRead.h"

#include <json/json.h>

#include <QWidget>

namespace KIVQtLib {

bool kivSerializeControl(KIVQWidgetBase& base, KIVQWidgetBaseImpl* impl, Json::Value* json, bool read)
{
    if (!impl || !json || (!read && !json::canHoldMembers(*json)))
        return false;
    base.serializeJsonValue(json, read);
    return impl->serialize(json, read);
}

void kivApplyJsonData(IKIVQWidgetBase* control, QString& stored, const QString& text)
{
    if (text == stored)
        return;
    if (stored.isEmpty() && !text.isEmpty()) {
        Json::Value root;
        if (json::parse(text.toUtf8(), root, QStringLiteral("jsonData of ") + control->getTypeName()))
            control->readJsonValue(&root);
    }
    stored = text;
}

ControlInfo kivMakeControlInfo(const char* typeName, const char* className, const char* group, const char* description,
                               const char* icon)
{
    ControlInfo info;
    info.typeName = typeName;
    info.className = className;
    info.group = group;
    info.description = description;
    info.icon = icon;
    kivAppendCommonRows(info);
    return info;
}

void kivAppendCommonRows(ControlInfo& info)
{
    using namespace props;
    auto& rows = info.properties;
    rows.push_back(
        text<QObject>(QStringLiteral("Name"), PropertyDef::ObjectName, &QObject::setObjectName, &QObject::objectName));
    rows.push_back(text<IKIVQWidgetBase>(QStringLiteral("Type"), PropertyDef::ReadOnlyText, nullptr,
                                         &IKIVQWidgetBase::getTypeName));
    rows.push_back(onOff<IKIVQWidgetBase>(
        QStringLiteral("Visibility"), [](IKIVQWidgetBase* c, bool v) { c->getControlBase()->setInnerVisible(v); },
        [](IKIVQWidgetBase* c) { return c->getControlBase()->getInnerVisible(); }));
    rows.push_back(onOff<QWidget>(QStringLiteral("Enable"), &QWidget::setEnabled, &QWidget::isEnabled));
    rows.push_back(
        text<QWidget>(QStringLiteral("Tooltip"), PropertyDef::Text, &QWidget::setToolTip, &QWidget::toolTip));
    rows.push_back(
        integer<IKIVQWidgetBase>(QStringLiteral("Alpha"), &IKIVQWidgetBase::setOpacity, &IKIVQWidgetBase::getOpacity));
    rows.push_back(row(QStringLiteral("Line"), PropertyDef::Separator));
}

namespace props {

void setStateOptions(PropertyDef& d, bool fourStates)
{
    if (fourStates) {
        d.options = QStringList{QStringLiteral("Normal"), QStringLiteral("Hot"), QStringLiteral("Pressed"),
                                QStringLiteral("Disable")};
        d.optionValues = {CtrlNormal, CtrlHover, CtrlPressed, CtrlDisabled};
    } else {
        d.options = QStringList{QStringLiteral("Normal"), QStringLiteral("Disable")};
        d.optionValues = {CommonNormal, CommonDisabled};
    }
}

} // namespace props
} // namespace KIVQtLib
