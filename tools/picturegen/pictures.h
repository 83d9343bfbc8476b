#pragma once

#include <QImage>
#include <QList>

// The pictures of the window, each drawn the same way every time.
QImage drawTransformers(); // Picture1
QImage drawLightDiodes();  // Picture2: photodiode, LED, zener diodes
QImage drawDiodes();       // Picture3: rectifier and varicap diodes
QImage drawTransistors();  // Picture4: transistors and JFETs
QImage drawWordList();     // Picture5

// The window's background, 640 x 480, reduced to the 3-3-2 palette by error diffusion.
QImage drawCollage();

// The program's icon: a window, size x size, in 16 colours or in black and white. Index 255
// is transparent.
QImage drawWindowIcon(int size, bool colour);
