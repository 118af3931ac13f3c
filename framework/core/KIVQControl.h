#pragma once

// Everything a control class needs: the interface, the common base, the Impl base, descriptors,
// and the two macros that write the interface forwards once for every control.

#include "ControlInfo.h"
#include "IKIVQWidgetBase.h"
#include "KIVQWidgetBase.h"
#include "KIVQWidgetBaseImpl.h"

#include <QRect>
#include <QString>

#include <memory>

namespace KIVQtLib {

// readJsonValue / serializeJsonValue of every control: the common keys, then the Impl's worker.
// The loading-from-theme flag that a redirect into a theme entry sets is restored on return.
KIVQTLIB_EXPORT bool kivSerializeControl(KIVQWidgetBase& base, KIVQWidgetBaseImpl* impl, Json::Value* json, bool read);
// The jsonData property: the first non-empty text is parsed and applied, every differing text stored.
KIVQTLIB_EXPORT void kivApplyJsonData(IKIVQWidgetBase* control, QString& stored, const QString& text);
// The seven rows every descriptor begins with.
KIVQTLIB_EXPORT void kivAppendCommonRows(ControlInfo& info);
KIVQTLIB_EXPORT ControlInfo kivMakeControlInfo(const char* typeName, const char* className, const char* group,
                                               const char* description, const char* icon);

} // namespace KIVQtLib

// In the class body of a control, after Q_OBJECT and Q_PROPERTY(QString jsonData READ jsonData WRITE
// setJsonData). Declares the interface overrides and the members they forward to; leaves access public.
// The constructor then creates its Impl into m_impl and calls m_impl->applyTheme().
#define KIVQ_CONTROL                                                                                                   \
public:                                                                                                                \
    KIVQtLib::KIVQWidgetBase* getControlBase() override;                                                               \
    bool readJsonValue(void* json) override;                                                                           \
    void setLayoutRatio(int ratio) override;                                                                           \
    int getLayoutRatio() override;                                                                                     \
    void setWidthPolicy(KIVQtLib::LayoutSizePolicy policy) override;                                                   \
    KIVQtLib::LayoutSizePolicy getWidthPolicy() override;                                                              \
    void setHeightPolicy(KIVQtLib::LayoutSizePolicy policy) override;                                                  \
    KIVQtLib::LayoutSizePolicy getHeightPolicy() override;                                                             \
    void setAbsoluteLayout(bool absolute) override;                                                                    \
    bool getAbsoluteLayout() override;                                                                                 \
    void setAbsoluteDock(KIVQtLib::DockLayoutType hor, KIVQtLib::DockLayoutType ver, int offsetX, int offsetY)         \
        override;                                                                                                      \
    void getAbsoluteDock(KIVQtLib::DockLayoutType& hor, KIVQtLib::DockLayoutType& ver, int& offsetX, int& offsetY)     \
        override;                                                                                                      \
    void getAbsoluteDock(KIVQtLib::DockLayoutType& hor, KIVQtLib::DockLayoutType& ver) override;                       \
    void getLayoutData(void*& data) override;                                                                          \
    void setGeometry(int x, int y, int w, int h) override;                                                             \
    void setGeometry(const QRect& rect);                                                                               \
    void setOpacity(int opacity) override;                                                                             \
    int getOpacity() override;                                                                                         \
    KIVQtLib::LayoutType getLayoutType() override;                                                                     \
    QString getTypeName() override;                                                                                    \
    KIVQtLib::KIVQWidgetBaseImpl* getControlImpl() override;                                                           \
    void createComplete() override;                                                                                    \
    void resizeWidget() override;                                                                                      \
    void notifyChangeLanguage() override;                                                                              \
    bool serializeJsonValue(Json::Value* json, bool read) override;                                                    \
    void setThemeName(const QString& name) override;                                                                   \
    QString jsonData() override;                                                                                       \
    void setJsonData(const QString& text) override;                                                                    \
    QString getInnerTypeName();                                                                                        \
    QString getThemeName();                                                                                            \
    bool getInnerVisible();                                                                                            \
    void setInnerVisible(bool visible);                                                                                \
                                                                                                                       \
protected:                                                                                                             \
    KIVQtLib::KIVQWidgetBase m_controlBase{this};                                                                      \
    std::unique_ptr<KIVQtLib::KIVQWidgetBaseImpl> m_impl;                                                              \
    QString m_jsonData;                                                                                                \
                                                                                                                       \
public:

