#include "Topics.h"

#include <algorithm>
#include <pugixml.hpp>

#include "XmlText.h"
#include "util/Cp1251.h"

namespace kv {

bool TTopics::Parse(const std::string& bytes, std::string& error) {
  FTopics.clear();
  pugi::xml_document document;
  const pugi::xml_node root = LoadCourseXml(bytes, document, "root", error);
  if (!root) return false;
  const bool utf8 = DeclaresUtf8(bytes);
  auto text = [utf8](const char* value) { return utf8 ? Utf8ToCp1251(value) : std::string(value); };
  for (const pugi::xml_node node : root.children()) {
    TTopic topic;
    topic.Format = text(node.attribute("format").value());
    topic.Name = text(node.child("name").text().get());
    topic.HporaName = text(node.child("hpora_name").text().get());
    const pugi::xml_node html = node.child("html");
    topic.HasInfo = static_cast<bool>(html);
    topic.InfoFile = text(html.attribute("file").value());
    const pugi::xml_node hpora = node.child("hpora");
    topic.HasHpora = static_cast<bool>(hpora);
    topic.HporaFile = text(hpora.attribute("html").value());
    topic.HporaPrintFile = text(hpora.attribute("file").value());
    topic.HporaPrintCount = text(hpora.attribute("count").value());
    FTopics.push_back(std::move(topic));
  }
  return true;
}

const std::string& TTopics::Title(int index, TPageKind kind) const {
  const TTopic& topic = FTopics.at(static_cast<std::size_t>(index));
  return kind == TPageKind::Info ? topic.Name : topic.HporaName;
}

bool TTopics::InSequence(int index, TPageKind kind) const {
  const TTopic& topic = FTopics.at(static_cast<std::size_t>(index));
  return kind == TPageKind::Info ? topic.HasInfo : topic.HasHpora;
}

bool TTopics::HasPrev(int index, TPageKind kind) const {
  for (int i = std::min(index, Count()) - 1; i >= 0; --i)
    if (InSequence(i, kind)) return true;
  return false;
}

bool TTopics::HasNext(int index, TPageKind kind) const {
  for (int i = std::max(index + 1, 0); i < Count(); ++i)
    if (InSequence(i, kind)) return true;
  return false;
}

const std::string& TTopics::PageFile(int index, TPageKind kind) const {
  const TTopic& topic = FTopics.at(static_cast<std::size_t>(index));
  return kind == TPageKind::Info ? topic.InfoFile : topic.HporaFile;
}

}  // namespace kv
