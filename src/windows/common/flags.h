#pragma once
// The flags beside the language buttons, drawn rather than shipped as pictures so they stay sharp
// at any size.

#include <QPixmap>

namespace norvex5 {

// The flag of a language code (1 French ... 7 German), `size` pixels, with a thin grey frame so
// a white band stands out from a pale window. An empty pixmap for any other code.
QPixmap drawFlag(int languageCode, QSize size);

}  // namespace norvex5
