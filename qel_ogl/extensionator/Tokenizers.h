#pragma once

// The parsers of the driver's version and extension strings (internal to the library). They need no window
// system, so that they also build natively for sanitizer and fuzz runs; ExtensionManager forwards to them.

#include <string>
#include <vector>

namespace QEL { namespace OGL {

// Splits "<major>.<minor>[.<release>][ <additional text>]". Release becomes -1 and additional empty when the
// string has none; major and minor are written only by their own reads. Each number is read as a formatted
// stream read does (leading digits only). Without any "." the whole string is read as the major number.
void tokenizeVersionString(const std::string& version, unsigned& major, unsigned& minor, int& release,
                           std::string& additional);

// Appends every maximal run of characters other than the blank, in order. Only " " separates: drivers
// separate with single blanks, and other white space would be part of a name.
void tokenizeExtensionString(const std::string& extensions, std::vector<std::string>& out);

}}
