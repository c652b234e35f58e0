// The icon editor's image and its tools.
#include "icon/IconImage.h"

#include <algorithm>
#include <utility>

namespace orv {

IconImage::IconImage(int widthExponent, int heightExponent)
    : m_widthExponent(std::clamp(widthExponent, kMinExponent, kMaxExponent)),
      m_heightExponent(std::clamp(heightExponent, kMinExponent, kMaxExponent)),
      m_width(1 << m_widthExponent),
      m_height(1 << m_heightExponent),
      m_pixels(static_cast<std::size_t>(m_width) * m_height, kWhite),
      m_undo(m_pixels)
{
}

std::optional<ColorRef> IconImage::pixel(PixelPos p) const
{
    if (!contains(p))
        return std::nullopt;
    return m_pixels[index(p)];
}

bool IconImage::setPixel(PixelPos p, ColorRef color)
{
    if (!contains(p))
        return false;
    m_pixels[index(p)] = color;
    return true;
}

void IconImage::snapshot()
{
    m_undo = m_pixels;
}

void IconImage::undo()
{
    m_pixels = m_undo;
}

bool IconImage::beginStroke(PixelPos p, ColorRef color)
{
    if (!contains(p))
        return false;
    snapshot();
    return setPixel(p, color);
}

bool IconImage::fill(PixelPos start, ColorRef color)
{
    const auto old = pixel(start);
    if (!old)
        return false;
    snapshot();
    if (*old == color)
        return false;
    // The order of visits is that of the recursive fill (left, right, up, down, each followed
    // to its end before the next): a stack holds the neighbours still to try, pushed in reverse.
    std::vector<PixelPos> pending{start};
    while (!pending.empty()) {
        const PixelPos p = pending.back();
        pending.pop_back();
        if (pixel(p) != old)
            continue;
        m_pixels[index(p)] = color;
        for (const PixelPos next : {PixelPos{p.x, p.y + 1}, PixelPos{p.x, p.y - 1}, PixelPos{p.x + 1, p.y},
                                    PixelPos{p.x - 1, p.y}})
            if (pixel(next) == old)
                pending.push_back(next);
    }
    return true;
}

void IconImage::flipHorizontal()
{
    snapshot();
    for (int y = 0; y < m_height; ++y) {
        auto row = m_pixels.begin() + static_cast<std::ptrdiff_t>(y) * m_width;
        std::reverse(row, row + m_width);
    }
}

void IconImage::flipVertical()
{
    snapshot();
    for (int y = 0; y < m_height / 2; ++y)
        std::swap_ranges(m_pixels.begin() + static_cast<std::ptrdiff_t>(y) * m_width,
                         m_pixels.begin() + static_cast<std::ptrdiff_t>(y + 1) * m_width,
                         m_pixels.begin() + static_cast<std::ptrdiff_t>(m_height - 1 - y) * m_width);
}

void IconImage::replace(ColorRef from, ColorRef to)
{
    snapshot();
    std::replace(m_pixels.begin(), m_pixels.end(), from, to);
}

void IconImage::clear(ColorRef color)
{
    snapshot();
    std::fill(m_pixels.begin(), m_pixels.end(), color);
}

void IconImage::move(IconMove direction, ColorRef edge)
{
    const auto rowStart = [this](int y) { return m_pixels.begin() + static_cast<std::ptrdiff_t>(y) * m_width; };
    switch (direction) {
    case IconMove::left:
        for (int y = 0; y < m_height; ++y) {
            std::shift_left(rowStart(y), rowStart(y) + m_width, 1);
            *(rowStart(y) + m_width - 1) = edge;
        }
        break;
    case IconMove::right:
        for (int y = 0; y < m_height; ++y) {
            std::shift_right(rowStart(y), rowStart(y) + m_width, 1);
            *rowStart(y) = edge;
        }
        break;
    case IconMove::up:
        std::shift_left(m_pixels.begin(), m_pixels.end(), m_width);
        std::fill(rowStart(m_height - 1), m_pixels.end(), edge);
        break;
    case IconMove::down:
        std::shift_right(m_pixels.begin(), m_pixels.end(), m_width);
        std::fill(m_pixels.begin(), rowStart(1), edge);
        break;
    }
}

} // namespace orv
