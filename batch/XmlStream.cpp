// SPDX-License-Identifier: MIT
#include "batch/XmlStream.h"

#include <expat.h>

#include <cstring>

namespace Lodema {

namespace {

constexpr std::size_t kChunkBytes = 1 << 16;

struct Context {
  XmlHandler* handler;
  XmlStream* stream;
};

void OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
  auto* context = static_cast<Context*>(data);
  context->handler->Start(LocalName(name), XmlAttributes(attributes));
}

void OnEnd(void* data, const XML_Char* name) {
  static_cast<Context*>(data)->handler->End(LocalName(name));
}

void OnText(void* data, const XML_Char* text, int length) {
  static_cast<Context*>(data)->handler->Text({text, static_cast<std::size_t>(length)});
}

void OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
  static_cast<Context*>(data)->stream->Fail("it declares a document type, which no workbook does");
}

}  // namespace

const char* XmlAttributes::Find(std::string_view localName) const {
  for (const char** pair = pairs_; pair != nullptr && *pair != nullptr; pair += 2) {
    if (LocalName(pair[0]) == localName) return pair[1];
  }
  return nullptr;
}

std::string_view LocalName(const char* name) {
  const char* start = name;
  const char* end = name;
  for (; *end != '\0'; ++end) {
    if (*end == ':') start = end + 1;
  }
  return {start, static_cast<std::size_t>(end - start)};
}

XmlStream::XmlStream(std::unique_ptr<ArchivePart> part, XmlHandler& handler)
    : part_(std::move(part)), parser_(XML_ParserCreate(nullptr)) {
  auto* context = new Context{&handler, this};
  XML_SetUserData(parser_, context);
  XML_SetElementHandler(parser_, OnStart, OnEnd);
  XML_SetCharacterDataHandler(parser_, OnText);
  XML_SetStartDoctypeDeclHandler(parser_, OnDoctype);
}

XmlStream::~XmlStream() {
  delete static_cast<Context*>(XML_GetUserData(parser_));
  XML_ParserFree(parser_);
}

void XmlStream::Fail(std::string problem) {
  if (problem_.empty()) problem_ = std::move(problem);
  XML_StopParser(parser_, XML_FALSE);
}

bool XmlStream::Pump() {
  if (done_) return false;
  void* buffer = XML_GetBuffer(parser_, static_cast<int>(kChunkBytes));
  if (buffer == nullptr) {
    Fail("it could not be parsed (out of memory)");
    done_ = true;
    return false;
  }
  const std::size_t n = part_->Read(static_cast<char*>(buffer), kChunkBytes);
  if (!part_->Problem().empty()) {
    Fail(part_->Problem());
    done_ = true;
    return false;
  }
  const bool last = n == 0;
  if (XML_ParseBuffer(parser_, static_cast<int>(n), last ? XML_TRUE : XML_FALSE) ==
      XML_STATUS_ERROR) {
    if (problem_.empty()) {
      problem_ = std::string("its XML is damaged (") + XML_ErrorString(XML_GetErrorCode(parser_)) +
                 " at line " + std::to_string(XML_GetCurrentLineNumber(parser_)) + ")";
    }
    done_ = true;
    return false;
  }
  done_ = last;
  return !last;
}

bool ParseWholePart(const WorkbookArchive& archive, const std::string& name, XmlHandler& handler,
                    std::string& problem) {
  std::unique_ptr<ArchivePart> part = archive.OpenPart(name, problem);
  if (!part) return false;
  XmlStream stream(std::move(part), handler);
  while (stream.Pump()) {
  }
  problem = stream.Problem();
  return problem.empty();
}

}  // namespace Lodema
