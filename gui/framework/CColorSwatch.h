// A colour swatch: paints its whole area in one colour and says when it is clicked, so the
// settings dialog and the icon editor can offer a colour choice on it.
#pragma once

#include "settings/Color.h"

#include <QWidget>

namespace orv {

class CColorSwatch : public QWidget {
    Q_OBJECT

public:
    explicit CColorSwatch(QWidget* parent = nullptr);

    ColorRef color() const { return m_color; }
    // redraw paints the new colour at once rather than with the next paint.
    void setColor(ColorRef color, bool redraw = true);

    QSize sizeHint() const override { return {40, 16}; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ColorRef m_color = 0;
};

// The colour a ColorRef names, and back.
QColor toQColor(ColorRef color);
ColorRef toColorRef(const QColor& color);

} // namespace orv
