#include "Messages.h"

#include <cstdio>

#include "Cp1251.h"

namespace kv {
namespace {

void PrintToStandardError(const std::string& text) {
  std::fprintf(stderr, "%s\n", Cp1251ToUtf8(text).c_str());
}

TMessageSink& Sink() {
  static TMessageSink sink = PrintToStandardError;
  return sink;
}

}  // namespace

void ShowMessage(const std::string& text) { Sink()(text); }

TMessageSink SetMessageSink(TMessageSink sink) {
  TMessageSink old = std::move(Sink());
  Sink() = sink ? std::move(sink) : TMessageSink(PrintToStandardError);
  return old;
}

}  // namespace kv
