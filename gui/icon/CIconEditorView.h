// The view of an icon document: an empty form the size of the original's (322 x 198 dialog
// units), which the application can disable and enable.
#pragma once

#include "framework/CView.h"

namespace orv {

class CIconEditorView : public CView {
    Q_OBJECT

public:
    explicit CIconEditorView(CDocument* document, QWidget* parent = nullptr);

    void disableView() { setEnabled(false); }
    void enableView() { setEnabled(true); }

    QSize sizeHint() const override;
};

} // namespace orv
