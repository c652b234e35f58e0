// A project document: no content in this version; its ".mp" file is written empty and read as
// nothing, so any ".mp" file opens.
#pragma once

#include "framework/CEmptyDocument.h"

namespace orv {

class CProjectDoc : public CEmptyDocument {
    Q_OBJECT

public:
    using CEmptyDocument::CEmptyDocument;
};

} // namespace orv
