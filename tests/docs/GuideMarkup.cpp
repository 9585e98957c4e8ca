// SPDX-License-Identifier: MIT
#include "tests/docs/GuideMarkup.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace Lodema::guide {

namespace {

// Attributes of the start tag whose text (without the angle brackets) is tag.
Attributes ParseAttributes(const std::string& tag) {
  Attributes out;
  size_t i = tag.find_first_of(" \t\r\n");
  while (i != std::string::npos && i < tag.size()) {
    while (i < tag.size() && std::isspace(static_cast<unsigned char>(tag[i]))) ++i;
    const size_t nameStart = i;
    while (i < tag.size() && tag[i] != '=' && !std::isspace(static_cast<unsigned char>(tag[i])))
      ++i;
    const std::string name = tag.substr(nameStart, i - nameStart);
    if (name.empty()) break;
    if (i >= tag.size() || tag[i] != '=') {
      out[name] = "";
      continue;
    }
    ++i;
    if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) {
      const char quote = tag[i++];
      const size_t end = tag.find(quote, i);
      if (end == std::string::npos) break;
      out[name] = DecodeEntities(tag.substr(i, end - i));
      i = end + 1;
    } else {
      const size_t end = tag.find_first_of(" \t\r\n", i);
      out[name] = DecodeEntities(tag.substr(i, end == std::string::npos ? end : end - i));
      i = end;
    }
  }
  return out;
}

}  // namespace

std::vector<Attributes> TagsWithClass(const std::string& html, const std::string& tag,
                                      const std::string& cls) {
  std::vector<Attributes> out;
  const std::string open = "<" + tag;
  for (size_t at = html.find(open); at != std::string::npos; at = html.find(open, at + 1)) {
    const char next = at + open.size() < html.size() ? html[at + open.size()] : '>';
    if (next != ' ' && next != '\n' && next != '>') continue;
    // Attribute values never hold '>' unescaped in the guide (html.escape writes &gt;).
    const size_t end = html.find('>', at);
    if (end == std::string::npos) break;
    Attributes attributes = ParseAttributes(html.substr(at + 1, end - at - 1));
    if (attributes["class"] == cls) out.push_back(std::move(attributes));
  }
  return out;
}

std::string DecodeEntities(const std::string& text) {
  static const std::map<std::string, std::string> kNamed = {
      {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}};
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const size_t semicolon = text.find(';', i);
    if (text[i] != '&' || semicolon == std::string::npos || semicolon - i > 8) {
      out += text[i];
      continue;
    }
    const std::string name = text.substr(i + 1, semicolon - i - 1);
    if (kNamed.count(name)) {
      out += kNamed.at(name);
    } else if (name.size() > 1 && name[0] == '#') {
      const bool hex = name[1] == 'x' || name[1] == 'X';
      // The pages hold only ASCII references (quotes, apostrophes).
      out += static_cast<char>(std::stoi(name.substr(hex ? 2 : 1), nullptr, hex ? 16 : 10));
    } else {
      out += text.substr(i, semicolon - i + 1);
    }
    i = semicolon;
  }
  return out;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> out(1);
  for (char c : text) {
    if (c == separator) {
      out.emplace_back();
    } else {
      out.back() += c;
    }
  }
  return out;
}

std::vector<std::string> LinkTargets(const std::string& html) {
  std::vector<std::string> out;
  for (const std::string key : {"href=\"", "src=\""}) {
    for (size_t at = html.find(key); at != std::string::npos; at = html.find(key, at + 1)) {
      const size_t start = at + key.size();
      out.push_back(DecodeEntities(html.substr(start, html.find('"', start) - start)));
    }
  }
  return out;
}

std::string ReadFile(const std::string& path) {
  std::ostringstream bytes;
  bytes << std::ifstream(path, std::ios::binary).rdbuf();
  return bytes.str();
}

}  // namespace Lodema::guide
