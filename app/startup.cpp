#include "startup.h"

#include "fonts.h"
#include "spanish.h"

#include <QApplication>

void prepareApplication(QApplication &app)
{
    QApplication::setStyle(QStringLiteral("windows"));
    useSpanish(app);
    QApplication::setFont(controlFont(layout::windowFont));
}
