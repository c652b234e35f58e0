// The icon editor's words, sizes and control names, each named once.
#pragma once

namespace orv::icon_texts {

inline constexpr const char* kCaptionFormat = "Icon Editor : %1 x %2";
inline constexpr const char* kReadoutFormat = "R:%1  G:%2  B:%3";
inline constexpr const char* kPreviewCaption = "Preview";
inline constexpr const char* kImport = "Import";
inline constexpr const char* kExport = "Export...";
inline constexpr const char* kHFlip = "H Flip";
inline constexpr const char* kVFlip = "V Flip";
inline constexpr const char* kRotateL = "Rotate L";
inline constexpr const char* kRotateR = "Rotate R";
inline constexpr const char* kPen = "Pen";
inline constexpr const char* kFill = "Fill";
inline constexpr const char* kMove = "Move";
inline constexpr const char* kZoom = "Zoom";
inline constexpr const char* kPickColor = "Pick color";
inline constexpr const char* kUndo = "Undo";
inline constexpr const char* kGrid = "Grid";
inline constexpr const char* kPreview = "Preview";
inline constexpr const char* kClear = "Clear";
inline constexpr const char* kReplace = "Replace";
inline constexpr const char* kHorizontalMove = "Horizontal move";
inline constexpr const char* kVerticalMove = "Vertical move";
inline constexpr const char* kSnapToGrid = "Snap to grid";
inline constexpr const char* kImportFilter = "BMP (*.bmp)";
// "Importer un sprite \xE0 partir d'une image" as Latin-1 bytes; shown through fromLatin1.
inline constexpr const char* kImportTitle = "Importer un sprite \xE0 partir d'une image";
inline constexpr const char* kExportFilter = "PNG (*.png);;BMP (*.bmp);;XPM (*.xpm)";
inline constexpr const char* kExportProposed = "icon.png";

// Tooltips show at most this many characters of a control's text.
inline constexpr int kTooltipMax = 80;
inline constexpr int kCanvasSize = 256;
// The preview's client area: the 71 x 87 window less its frame and caption.
inline constexpr int kPreviewArea = 64;

} // namespace orv::icon_texts
