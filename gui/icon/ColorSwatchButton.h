// A swatch that shows one colour and, when clicked, lets the user choose another with the
// colour dialog (none chosen: the colour stays).
#pragma once

#include "settings/Color.h"

#include <QAbstractButton>

namespace orv {

class ColorSwatchButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit ColorSwatchButton(ColorRef color, QWidget* parent = nullptr);

    ColorRef color() const { return m_color; }
    void setColor(ColorRef color);

    QSize sizeHint() const override;

signals:
    // The user chose a colour in the dialog.
    void colorChosen(orv::ColorRef color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void choose();

    ColorRef m_color;
};

QColor toQColor(ColorRef color);
ColorRef toColorRef(const QColor& color);

} // namespace orv
