#pragma once

// Everything a control class needs: the interface, the common base, the Impl base, descriptors, the
// JSON context and the class template that writes the interface forwards once for every control.
//
// A new control, KIVQDial drawn from a fill, is one header/source pair plus its Impl:
//
//   class KIVQDialImpl;                       // KIVQDial.h
//   class KIVQTLIB_EXPORT KIVQDial : public KIVQControlBase<KIVQDial, QWidget, KIVQDialImpl>
//   {
//       Q_OBJECT
//       Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
//   public:
//       explicit KIVQDial(QWidget* parent = nullptr);    // { attachImpl(); } after its own set-up
//       static const char* typeName() { return "qtdial"; }
//       static QWidget* createKIVQDial() { return new KIVQDial; }
//       static ControlInfo getProps();                   // kivMakeControlInfo(...) plus its rows
//   };
//
//   class KIVQDialImpl : public KIVQWidgetBaseImpl   // KIVQDialImpl.h (includes KIVQDial.h): state,
//   {                                                  // painting, JSON (a control without state names
//                                                      // KIVQWidgetBaseImpl itself as its Impl)
//       Q_OBJECT
//   public:
//       KIVQDialImpl(KIVQDial* owner, const QString& typeName) : KIVQWidgetBaseImpl(owner, typeName) {}
//       void paint(QPainter* painter, const QRect& rect) override { paintFillStyle(painter, face, rect); }
//       void serializeJson(ControlJson& io) override
//       {
//           io.styles({{0, &face}});
//           io.attr("turns", turns, 0);
//       }
//       FillStyle face;
//       int turns = 0;
//   };
//
//   kivRegisterControl<KIVQDial>({"dial"}, true);   // in the folder's registration function
//
// The template forwards paint to the Impl and each mouse event to the Impl's hook, then to the Qt
// base handler, unless the hook deleted the control. A control overrides a handler only for what is
// its own, and calls the template's version for the rest. Add a row for the type to the contract
// test in tests/controls/tst_ControlContract.cpp.

#include "ControlInfo.h"
#include "ControlJson.h"
#include "IKIVQWidgetBase.h"
#include "KIVQElementBuilder.h"
#include "KIVQWidgetBase.h"
#include "KIVQWidgetBaseImpl.h"

#include <QMouseEvent>
#include <QPointer>
#include <QRect>
#include <QString>

#include <memory>

class QPaintEvent;

namespace KIVQtLib {

// readJsonValue / serializeJsonValue of every control: the common keys, the shared part, then the
// Impl's worker, which a refusal of the shared part never reaches.
KIVQTLIB_EXPORT bool kivSerializeControl(KIVQWidgetBase& base, KIVQWidgetBaseImpl* impl, Json::Value* json, bool read);
// The jsonData property: the first non-empty text is parsed and applied, every differing text stored.
KIVQTLIB_EXPORT void kivApplyJsonData(IKIVQWidgetBase* control, QString& stored, const QString& text);
// The seven rows every descriptor begins with.
KIVQTLIB_EXPORT void kivAppendCommonRows(ControlInfo& info);
KIVQTLIB_EXPORT ControlInfo kivMakeControlInfo(const char* typeName, const char* className, const char* group,
                                               const char* description, const char* icon);

// Derived: the control class (Q_OBJECT and the jsonData property stay there, moc needs them);
// QtBase: its Qt widget class; Impl: its KIVQWidgetBaseImpl subclass.
template <class Derived, class QtBase, class Impl> class KIVQControlBase : public QtBase, public IKIVQWidgetBase
{
public:
    using QtBase::QtBase;
    ~KIVQControlBase() override { releaseImpl(); }

    // The factory the registry uses; each control also keeps its own createKIVQ<Kind>. Made by the element
    // builder, a control is made under its parent rather than moved there.
    static QWidget* createControl() { return new Derived(kivTakeConstructionParent()); }

    Impl* impl() const { return m_d; }

    KIVQWidgetBase* getControlBase() override { return &m_controlBase; }
    bool readJsonValue(void* json) override
    {
        return kivSerializeControl(m_controlBase, m_impl.get(), static_cast<Json::Value*>(json), true);
    }
    bool serializeJsonValue(Json::Value* json, bool read) override
    {
        return kivSerializeControl(m_controlBase, m_impl.get(), json, read);
    }
    void setLayoutRatio(int ratio) override { m_controlBase.setLayoutRatio(ratio); }
    int getLayoutRatio() override { return m_controlBase.getLayoutRatio(); }
    void setWidthPolicy(LayoutSizePolicy policy) override { m_controlBase.setWidthPolicy(policy); }
    LayoutSizePolicy getWidthPolicy() override { return m_controlBase.getWidthPolicy(); }
    void setHeightPolicy(LayoutSizePolicy policy) override { m_controlBase.setHeightPolicy(policy); }
    LayoutSizePolicy getHeightPolicy() override { return m_controlBase.getHeightPolicy(); }
    void setAbsoluteLayout(bool absolute) override { m_controlBase.setAbsoluteLayout(absolute); }
    bool getAbsoluteLayout() override { return m_controlBase.getAbsoluteLayout(); }
    void setAbsoluteDock(DockLayoutType hor, DockLayoutType ver, int offsetX, int offsetY) override
    {
        m_controlBase.setAbsoluteDock(hor, ver, offsetX, offsetY);
    }
    void getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver, int& offsetX, int& offsetY) override
    {
        m_controlBase.getAbsoluteDock(hor, ver, offsetX, offsetY);
    }
    void getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver) override { m_controlBase.getAbsoluteDock(hor, ver); }
    void getLayoutData(void*& data) override { m_controlBase.getLayoutData(data); }
    void setGeometry(int x, int y, int w, int h) override { m_controlBase.setGeometry(x, y, w, h); }
    void setGeometry(const QRect& rect) { m_controlBase.setGeometry(rect); }
    void setOpacity(int opacity) override { m_controlBase.setOpacity(qBound(0, opacity, 255)); }
    int getOpacity() override { return m_controlBase.getOpacity(); }
    LayoutType getLayoutType() override { return m_controlBase.getLayoutType(); }
    // The Impl's name, so that a class deriving from a control answers with the name it attached.
    QString getTypeName() override { return m_impl ? m_impl->typeName() : QString::fromLatin1(Derived::typeName()); }
    KIVQWidgetBaseImpl* getControlImpl() override { return m_impl.get(); }
    void createComplete() override
    {
        if (m_impl)
            m_impl->onCreateComplete();
    }
    void resizeWidget() override { m_controlBase.resizeWidget(); }
    void notifyChangeLanguage() override
    {
        if (m_impl)
            m_impl->onLanguageChanged();
    }
    void setThemeName(const QString& name) override { m_controlBase.setThemeName(name); }
    QString jsonData() override { return m_jsonData; }
    void setJsonData(const QString& text) override { kivApplyJsonData(this, m_jsonData, text); }

    QString getInnerTypeName() { return getTypeName(); }
    QString getThemeName() { return m_controlBase.getThemeName(); }
    bool getInnerVisible() { return m_controlBase.getInnerVisible(); }
    void setInnerVisible(bool visible) { m_controlBase.setInnerVisible(visible); }

