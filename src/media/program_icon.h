#pragma once
// The program's icon: a white card with a red heart and a gold Q leaning on a blue card.
// The windows show it, and the artwork tool draws the installed icons from the same
// drawing, so a launcher and its windows look alike.

#include <QImage>

class QPainter;

namespace quintaro {

// Paints the icon into the square (0, 0, size, size) of the painter. The icon is designed
// on a 32 by 32 grid and scaled; it is made of filled shapes only (the letter as an outline
// of the embedded sans font), so it also paints into a vector device.
void PaintProgramIcon(QPainter& painter, double size);

// The icon as a transparent image of size by size pixels.
QImage ProgramIconImage(int size);

} // namespace quintaro
