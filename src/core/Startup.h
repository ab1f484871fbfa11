#pragma once

#include <QString>

// File names the online update leaves in the program folder.
inline const char* const UpdateScriptName = "update.sh";
inline const char* const BackupExecutableName = "ZAVK.bak";

// Deletes an update script and a saved old executable left by an earlier run;
// errors are ignored.
void RemoveLeftoverUpdateFiles();

// At exit: starts AppPath + "update.sh" detached, in the program folder, when an
// update is pending and the script exists. True when it was started.
bool StartPendingUpdateScript();

// True unless "System.ini" turns the terms-of-use screen off (DisplayAgree=0).
bool TermsOfUseRequired();
