// The logo is the application's desktop icon, drawn at the size asked for.
#include "app/AppLogo.h"

#include "framework/Pictures.h"

namespace orv {

QPixmap appLogo(int size)
{
    return picture("app-logo", size);
}

} // namespace orv
