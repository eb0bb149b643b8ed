#pragma once
// The program speaks Japanese: Qt's own dialogs (message-box buttons, input
// boxes, the print dialog) are switched to Qt's Japanese translation.

class QCoreApplication;

namespace nimbara {

// Installs Qt's Japanese translation on `application`; false when it is not
// installed on this machine (the standard dialogs then stay in English).
bool InstallJapaneseTranslation(QCoreApplication& application);

}  // namespace nimbara
