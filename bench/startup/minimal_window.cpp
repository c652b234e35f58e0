// The yardstick of the start-up measurement: a minimal Qt Widgets main window (a menu bar of
// five menus, a tool bar, a status bar and an MDI area), linked to Qt Widgets alone, up to
// its first paint.
#include "ExitAfterFirstPaint.h"

#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const orv::bench::ExitAfterFirstPaint leaveAfterPaint;
    QMainWindow window;
    for (const char* title : {"&File", "&Edit", "&View", "&Window", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    window.addToolBar(QStringLiteral("Standard"))->addAction(QStringLiteral("New"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.setCentralWidget(new QMdiArea);
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
