#pragma once

class QCoreApplication;

namespace Translations {

// Loads Qt's own Persian catalogue (qtbase_fa.qm from Qt's translations folder) into the
// application, so that the dialogs Qt draws for the program (print, page setup, file chooser,
// the buttons of message boxes) speak Persian. Once is enough; a second call changes nothing.
// False when the catalogue is not installed: those dialogs then stay in English.
bool installQtPersian(QCoreApplication& app);

} // namespace Translations
