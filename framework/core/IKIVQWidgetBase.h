#pragma once

#include "StyleTypes.h"

#include <QString>

namespace KIVQtLib {

class KIVQWidgetBase;
class KIVQWidgetBaseImpl;

// What containers, windows, the element builder, the designer and the theme code know of a control.
// Every control derives from its Qt widget class first and from this second, through KIVQControlBase,
// which writes the forwards.
class KIVQTLIB_EXPORT IKIVQWidgetBase
{
public:
    virtual ~IKIVQWidgetBase() = default;

    virtual KIVQWidgetBase* getControlBase() = 0;
    virtual bool readJsonValue(void* json) = 0;
    virtual void setLayoutRatio(int ratio) = 0;
    virtual int getLayoutRatio() = 0;
    virtual void setWidthPolicy(LayoutSizePolicy policy) = 0;
    virtual LayoutSizePolicy getWidthPolicy() = 0;
    virtual void setHeightPolicy(LayoutSizePolicy policy) = 0;
    virtual LayoutSizePolicy getHeightPolicy() = 0;
    virtual void setAbsoluteLayout(bool absolute) = 0;
    virtual bool getAbsoluteLayout() = 0;
    virtual void setAbsoluteDock(DockLayoutType hor, DockLayoutType ver, int offsetX, int offsetY) = 0;
    virtual void getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver, int& offsetX, int& offsetY) = 0;
    virtual void getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver) = 0;
    virtual void getLayoutData(void*& data) = 0;
    virtual void setGeometry(int x, int y, int w, int h) = 0;
    virtual void setOpacity(int opacity) = 0;
    virtual int getOpacity() = 0;
    virtual LayoutType getLayoutType() = 0;
    virtual QString getTypeName() = 0;
    virtual KIVQWidgetBaseImpl* getControlImpl() = 0;
    virtual void createComplete() = 0;
    virtual void resizeWidget() = 0;
    virtual void notifyChangeLanguage() = 0;
    virtual bool serializeJsonValue(Json::Value* json, bool read) = 0;
    virtual void setThemeName(const QString& name) = 0;
    virtual QString jsonData() = 0;
    virtual void setJsonData(const QString& text) = 0;
};

} // namespace KIVQtLib
