// The folder of one run: packages, the archive tool and extracted files all go into a new
// folder under the temporary folder, with an unpredictable name, that only the current user,
// SYSTEM and the Administrators can write to. It is removed once the run has finished; the
// folders of runs that ended early are removed by the next run.
//
// Process-wide state, written on the user-interface thread before any worker starts and
// when the finished page shows, read by the workers in between; a lock guards it.
#pragma once

#include <string>

// Removes the folders of earlier runs from the temporary folder. Call only while no other
// copy of the setup runs (the single-instance mutex is held), since theirs look the same.
void RemoveLeftoverDownloadFolders();

// Creates this run's folder. False when it could not be made; DownloadFolder() is then
// empty, so nothing is downloaded anywhere else.
bool CreateDownloadFolder();

// This run's folder, ending in a backslash. Before CreateDownloadFolder is called (programs
// other than the setup, such as tests), the temporary folder itself.
std::string DownloadFolder();

// Removes this run's folder and everything in it; later calls of DownloadFolder() give the
// empty text. Does nothing when no folder was created.
void RemoveDownloadFolder();

// True for a folder name that CreateDownloadFolder could have made.
bool IsDownloadFolderName(const std::string& name);

// Forgets the folder of this run without removing it, so that DownloadFolder() gives the
// temporary folder again.
void ResetDownloadFolderForTesting();
