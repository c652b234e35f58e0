// The "orvante" executable: the application object's start-up, the event loop, then its exit.
#include "app/COrvanteApp.h"
#include "app/QSettingsProfile.h"
#include "app/QtPrompts.h"
#include "framework/FatalSignals.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Unsaved documents are written to their recovery files when a signal ends the program.
    orv::installFatalSignalRecovery();
    orv::QSettingsProfile profile;
    orv::QtPrompts prompts;
    int code = 1;
    {
        orv::COrvanteApp orvante(profile, prompts);
        if (!orvante.InitInstance(QApplication::arguments()))
            return code;
        code = QApplication::exec();
        orvante.ExitInstance();
    }
    profile.sync();
    return code;
}
