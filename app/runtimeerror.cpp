#include "runtimeerror.h"

#include <QApplication>
#include <QMessageBox>

void reportRuntimeError(const QString &description)
{
    QString message = QStringLiteral("Se ha producido un error en tiempo de ejecución.");
    if (!description.isEmpty())
        message += QStringLiteral("\n\n") + description;
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("korval2"), message);
    QCoreApplication::exit(1);
}
