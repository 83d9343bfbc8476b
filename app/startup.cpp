#include "startup.h"

#include "fonts.h"
#include "spanish.h"

#include <QApplication>
#include <QIcon>

void prepareApplication(QApplication &app)
{
    QApplication::setStyle(QStringLiteral("windows"));
    useSpanish(app);
    QApplication::setFont(controlFont(layout::windowFont));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/korval2.ico")));
}
