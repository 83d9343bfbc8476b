#include "handlerguard.h"

#include "runtimeerror.h"

#include <QApplication>
#include <QMessageBox>

void reportRuntimeError(const QString &description)
{
    const std::string message = form::runtimeErrorMessage(description.toStdString());
    QMessageBox::critical(QApplication::activeWindow(),
                          QString::fromUtf8(form::runtimeErrorTitle.data(),
                                            qsizetype(form::runtimeErrorTitle.size())),
                          QString::fromStdString(message));
    QCoreApplication::exit(form::runtimeErrorStatus);
}
