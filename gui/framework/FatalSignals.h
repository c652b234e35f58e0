// The program's last act on a signal that ends it (terminated, hung up, interrupted, or a crash):
// write the recovery images that are ready, then end as the signal would have ended it.
#pragma once

namespace orv {

// Installs the handlers once for the whole process; later calls do nothing. What ran for
// a signal before (the system's default, a sanitizer's report) runs after the images are written.
void installFatalSignalRecovery();

} // namespace orv
