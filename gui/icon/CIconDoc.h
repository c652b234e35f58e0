// The icon document: no content of its own. An ".icm" file is written empty, and any file
// opens as an empty icon document named after it.
#pragma once

#include "framework/CEmptyDocument.h"

namespace orv {

class CIconDoc : public CEmptyDocument {
    Q_OBJECT

public:
    using CEmptyDocument::CEmptyDocument;
};

} // namespace orv
