// The icon editor's image: 2^n x 2^m COLORREF pixels, row by row from the top, white at start,
// with the one-level undo snapshot taken by the operations that may be undone.
#pragma once

#include "settings/Color.h"

#include <optional>
#include <vector>

namespace orv {

// One pixel of the image, column and row counted from the top left.
struct PixelPos {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPos&) const = default;
};

// One-pixel moves of the whole image; the edge it leaves takes the secondary colour.
enum class IconMove { left, right, up, down };

class IconImage {
public:
    static constexpr ColorRef kWhite = 0xFFFFFF;
    // Exponents above this would not fit a cell of at least one canvas pixel.
    static constexpr int kMaxExponent = 8;
    static constexpr int kMinExponent = 3;

    // width 2^widthExponent, height 2^heightExponent, each kept within kMinExponent..kMaxExponent.
    IconImage(int widthExponent, int heightExponent);

    int width() const { return m_width; }
    int height() const { return m_height; }
    int widthExponent() const { return m_widthExponent; }
    int heightExponent() const { return m_heightExponent; }
    const std::vector<ColorRef>& pixels() const { return m_pixels; }

    bool contains(PixelPos p) const { return p.x >= 0 && p.y >= 0 && p.x < m_width && p.y < m_height; }
    // The colour at p; nothing outside the image.
    std::optional<ColorRef> pixel(PixelPos p) const;
    // Sets one pixel with no snapshot (a stroke's later pixels, an import); false outside.
    bool setPixel(PixelPos p, ColorRef color);

    // Copies the image into the undo buffer; Undo copies it back, as often as it is pressed.
    void snapshot();
    void undo();

    // The first pixel of a pen stroke: a snapshot, then the pixel. False outside the image
    // (no snapshot either, so Undo still restores the last real change).
    bool beginStroke(PixelPos p, ColorRef color);
    // A snapshot, then a 4-connected flood fill; the snapshot is taken even on a pixel already
    // of that colour, where the fill changes nothing. False when no pixel changed; nothing at
    // all happens outside the image.
    bool fill(PixelPos start, ColorRef color);
    void flipHorizontal();
    void flipVertical();
    // Every pixel of colour `from` becomes `to`.
    void replace(ColorRef from, ColorRef to);
    void clear(ColorRef color);
    // Shifts the image one pixel without a snapshot; the uncovered edge becomes `edge`.
    void move(IconMove direction, ColorRef edge);

private:
    std::size_t index(PixelPos p) const { return static_cast<std::size_t>(p.y) * m_width + p.x; }

    int m_widthExponent;
    int m_heightExponent;
    int m_width;
    int m_height;
    std::vector<ColorRef> m_pixels;
    std::vector<ColorRef> m_undo;
};

} // namespace orv
