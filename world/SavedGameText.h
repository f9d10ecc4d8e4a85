#pragma once

#include <string>

namespace Xml {
class CXmlNode;
}

namespace NVolant {

// The saved game travels in the profile as the XML text of its record, each byte written as two
// uppercase hexadecimal digits, high half first.
std::string encodeSavedGame(const Xml::CXmlNode& record);

// The record back from its text. False, with the record untouched, when the text is empty, of odd
// length, or does not parse as XML. A character outside 0-9 and A-F counts as a zero digit.
bool decodeSavedGame(const std::string& text, Xml::CXmlNode& record);

} // namespace NVolant
