// The view of a document type whose own view is not built yet: names the document and its type.
#pragma once

#include "framework/CView.h"

namespace orv {

class PlaceholderView : public CView {
    Q_OBJECT

public:
    PlaceholderView(CDocument* document, QString typeName, QWidget* parent = nullptr);

    const QString& typeName() const { return m_typeName; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_typeName;
};

} // namespace orv
