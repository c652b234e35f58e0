// The modal icon editor: the canvas, the tools, the two colour swatches, moves, flips, undo,
// grid, preview, clear, replace, the colour read-out, BMP import and image export. Its options
// live in the application's IconEditorParams and its two window placements in the profile.
#pragma once

#include "iconmodel/IconImage.h"
#include "iconmodel/IconTool.h"
#include "settings/IconEditorParams.h"

#include <QDialog>
#include <QPointer>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QToolButton;

namespace orv {

class CIconCanvas;
class CIconPreviewDialog;
class CImportDialog;
class CColorSwatch;
class Profile;
class Prompts;

class CIconEditorDialog : public QDialog {
    Q_OBJECT

public:
    // An image of 2^(n + 3) x 2^(m + 3) white pixels; params and profile belong to the
    // application and are read at opening and written at closing.
    CIconEditorDialog(int n, int m, IconEditorParams& params, Profile& profile, Prompts& prompts,
                      QWidget* parent = nullptr);
    ~CIconEditorDialog() override;

    const IconImage& image() const { return m_image; }
    CIconCanvas* canvas() const { return m_canvas; }
    CIconPreviewDialog* previewDialog() const { return m_preview; }
    CImportDialog* importDialog() const;
    QLabel* readout() const { return m_readout; }
    CColorSwatch* swatch(bool primary) const { return primary ? m_primary : m_secondary; }
    // The control whose text (or tooltip, for a picture button) is text.
    QAbstractButton* button(const char* text) const;

    // The closing steps, then the dialog ends: the placements are saved, the import window goes.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QToolButton* pictureButton(const char* text, int picture, bool enabled = true);
    QToolButton* arrowButton(Qt::ArrowType arrow, const char* text, IconMove move);
    void buildLayout();
    void restorePlacements();
    void savePlacements();
    void imageChanged();
    void updateSwatches();
    void showReadout(ColorRef color);
    void onImport();
    void onExport();

    IconEditorParams& m_params;
    Profile& m_profile;
    Prompts& m_prompts;
    IconImage m_image;
    CIconCanvas* m_canvas;
    CIconPreviewDialog* m_preview;
    QPointer<CImportDialog> m_import;
    CColorSwatch* m_primary;
    CColorSwatch* m_secondary;
    QButtonGroup* m_tools;
    QCheckBox* m_grid;
    QCheckBox* m_showPreview;
    QLabel* m_readout;
    bool m_previewPlaced = false;
    bool m_closed = false;
};

} // namespace orv
