#pragma once

class QApplication;
class QWidget;

// Everything the application needs before Form1 is built: the classic Windows look, Spanish
// texts, the window's default font and how screen readers see picture boxes.
void prepareApplication(QApplication &app);

// Shows the program's window. Its icon follows right after the first frame: reading the icon
// file needs Qt's image plugin, which would otherwise hold the first frame back by several
// milliseconds.
void showWindow(QWidget &window);
