// The previews of layouts and controls, one class per kind of element, on the Qt widget
// that behaves like the control where there is one and painted by hand where not.
#pragma once

#include "designer/COwnerDrawButton.h"
#include "designer/PreviewWidget.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSlider>

namespace orv {

// Column and row layouts: their background colour.
class COrvanteLayout : public QWidget, public PreviewWidget {
    Q_OBJECT

public:
    COrvanteLayout(const CUIElement& element, QWidget* parent);
    void setBackColor(ColorRef color) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
};

class COrvanteColumnLayout final : public COrvanteLayout {
    Q_OBJECT
public:
    using COrvanteLayout::COrvanteLayout;
};

class COrvanteRowLayout final : public COrvanteLayout {
    Q_OBJECT
public:
    using COrvanteLayout::COrvanteLayout;
};

// A frame layout: its background, a title bar with the label, the collapse arrow when it
// collapses, and a border when it shows one. Its child is clipped away while it is collapsed.
class COrvanteFrameLayout final : public COrvanteLayout {
    Q_OBJECT

public:
    COrvanteFrameLayout(const CUIElement& element, QWidget* parent, const QFont& titleFont);
    void setText(const std::string& text) override;
    void setStyles(std::uint32_t styles) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont m_titleFont;
    QString m_label;
    std::uint32_t m_styles = 0;
};

class COrvanteButton final : public COwnerDrawButton, public PreviewWidget {
    Q_OBJECT

public:
    COrvanteButton(const CUIElement& element, QWidget* parent);
    void setText(const std::string& text) override { QAbstractButton::setText(textFromUtf8(text)); }
    void setStyles(std::uint32_t styles) override;
    void setBackColor(ColorRef color) override { COwnerDrawButton::setBackColor(toQColor(color)); }
};

// A check box whose box and label sit together at the left, the centre (at first) or the right
// of the control, as its alignment says; a click anywhere on it toggles it.
class COrvanteCheckBox final : public QCheckBox, public PreviewWidget {
    Q_OBJECT

public:
    COrvanteCheckBox(const CUIElement& element, QWidget* parent);
    void setText(const std::string& text) override { QCheckBox::setText(textFromUtf8(text)); }
    void setStyles(std::uint32_t styles) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    // Where the box and its label are drawn.
    QRect contentRect() const;

    Qt::Alignment m_alignment = Qt::AlignHCenter;
};

// A bordered list with a vertical scroll bar and extended selection.
class COrvanteList final : public QListWidget, public PreviewWidget {
    Q_OBJECT

public:
    COrvanteList(const CUIElement& element, QWidget* parent);
    void setListItems(const std::vector<std::string>& items) override;
};

// A slider with a 12-pixel thumb and no ticks, vertical when the element says so.
class COrvanteSlider final : public QSlider, public PreviewWidget {
    Q_OBJECT

public:
    COrvanteSlider(const CUIElement& element, QWidget* parent);
    void setStyles(std::uint32_t styles) override;
};

// Text, int and float fields: one line; the int field takes digits only.
class COrvanteTextField final : public QLineEdit, public PreviewWidget {
    Q_OBJECT

public:
    COrvanteTextField(const CUIElement& element, QWidget* parent);
    void setText(const std::string& text) override { QLineEdit::setText(textFromUtf8(text)); }
    void setStyles(std::uint32_t styles) override { setReadOnly(hasStyle(styles, PreviewStyle::readOnly)); }
};

// The scroll field: several lines with a vertical scroll bar.
class COrvanteScrollField final : public QPlainTextEdit, public PreviewWidget {
    Q_OBJECT

public:
    COrvanteScrollField(const CUIElement& element, QWidget* parent);
    void setText(const std::string& text) override { setPlainText(textFromUtf8(text)); }
    void setStyles(std::uint32_t styles) override { setReadOnly(hasStyle(styles, PreviewStyle::readOnly)); }
};

class COrvanteText final : public QLabel, public PreviewWidget {
    Q_OBJECT

public:
    COrvanteText(const CUIElement& element, QWidget* parent);
    void setText(const std::string& text) override { QLabel::setText(textFromUtf8(text)); }
    void setStyles(std::uint32_t styles) override;
};

// A line through the middle of the longer side as its style draws it: etched in (at first) or
// out, one or two plain lines, solid or dashed, or none.
class COrvanteSeparator final : public QWidget, public PreviewWidget {
    Q_OBJECT

public:
    COrvanteSeparator(const CUIElement& element, QWidget* parent);
    void setStyles(std::uint32_t styles) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t m_styles = 0;
};

} // namespace orv
