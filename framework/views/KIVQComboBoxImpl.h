#pragma once

#include "core/KIVQWidgetBaseImpl.h"
#include "core/StateStyles.h"

namespace KIVQtLib {

class KIVQComboBox;

// The combo box's face, popup styles and JSON; the popup list and its delegate paint from it.
class KIVQTLIB_EXPORT KIVQComboBoxImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    static constexpr int kTextInset = 10;  // left-aligned texts start at least this far in
    static constexpr int kIconColumn = 20; // an item icon's column
    static constexpr int kIconSize = 16;
    static constexpr int kFaceIconLeft = 5; // the face's icon column starts here

    KIVQComboBoxImpl(KIVQComboBox* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;
    void serializeJson(ControlJson& io) override;
    void onCreateComplete() override;

    KIVQComboBox* combo() const { return m_combo; }
    // A text style as face and items draw it: left-aligned text keeps off the edge.
    static TextStyleDesc shownTextStyle(const TextStyleDesc& style);

    StateStyles<QString> btnIcons;
    int itemHeight = 25;
    StateStyles<FillStyle> backgrounds;
    StateStyles<FillStyle> btnBackgrounds;
    StateStyles<TextStyleDesc> textStyles;
    FillStyle popupBackground;
    StateStyles<FillStyle> itemBackgrounds;
    StateStyles<TextStyleDesc> itemTextStyles;

private:
    void readText(const QString& text, bool fromTheme);

    KIVQComboBox* m_combo;
};

} // namespace KIVQtLib
