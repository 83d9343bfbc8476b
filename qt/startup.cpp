#include "startup.h"

#include "accessibility.h"
#include "fonts.h"
#include "spanish.h"
#include "version.h"

#include <QAccessible>
#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <QWidget>

namespace {

class IconAfterFirstFrame : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that this frame is painted and shown first.
            QTimer::singleShot(0, this, [this] {
                QApplication::setWindowIcon(
                    QIcon(QStringLiteral(":/assets/" KORVAL_PROGRAM ".ico")));
                deleteLater();
            });
        }
        return false;
    }
};

} // namespace

void prepareApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral(KORVAL_PROGRAM));
    QApplication::setApplicationVersion(QStringLiteral(KORVAL_VERSION_TEXT));
    QApplication::setStyle(QStringLiteral("windows"));
    useSpanish(app);
    QAccessible::installFactory(accessibleControl);
    QApplication::setFont(controlFont(form::windowFont));
}

void showWindow(QWidget &window)
{
    window.installEventFilter(new IconAfterFirstFrame(&window));
    window.show();
}
