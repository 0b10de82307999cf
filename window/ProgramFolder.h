#pragma once
#include <QString>

// Where the file dialogs of the EEPROM export and import, Export Logs and the
// end-of-line SAVE LOG open: the program's own folder, as they always did,
// while that folder takes files. Installed in /usr/bin it does not, and they
// open in the current folder instead.

// programFolder when the user may write there, else the current folder.
QString StartFolder(const QString& programFolder);

// StartFolder of the running program's folder.
QString DialogStartFolder();
