// Course XML read with pugixml: course files are Windows-1251 and stay bytes;
// a file that declares UTF-8 is turned into course text.
#pragma once

#include <string>

namespace pugi {
class xml_node;
}

namespace kv {

// Whether the XML declaration at the start of the file names UTF-8.
bool DeclaresUtf8(const std::string& bytes);

// The text of a node as course text: its character data and, written out as
// they stand, any elements inside it (a question may carry HTML markup).
std::string InnerText(const pugi::xml_node& node, bool utf8);

}  // namespace kv
