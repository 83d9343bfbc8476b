#pragma once

#include <QImage>

#include <string_view>

// The picture a control shows, from the program's resources, ready to paint.
QImage picture(std::string_view controlName);
