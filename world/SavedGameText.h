#pragma once

#include "content/CXmlNode.h"

#include <string>

namespace NVolant {

// The saved game travels in the profile as the XML text of its record, each byte written as two
// uppercase hexadecimal digits, high half first.
std::string encodeSavedGame(const Xml::CXmlNode& record);

// The record back from its text. False, with the record untouched, when the text is empty, of odd
// length, or does not parse as XML. A character outside 0-9 and A-F counts as a zero digit.
bool decodeSavedGame(const std::string& text, Xml::CXmlNode& record);

// Where a saved game stands, as far as a game can be continued from it.
struct SavedGame {
    // More bridges than any level has: every one of them passed.
    static constexpr int kAllBridges = 1 << 16;
    int status = 0;
    int levelNumber = 0;
    int lives = 0;
    int bridges = 0;
    // The whole "save" element: the scores read their own record from it.
    Xml::CXmlNode record;
};

// Decodes and checks a saved game. False when there is nothing to continue: the text does not
// decode, or names a level outside 1..30 or no lives left (a damaged or edited text). A status
// other than play resumes behind the title, and a negative bridge count starts the level afresh.
// A record naming level 31 at its start (written by earlier versions after the last bridge of the
// last level) stands past every bridge of level 30.
bool readSavedGame(const std::string& text, SavedGame& game);

} // namespace NVolant
