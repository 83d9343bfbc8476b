#include "form1.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The program takes no command line: Qt sees the program name only, so that not even its
    // own options (-reverse, -style, ...) change the window.
    (void)argc;
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    prepareApplication(app);

    Form1 form;
    showWindow(form);
    return QApplication::exec();
}
