#pragma once

#include <string>

// Where the game's files live. Folders are returned without a trailing separator.

// The folder that holds the game's executable.
std::string getApplicationFolder();

// A name relative to the application folder: a leading "\", ":" or "/" is dropped, "\" becomes "/".
std::string makeApplicationPath(const std::string& name);

// The per-user folder for the save file, logs and screenshots, created when missing
// (~/.local/share/Corvidane/Skyvane). Falls back to the application folder.
std::string getUserDataFolder();

// The folder that holds "data.pk": next to the executable first, then the installed share folder.
// When neither has a pack, the application folder (loose files may still be there).
std::string findDataFolder();
