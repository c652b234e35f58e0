// An empty form.
#include "icon/CIconEditorView.h"

namespace orv {

namespace {

// 322 x 198 dialog units: a unit is a quarter of the dialog font's average character width
// (6 pixels) across and an eighth of its height (13 pixels) down.
constexpr int kFormWidth = 322 * 6 / 4;
constexpr int kFormHeight = 198 * 13 / 8;

} // namespace

CIconEditorView::CIconEditorView(CDocument* document, QWidget* parent) : CView(document, parent)
{
    setObjectName(QStringLiteral("IconEditorView"));
}

QSize CIconEditorView::sizeHint() const
{
    return {kFormWidth, kFormHeight};
}

} // namespace orv
