#pragma once

class QApplication;

namespace Fonts {

// Makes an installed Persian font the application's default and maps the font names the
// program's settings may carry ("Tahoma", "B Titr", "B Nazanin", "B Jadid") onto installed
// Persian fonts, so that joined Persian letters never fall back to a Latin font.
void install(QApplication& app);

} // namespace Fonts
