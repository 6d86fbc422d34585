#pragma once
#include <QPixmap>

// The pictures of the message box and the login dialog, painted in code.
namespace artwork {

QPixmap informationIcon(int size);
QPixmap questionIcon(int size);
// A house with a golden key in front of it.
QPixmap houseAndKey(int size);
// The small emblem at the left of the title strip.
QPixmap titleEmblem(int size);

} // namespace artwork
