// Voldrim: learn to read the bass clef on the cello.
#include "app/quit_on_signals.h"
#include "app/voldrim_app.h"

#include <QApplication>

CVoldrimApp theApp;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Voldrim"));
    // Ties the windows to the installed menu entry, and so to its icon.
    QApplication::setDesktopFileName(QStringLiteral(VOLDRIM_APP_ID));
    // Before anything opens a sound output: from here on a signal to end
    // closes the program as the user would.
    CQuitOnSignals quitOnSignals;
    theApp.SetArguments(QApplication::arguments().mid(1));
    const bool started = theApp.InitInstance();
    if (quitOnSignals.Requested()) {
        CQuitOnSignals::DeleteMainWindowNow();
        return 0;
    }
    if (!started)
        return 1;
    return QApplication::exec();
}
