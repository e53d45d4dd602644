// One line of a profile file, taken apart on its code page 932 bytes. A double-byte character's
// second byte may look like '[', ']' or '\', so the scan steps over whole characters.
#pragma once

#include <string>

namespace profile {

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string name;  // section or key name, blanks around it removed (code page 932)
    std::string value; // key lines: the text after the first '=', blanks around it removed
};

ParsedLine ParseLine(const std::string& raw);

// The value as a reader gets it: one pair of enclosing quotes (double or single) removed, then
// cut to at most maxBytes without splitting a double-byte character.
std::string ValueAsRead(const std::string& stored, size_t maxBytes);

// The text to store so that ValueAsRead gives `value` back: line breaks become blanks (they
// would start new lines in the file) and a value with blanks at either end or enclosing quotes
// is put in double quotes, since readers trim blanks and strip one pair of quotes.
std::string ValueToStore(const std::string& value);

// The value with its line breaks turned into blanks, as ValueToStore stores it.
std::string WithoutLineBreaks(const std::string& value);

// The exact form of a value for a companion key: printable ASCII, every other byte, blanks,
// '%' and quotes as "%XX". ExactValueAsRead gives the bytes back, or false for malformed text.
std::string ExactValueToStore(const std::string& value);
bool ExactValueAsRead(const std::string& stored, std::string& value);

// A section or key name made safe to store: line breaks become blanks, blanks at the ends go.
std::string NameToStore(const std::string& name);

// Blanks are spaces and tabs.
std::string TrimBlanks(const std::string& s);

} // namespace profile
