// A document type as its module describes it to the application: the template id, which is
// also the id of the type's menu, and the seven-field resource string (see CDocTemplate).
#pragma once

namespace orv {

struct DocumentType {
    int templateId;
    const char* resourceString;
};

} // namespace orv
