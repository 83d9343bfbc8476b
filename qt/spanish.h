#pragma once

class QCoreApplication;

// Spanish (Spain) for the locale and for Qt's own texts (the answer boxes' context menu, the
// message boxes). Without Qt's catalogue the program still starts, with Qt's English texts.
void useSpanish(QCoreApplication &app);
