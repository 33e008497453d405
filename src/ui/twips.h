#pragma once

#include <QRect>
#include <QSize>

namespace quillon::ui {

// The layout is drawn in twips; 15 twips make one device-independent pixel,
// so Qt's HiDPI scaling keeps every proportion.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twips(int value) { return (value + kTwipsPerPixel / 2) / kTwipsPerPixel; }

inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

inline QSize twipsSize(int width, int height) { return QSize(twips(width), twips(height)); }

}  // namespace quillon::ui
