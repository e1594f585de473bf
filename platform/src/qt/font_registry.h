// The installed font families behind the program's family numbers.
#pragma once

#include "platform/types.h"

#include <QFont>
#include <QString>

// The installed family that draws a family number (the serif family's for an unknown number); empty
// when the toolkit is not started or no font is installed.
QString InstalledFamilyForNumber(SInt16 family);
// The toolkit font of a family number, face bits and pixel size (12 when the size is not positive).
QFont MakeFont(SInt16 family, SInt16 face, SInt16 size);
