// The program's start-up as the user meets it, timed from outside (farm-bench, callgrind):
// what "orvante --no-splash" does up to the first paint of its main window. The yardstick
// is bench_startup_minimal_window.
#include "app/COrvanteApp.h"
#include "app/QSettingsProfile.h"
#include "app/QtPrompts.h"

#include "ExitAfterFirstPaint.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    orv::QSettingsProfile profile;
    orv::QtPrompts prompts;
    orv::COrvanteApp orvante(profile, prompts);
    const orv::bench::ExitAfterFirstPaint leaveAfterPaint;
    if (!orvante.InitInstance({QStringLiteral("orvante"), QStringLiteral("--no-splash")}))
        return 1;
    return QApplication::exec();
}
