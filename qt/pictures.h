#pragma once

#include <QImage>

#include <string_view>

// The picture a control shows, from the program's resources, ready to paint: its top rows, as
// many as the control shows, in the picture's own format.
QImage picture(std::string_view controlName, int shownRows);