protected:
    // From the derived constructor, after its own set-up: makes the Impl with the control and the
    // type name (and any further arguments of the Impl's constructor), then applies the theme entry.
    template <class... Args> void attachImpl(Args&&... args)
    {
        // One text per class, shared by all its controls.
        static const QString typeName = QString::fromLatin1(Derived::typeName());
        attachImpl(new Impl(static_cast<Derived*>(this), typeName, std::forward<Args>(args)...));
    }
    // For a class deriving from a control that brings an Impl of its own.
    void attachImpl(Impl* impl)
    {
        m_impl.reset(impl);
        m_d = impl;
        m_impl->m_control = this;
        m_impl->applyTheme();
    }
    // The typed pointer goes first, so that events sent while the Impl is deleted find no Impl.
    void releaseImpl()
    {
        m_d = nullptr;
        m_impl.reset();
    }

    void paintEvent(QPaintEvent*) override
    {
        if (m_impl)
            m_impl->paintEvent();
    }
    void enterEvent(QEvent* event) override
    {
        forward(event, [&] { m_impl->onMouseEnter(); }, [&] { QtBase::enterEvent(event); });
    }
    void leaveEvent(QEvent* event) override
    {
        forward(event, [&] { m_impl->onMouseLeave(); }, [&] { QtBase::leaveEvent(event); });
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        forward(event, [&] { m_impl->onMousePress(event); }, [&] { QtBase::mousePressEvent(event); });
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        forward(event, [&] { m_impl->onMouseRelease(event); }, [&] { QtBase::mouseReleaseEvent(event); });
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        forward(event, [&] { m_impl->onMouseMove(event); }, [&] { QtBase::mouseMoveEvent(event); });
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        forward(event, [&] { m_impl->onMouseDoubleClick(event); }, [&] { QtBase::mouseDoubleClickEvent(event); });
    }

    // A hook or a signal emitted by the Qt handler may delete the control. Then the event is left
    // accepted: Qt passes an ignored mouse event on through its receiver.
    template <class Hook, class Base> void forward(QEvent* event, Hook hook, Base base)
    {
        QPointer<QObject> alive(this);
        if (m_impl)
            hook();
        if (alive)
            base();
        else
            event->accept();
    }

private:
    KIVQWidgetBase m_controlBase{this};
    // Owned through the base so that the forwards compile where Impl is only declared.
    std::unique_ptr<KIVQWidgetBaseImpl> m_impl;
    Impl* m_d = nullptr; // the same object, typed; set and cleared with m_impl
    QString m_jsonData;
};

} // namespace KIVQtLib
