#pragma once

class QApplication;

// Everything the application needs before Form1 is built: the classic Windows look, Spanish
// texts and the window's default font.
void prepareApplication(QApplication &app);
