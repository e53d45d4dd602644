// Well-known folders.
#pragma once

#include "winlib/Classes.h"

// kind 0 the program's folder, 1 the system root ("/usr"), 2 the system libraries ("/usr/lib"),
// 3 the current folder, 4 the temporary folder, 5 the programs folder ("/usr/bin"),
// 8 the user's documents, 9 the desktop, 11 the user's fonts; 6, 7, 10 and any other kind "".
// No trailing '/', except that the root stays "/".
AnsiString GetSpecialFolder(int kind);

// Where the settings file and the database live: the program's folder when it can be written
// to (a copy unpacked somewhere), else $XDG_CONFIG_HOME/Ruliform or ~/.config/Ruliform, created
// when missing (an installed copy, whose folder belongs to the system). A copy running from the
// folder it was installed into uses the configuration folder even when it could write there
// (run by root), so nothing is written among the system's programs.
AnsiString ProgramDataFolder();
// The same choice for a given program folder and installation folder ("" for none).
AnsiString ProgramDataFolder(const AnsiString& programFolder, const AnsiString& installFolder = "");

// Lets tests run the program in a folder of their own ("" returns to the executable's folder).
void SetProgramFolderForTest(const AnsiString& Folder);
