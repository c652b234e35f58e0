// Pictures of the element kinds in the hierarchy tree.
#include "designer/ElementPictures.h"

#include "designer/DesignerPictures.h"

namespace orv {

QIcon elementPicture(ElementTypeCode code)
{
    if (code == element_code::frameLayout)
        return layoutPicture(2);
    return typeCodePicture(code);
}

} // namespace orv
