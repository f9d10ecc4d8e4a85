#pragma once

#include <string>
#include <vector>

// Where the game's files live. Folders are returned without a trailing separator.

// The folder that holds the game's executable.
std::string getApplicationFolder();

// A name relative to the application folder: a leading "\", ":" or "/" is dropped, "\" becomes "/".
std::string makeApplicationPath(const std::string& name);

// The per-user folder for the save file, logs and screenshots, created when missing
// (~/.local/share/Corvidane/Skyvane). Without one, a "skyvane" folder in the temporary folder:
// never the application folder, which belongs to the installation.
std::string getUserDataFolder();

// The folder that holds "data.pk": next to the executable first, then the share folder of the
// installation the executable sits in (wherever it was moved or staged), then the configured one.
// When neither has a pack, the application folder (loose files may still be there).
std::string findDataFolder();
// Where findDataFolder looks, in order.
std::vector<std::string> dataFolderCandidates();
