// Voldrim: learn to read the bass clef on the cello.
#include "app/voldrim_app.h"

#include <QApplication>

CVoldrimApp theApp;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Voldrim"));
    theApp.SetArguments(QApplication::arguments().mid(1));
    if (!theApp.InitInstance())
        return 1;
    return QApplication::exec();
}
