// SPDX-License-Identifier: MIT
// A workbook part's XML read through expat a chunk at a time, so that a
// sheet of a million rows is never held whole. Element and attribute names
// are given without their namespace prefix ("table:table-cell" is
// "table-cell"): the parts of one workbook kind use each local name once.
// Documents with a DTD are refused (no entity can expand).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "batch/WorkbookArchive.h"

struct XML_ParserStruct;

namespace Lodema {

// Attributes as expat gives them: name, value, name, value, ..., null.
class XmlAttributes {
 public:
  explicit XmlAttributes(const char** pairs) : pairs_(pairs) {}
  // The value of the attribute with this local name; null when absent.
  const char* Find(std::string_view localName) const;
  // The pairs themselves, for a handler that reads several in one pass.
  const char** Pairs() const { return pairs_; }

 private:
  const char** pairs_;
};

std::string_view LocalName(const char* name);

class XmlHandler {
 public:
  virtual ~XmlHandler() = default;
  virtual void Start(std::string_view name, const XmlAttributes& attributes) = 0;
  virtual void End(std::string_view name) = 0;
  virtual void Text(std::string_view text) = 0;
};

class XmlStream {
 public:
  // Reads part and gives its elements to handler.
  XmlStream(std::unique_ptr<ArchivePart> part, XmlHandler& handler);
  ~XmlStream();
  XmlStream(const XmlStream&) = delete;
  XmlStream& operator=(const XmlStream&) = delete;
  // Parses the next chunk; false once the document has ended or failed
  // (Problem() says why).
  bool Pump();
  // Ends parsing from inside a handler with this problem.
  void Fail(std::string problem);
  const std::string& Problem() const { return problem_; }

 private:
  std::unique_ptr<ArchivePart> part_;
  XML_ParserStruct* parser_;
  bool done_ = false;
  std::string problem_;
};

// Parses a whole part; false with problem set when it cannot be read.
bool ParseWholePart(const WorkbookArchive& archive, const std::string& name, XmlHandler& handler,
                    std::string& problem);

}  // namespace Lodema
