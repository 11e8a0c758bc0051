#include "XmlText.h"

#include <sstream>

#include "util/Cp1251.h"

namespace kv {

pugi::xml_node LoadCourseXml(const std::string& bytes, pugi::xml_document& document, const char* rootName,
                             std::string& error) {
  const pugi::xml_parse_result result =
      document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf8);
  if (!result) {
    error = result.description();
    return {};
  }
  const pugi::xml_node root = document.child(rootName);
  if (!root) error = std::string("no ") + rootName + " element";
  return root;
}

bool DeclaresUtf8(const std::string& bytes) {
  const std::string head = LowerCase(bytes.substr(0, std::min<std::size_t>(bytes.size(), 200)));
  const std::size_t declaration = head.find("<?xml");
  if (declaration == std::string::npos) return false;
  const std::size_t end = head.find("?>", declaration);
  const std::string text = head.substr(declaration, end == std::string::npos ? std::string::npos : end - declaration);
  return text.find("utf-8") != std::string::npos || text.find("utf8") != std::string::npos;
}

std::string InnerText(const pugi::xml_node& node, bool utf8) {
  std::string text;
  for (const pugi::xml_node child : node.children()) {
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
      text += child.value();
    } else if (child.type() == pugi::node_element) {
      std::ostringstream out;
      child.print(out, "", pugi::format_raw, pugi::encoding_utf8);
      text += out.str();
    }
  }
  return utf8 ? Utf8ToCp1251(text) : text;
}

}  // namespace kv