// In the control's .cpp, inside namespace KIVQtLib.
#define KIVQ_CONTROL_DEFINE(Class)                                                                                     \
    KIVQWidgetBase* Class::getControlBase()                                                                            \
    {                                                                                                                  \
        return &m_controlBase;                                                                                         \
    }                                                                                                                  \
    bool Class::readJsonValue(void* json)                                                                              \
    {                                                                                                                  \
        return kivSerializeControl(m_controlBase, m_impl.get(), static_cast<Json::Value*>(json), true);                \
    }                                                                                                                  \
    void Class::setLayoutRatio(int ratio)                                                                              \
    {                                                                                                                  \
        m_controlBase.setLayoutRatio(ratio);                                                                           \
    }                                                                                                                  \
    int Class::getLayoutRatio()                                                                                        \
    {                                                                                                                  \
        return m_controlBase.getLayoutRatio();                                                                         \
    }                                                                                                                  \
    void Class::setWidthPolicy(LayoutSizePolicy policy)                                                                \
    {                                                                                                                  \
        m_controlBase.setWidthPolicy(policy);                                                                          \
    }                                                                                                                  \
    LayoutSizePolicy Class::getWidthPolicy()                                                                           \
    {                                                                                                                  \
        return m_controlBase.getWidthPolicy();                                                                         \
    }                                                                                                                  \
    void Class::setHeightPolicy(LayoutSizePolicy policy)                                                               \
    {                                                                                                                  \
        m_controlBase.setHeightPolicy(policy);                                                                         \
    }                                                                                                                  \
    LayoutSizePolicy Class::getHeightPolicy()                                                                          \
    {                                                                                                                  \
        return m_controlBase.getHeightPolicy();                                                                        \
    }                                                                                                                  \
    void Class::setAbsoluteLayout(bool absolute)                                                                       \
    {                                                                                                                  \
        m_controlBase.setAbsoluteLayout(absolute);                                                                     \
    }                                                                                                                  \
    bool Class::getAbsoluteLayout()                                                                                    \
    {                                                                                                                  \
        return m_controlBase.getAbsoluteLayout();                                                                      \
    }                                                                                                                  \
    void Class::setAbsoluteDock(DockLayoutType hor, DockLayoutType ver, int offsetX, int offsetY)                      \
    {                                                                                                                  \
        m_controlBase.setAbsoluteDock(hor, ver, offsetX, offsetY);                                                     \
    }                                                                                                                  \
    void Class::getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver, int& offsetX, int& offsetY)                  \
    {                                                                                                                  \
        m_controlBase.getAbsoluteDock(hor, ver, offsetX, offsetY);                                                     \
    }                                                                                                                  \
    void Class::getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver)                                              \
    {                                                                                                                  \
        m_controlBase.getAbsoluteDock(hor, ver);                                                                       \
    }                                                                                                                  \
    void Class::getLayoutData(void*& data)                                                                             \
    {                                                                                                                  \
        m_controlBase.getLayoutData(data);                                                                             \
    }                                                                                                                  \
    void Class::setGeometry(int x, int y, int w, int h)                                                                \
    {                                                                                                                  \
        m_controlBase.setGeometry(x, y, w, h);                                                                         \
    }                                                                                                                  \
    void Class::setGeometry(const QRect& rect)                                                                         \
    {                                                                                                                  \
        m_controlBase.setGeometry(rect);                                                                               \
    }                                                                                                                  \
    void Class::setOpacity(int opacity)                                                                                \
    {                                                                                                                  \
        m_controlBase.setOpacity(qBound(0, opacity, 255));                                                             \
    }                                                                                                                  \
    int Class::getOpacity()                                                                                            \
    {                                                                                                                  \
        return m_controlBase.getOpacity();                                                                             \
    }                                                                                                                  \
    LayoutType Class::getLayoutType()                                                                                  \
    {                                                                                                                  \
        return m_controlBase.getLayoutType();                                                                          \
    }                                                                                                                  \
    QString Class::getTypeName()                                                                                       \
    {                                                                                                                  \
        return QString::fromLatin1(typeName());                                                                        \
    }                                                                                                                  \
    KIVQWidgetBaseImpl* Class::getControlImpl()                                                                        \
    {                                                                                                                  \
        return m_impl.get();                                                                                           \
    }                                                                                                                  \
    void Class::createComplete()                                                                                       \
    {                                                                                                                  \
        if (m_impl)                                                                                                    \
            m_impl->onCreateComplete();                                                                                \
    }                                                                                                                  \
    void Class::resizeWidget()                                                                                         \
    {                                                                                                                  \
        m_controlBase.resizeWidget();                                                                                  \
    }                                                                                                                  \
    void Class::notifyChangeLanguage()                                                                                 \
    {                                                                                                                  \
        if (m_impl)                                                                                                    \
            m_impl->onLanguageChanged();                                                                               \
    }                                                                                                                  \
    bool Class::serializeJsonValue(Json::Value* json, bool read)                                                       \
    {                                                                                                                  \
        return kivSerializeControl(m_controlBase, m_impl.get(), json, read);                                           \
    }                                                                                                                  \
    void Class::setThemeName(const QString& name)                                                                      \
    {                                                                                                                  \
        m_controlBase.setThemeName(name);                                                                              \
    }                                                                                                                  \
    QString Class::jsonData()                                                                                          \
    {                                                                                                                  \
        return m_jsonData;                                                                                             \
    }                                                                                                                  \
    void Class::setJsonData(const QString& text)                                                                       \
    {                                                                                                                  \
        kivApplyJsonData(this, m_jsonData, text);                                                                      \
    }                                                                                                                  \
    QString Class::getInnerTypeName()                                                                                  \
    {                                                                                                                  \
        return getTypeName();                                                                                          \
    }                                                                                                                  \
    QString Class::getThemeName()                                                                                      \
    {                                                                                                                  \
        return m_controlBase.getThemeName();                                                                           \
    }                                                                                                                  \
    bool Class::getInnerVisible()                                                                                      \
    {                                                                                                                  \
        return m_controlBase.getInnerVisible();                                                                        \
    }                                                                                                                  \
    void Class::setInnerVisible(bool visible)                                                                          \
    {                                                                                                                  \
        m_controlBase.setInnerVisible(visible);                                                                        \
    }
