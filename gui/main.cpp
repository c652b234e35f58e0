// The "orvante" executable: loads the settings, shows the main window, saves the settings at exit.
#include "app/QSettingsProfile.h"
#include "settings/AppSettings.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tessaly Studios"));
    QApplication::setApplicationName(QStringLiteral("ORVANTE"));

    orv::QSettingsProfile profile;
    orv::AppSettings settings;
    settings.load(profile);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("ORVANTE"));
    window.resize(1024, 720);
    if (settings.record.mainMaximized())
        window.showMaximized();
    else
        window.show();

    const int code = QApplication::exec();
    settings.save(profile);
    profile.sync();
    return code;
}
