// A push button painted by hand: a raised or sunken 3-D frame, the label aligned left,
// centred or right, and the pressed and disabled looks.
#pragma once

#include <QAbstractButton>
#include <QColor>

namespace orv {

class COwnerDrawButton : public QAbstractButton {
    Q_OBJECT

public:
    enum class Alignment { left = 0, centre = 1, right = 2 };

    explicit COwnerDrawButton(QWidget* parent = nullptr);

    void setAlignment(Alignment alignment);
    void setBackColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_textColor{0, 0, 0};
    QColor m_backColor{0xC0, 0xC0, 0xC0};
    QColor m_disabledBackColor{0xC0, 0xC0, 0xC0};
    QColor m_lightColor{0xDF, 0xDF, 0xDF};
    QColor m_highlightColor{0xFF, 0xFF, 0xFF};
    QColor m_shadowColor{0x80, 0x80, 0x80};
    QColor m_darkShadowColor{0, 0, 0};
    Alignment m_alignment = Alignment::centre;
};

} // namespace orv
