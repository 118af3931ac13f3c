#pragma once

#include "KIVQPaintHelpers.h"
#include "StyleTypes.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <map>
#include <string>
#include <variant>

class QMouseEvent;
class QPainter;
class QWidget;

namespace KIVQtLib {

class ControlJson;
class IKIVQWidgetBase;
template <class Derived, class QtBase, class Impl> class KIVQControlBase;

// One member of a control's "attr" object, kept so that keys the control does not know survive a save.
// The variant's index is the kind code.
struct KIVQTLIB_EXPORT AttrValue
{
    enum Kind
    {
        Bool = 0,
        String = 1,
        Int8 = 2,
        UInt8 = 3,
        Int16 = 4,
        UInt16 = 5,
        UInt32 = 6,
        Int32 = 7,
        UInt64 = 8,
        Int64 = 9,
        Float = 10,
        Double = 11,
        StringList = 12
    };
    using Payload = std::variant<bool, QString, qint8, quint8, qint16, quint16, quint32, qint32, quint64, qint64, float,
                                 double, QStringList>;

    Payload value;
    int kind() const { return int(value.index()); }
};

// Base of every control's private implementation: look, state and JSON live here, Qt behaviour in the
// public class. Reached from the control through its typed impl() (and its dynamic property "impl").
class KIVQTLIB_EXPORT KIVQWidgetBaseImpl : public QObject, public KIVQPaintHelpers
{
    Q_OBJECT
public:
    KIVQWidgetBaseImpl(QWidget* owner, const QString& typeName);
    ~KIVQWidgetBaseImpl() override;

    virtual void paintEvent();
    virtual void paint(QPainter* painter, const QRect& rect);
    // The shared JSON part. On reading it may point *json at the control's theme entry, from which the
    // worker then reads "style" and "attr". False refuses the element.
    bool serializeJsonValue(Json::Value** json, bool read);
    // The shared part, then, unless it refused, the class worker on the element it settled on. A
    // redirect into a theme entry holds the loading-from-theme flag for the worker and nothing after.
    bool serialize(Json::Value* json, bool read);
    // The class worker: the control's own "style" slots and "attr" keys.
    virtual void serializeJson(ControlJson& io);
    virtual void onLanguageChanged() {}
    virtual void onCreateComplete() {}
    // The event is null when called from code rather than from a Qt handler.
    virtual void onMousePress(QMouseEvent* event = nullptr);
    virtual void onMouseRelease(QMouseEvent* event = nullptr);
    virtual void onMouseEnter();
    virtual void onMouseLeave();
    virtual void onMouseMove(QMouseEvent*) {}
    virtual void onMouseDoubleClick(QMouseEvent*) {}

    // Applies the theme entry named by themeName() through the control's own JSON routine.
    void applyTheme();

    // AARRGGBB text as written by the style document; the alpha is dropped.
    static QColor colorFromHex(const std::string& hex);

    // Sub-controls a control makes for itself (scroll bars, inner buttons) are not written as "child".
    static void markInternalChild(QWidget* child);
    static bool isInternalChild(const QObject* child);

    bool getDelegateItemVisible() const { return m_delegateItemVisible; }
    void setDelegateItemVisible(bool visible) { m_delegateItemVisible = visible; }

    const QString& typeName() const { return m_typeName; }
    const QString& themeName() const { return m_themeName; }
    void setThemeName(const QString& name) { m_themeName = name; }
    bool isHover() const { return m_hover; }
    CtrlState state() const { return CtrlState(m_state); }
    void setState(CtrlState state);
    QWidget* owner() const { return m_owner; }

    const std::map<std::string, AttrValue>& attributes() const { return m_attributes; }
    void setAttribute(const std::string& key, const AttrValue& value) { m_attributes[key] = value; }
    void removeAttribute(const std::string& key) { m_attributes.erase(key); }

protected:
    // The state a paint shows: disabled while the owner is, normal again once it is enabled.
    void followEnabled();

    QString m_typeName;
    QString m_themeName;
    bool m_hover = false;
    bool m_delegateItemVisible = true;
    int m_state = CtrlNormal;
    std::map<std::string, AttrValue> m_attributes;
    QWidget* m_owner = nullptr; // the control; it deletes this object in its destructor

private:
    // serializeJsonValue, also handing out, when reading, the "attr" member of the element it settled on.
    bool serializeShared(Json::Value** json, bool read, const Json::Value** attrOut);

    template <class Derived, class QtBase, class Impl> friend class KIVQControlBase;
    // The same control seen through its interface, set by the control template; null for a plain widget
    // given an Impl, which is asked by cast.
    IKIVQWidgetBase* m_control = nullptr;
};

} // namespace KIVQtLib
