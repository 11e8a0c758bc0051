// Course XML read with pugixml: course files are Windows-1251 and stay bytes;
// a file that declares UTF-8 is turned into course text.
#pragma once

#include <pugixml.hpp>
#include <string>

namespace kv {

// Parses a course XML file into `document` and returns its top element
// `rootName`; a null node, with `error` saying why, for broken XML or a file
// without that element. The bytes are parsed as they are, so Windows-1251
// text passes through unchanged.
pugi::xml_node LoadCourseXml(const std::string& bytes, pugi::xml_document& document, const char* rootName,
                             std::string& error);

// Whether the XML declaration at the start of the file names UTF-8.
bool DeclaresUtf8(const std::string& bytes);

// The text of a node as course text: its character data and, written out as
// they stand, any elements inside it (a question may carry HTML markup).
std::string InnerText(const pugi::xml_node& node, bool utf8);

}  // namespace kv
