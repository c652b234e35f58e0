// What a project window shows while projects hold nothing: the project's name and file, and a
// line saying so.
#pragma once

#include "framework/CView.h"

namespace orv {

class CProjectView : public CView {
    Q_OBJECT

public:
    explicit CProjectView(CDocument* document, QWidget* parent = nullptr);

    // The lines the view shows, top to bottom.
    QStringList lines() const;

    void onUpdate(CView* sender, int hint) override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orv
