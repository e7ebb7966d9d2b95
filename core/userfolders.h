// Where the program keeps its own files, as plain C++: the rule that
// platform/userfiles.h applies for the window, here for the batch commands,
// which may run without Qt.
#pragma once
#include <string>

namespace vrek {

// True when the program may keep its files in `folder`: not a system folder
// (an installed program never writes into its installation, even when root
// runs it) and a file can be created there.
bool canKeepFilesIn(const std::string &folder);

// The user's configuration folder, as the desktop names it ($XDG_CONFIG_HOME
// when it is an absolute path, else ~/.config); "" when neither is known.
std::string userConfigFolder();

// The settings file a reader uses: beside the program when its folder may
// keep files, else the user's own (`configFolder`/vrek/vrek.ini) when it
// exists, else the one beside the program. Folders end with '/'.
std::string settingsFileToRead(const std::string &programFolder, bool programFolderWritable,
                               const std::string &configFolder);

// The folder of the running program, with a trailing '/' ("" when the
// system does not say).
std::string runningProgramFolder();

}  // namespace vrek
