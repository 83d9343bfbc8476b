#include "startup.h"

#include "fonts.h"
#include "spanish.h"

#include <QApplication>
#include <QIcon>

void prepareApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("korval2"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setStyle(QStringLiteral("windows"));
    useSpanish(app);
    QApplication::setFont(controlFont(layout::windowFont));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/korval2.ico")));
}
