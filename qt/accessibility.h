#pragma once

#include <QAccessibleInterface>
#include <QString>

class QObject;

// Screen readers' view of the window's own controls where Qt's would mislead them, installed as
// the application's accessibility factory:
// - a picture box is a named group of the answer boxes it holds, or an image when it holds none.
//   Qt would offer a QFrame as a window frame, and Orca takes such a frame for the window of the
//   box that has the focus, finds it inactive and says nothing;
// - an answer box offers its whole text as one run of attributes. Qt 6.4's line edit answers
//   every offset with an empty run, and Orca cuts what it speaks where the run ends: "ERRO" for
//   "ERROR";
// - the announcement is a notification, which Orca speaks as it shows.
QAccessibleInterface *accessibleControl(const QString &className, QObject *object);
