#pragma once

class QApplication;

// Everything the application needs before Form1 is built: the classic Windows look, Spanish
// texts, the window's default font and the program's icon.
void prepareApplication(QApplication &app);
