#include "KIVQComboBox.h"

#include "KIVQComboBoxImpl.h"
#include "KIVQComboList.h"

#include <QCursor>

namespace KIVQtLib {

KIVQComboBox::KIVQComboBox(QWidget* parent) : KIVQControlBase(parent)
{
    auto* d = new KIVQComboBoxImpl(this, QString::fromLatin1(typeName()));
    m_list = new KIVQComboList(d);
    attachImpl(d);
    // From here on view() is this list, so what a caller sets up on it before the first popup stays. Qt's
    // popup container takes it and deletes it with the combo box.
    setView(m_list);
}

KIVQComboBox::~KIVQComboBox() = default;

void KIVQComboBox::hidePopup()
{
    QComboBox::hidePopup();
    // The popup took the mouse from the press that opened it: the release and the leave went to the
    // popup, so the face would stay pressed (and without its button icon) until the next hover.
    if (isEnabled())
        impl()->setState(rect().contains(mapFromGlobal(QCursor::pos())) ? CtrlHover : CtrlNormal);
}

KIVQComboList* KIVQComboBox::comboList() const
{
    return m_list;
}

void KIVQComboBox::setBackground(CtrlState state, const FillStyle& fill)
{
    impl()->backgrounds.set(state, fill);
}

const FillStyle& KIVQComboBox::getBackground(CtrlState state) const
{
    return impl()->backgrounds.get(state);
}

void KIVQComboBox::setBtnBackground(CtrlState state, const FillStyle& fill)
{
    impl()->btnBackgrounds.set(state, fill);
}

const FillStyle& KIVQComboBox::getBtnBackground(CtrlState state) const
{
    return impl()->btnBackgrounds.get(state);
}

void KIVQComboBox::setTextStyle(CtrlState state, const TextStyleDesc& style)
{
    impl()->textStyles.set(state, style);
}

const TextStyleDesc& KIVQComboBox::getTextStyle(CtrlState state) const
{
    return impl()->textStyles.get(state);
}

void KIVQComboBox::setItemBackground(CtrlState state, const FillStyle& fill)
{
    impl()->itemBackgrounds.set(state, fill);
}

const FillStyle& KIVQComboBox::getItemBackground(CtrlState state) const
{
    return impl()->itemBackgrounds.get(state);
}

void KIVQComboBox::setItemTextStyle(CtrlState state, const TextStyleDesc& style)
{
    impl()->itemTextStyles.set(state, style);
}

const TextStyleDesc& KIVQComboBox::getItemTextStyle(CtrlState state) const
{
    return impl()->itemTextStyles.get(state);
}

void KIVQComboBox::setBtnIcon(CtrlState state, const QString& icon)
{
    impl()->btnIcons.set(state, icon);
}

const QString& KIVQComboBox::getBtnIcon(CtrlState state) const
{
    return impl()->btnIcons.get(state);
}

void KIVQComboBox::setPopupBackground(CtrlState, const FillStyle& fill)
{
    impl()->popupBackground = fill;
}

const FillStyle& KIVQComboBox::getPopupBackground(CtrlState) const
{
    return impl()->popupBackground;
}

void KIVQComboBox::setNormalBtnIcon(const QString& icon)
{
    setBtnIcon(CtrlNormal, icon);
}

const QString& KIVQComboBox::getNormalBtnIcon() const
{
    return getBtnIcon(CtrlNormal);
}

void KIVQComboBox::setHotBtnIcon(const QString& icon)
{
    setBtnIcon(CtrlHover, icon);
}

const QString& KIVQComboBox::getHotBtnIcon() const
{
    return getBtnIcon(CtrlHover);
}

void KIVQComboBox::setItemHeight(int height)
{
    impl()->itemHeight = height;
}

int KIVQComboBox::getItemHeight() const
{
    return impl()->itemHeight;
}

bool KIVQComboBox::getDelegateItemVisible() const
{
    return impl()->getDelegateItemVisible();
}

void KIVQComboBox::setDelegateItemVisible(bool visible)
{
    impl()->setDelegateItemVisible(visible);
}

void KIVQComboBox::initDemoData()
{
    impl()->onCreateComplete();
}

ControlInfo KIVQComboBox::getProps()
{
    using T = KIVQComboBox;
    ControlInfo info = kivMakeControlInfo(typeName(), "KIVQComboBox", "ComboBox", "Control ComboBox", "combo");
    auto& rows = info.properties;
    rows.push_back(props::fill<T>(QStringLiteral("Background"), &T::setBackground, &T::getBackground));
    rows.push_back(props::fill<T>(QStringLiteral("BtnBackground"), &T::setBtnBackground, &T::getBtnBackground));
    rows.push_back(props::textStyle<T>(QStringLiteral("TextStyle"), &T::setTextStyle, &T::getTextStyle));
    PropertyDef popup =
        props::fill<T>(QStringLiteral("PopupBackground"), &T::setPopupBackground, &T::getPopupBackground, 0);
    popup.options = QStringList{QStringLiteral("Normal")};
    popup.optionValues = {CtrlNormal};
    rows.push_back(popup);
    rows.push_back(props::fill<T>(QStringLiteral("ItemBg"), &T::setItemBackground, &T::getItemBackground));
    rows.push_back(props::textStyle<T>(QStringLiteral("ItemText"), &T::setItemTextStyle, &T::getItemTextStyle));
    rows.push_back(props::text<T>(QStringLiteral("Context"), PropertyDef::Text, &T::setCurrentText, &T::currentText));
    rows.push_back(
        props::text<T>(QStringLiteral("Icon"), PropertyDef::ImageName, &T::setNormalBtnIcon, &T::getNormalBtnIcon));
    rows.push_back(
        props::text<T>(QStringLiteral("HotIcon"), PropertyDef::ImageName, &T::setHotBtnIcon, &T::getHotBtnIcon));
    return info;
}

} // namespace KIVQtLib
