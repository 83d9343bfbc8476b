#pragma once

#include <QString>

#include <exception>

// Shows the run-time error in a Spanish message box, then ends the event loop with status 1.
void reportRuntimeError(const QString &description);

// Runs a button handler. An exception must not travel through Qt's signal dispatch, nor be
// lost there: it is reported and the program ends.
template <typename Handler> void runHandler(Handler &&handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        reportRuntimeError(QString::fromUtf8(error.what()));
    } catch (...) {
        reportRuntimeError(QString());
    }
}
