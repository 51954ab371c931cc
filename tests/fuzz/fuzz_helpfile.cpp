// Help files as the viewer reads them: any bytes load or give an error code,
// and a loaded index only points at lines the file has.
#include "tests/fuzz/FuzzSupport.h"

#include "help/HelpFile.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = FuzzFolder().File("FUZZ.TXT", std::string(reinterpret_cast<const char*>(data), size));
  int error = -1;
  const QStringList lines = helpfile::ReadLines(path, error);
  HelpIndex index;
  const int code = index.Load(path);
  if (code != 0) {
    FUZZ_CHECK(index.IndexCount == 0);
    return 0;
  }
  FUZZ_CHECK(error == 0);
  FUZZ_CHECK(index.IndexCount >= 0 && index.IndexCount <= helpfile::MaxIndexLines);
  FUZZ_CHECK(index.IndexTitle.size() == index.IndexLine.size());
  FUZZ_CHECK(static_cast<int>(index.IndexTitle.size()) >= index.IndexCount);
  for (int i = 0; i < index.IndexCount; ++i) {
    const int line = index.IndexLine[static_cast<size_t>(i)];
    FUZZ_CHECK(line >= 0 && line <= lines.size());
    QString topic;
    if (line > 0) FUZZ_CHECK(ReadTopic(path, line, topic));
    FirstWord(index.IndexTitle[static_cast<size_t>(i)]);
    QString parent;
    ParentPrefix(index.IndexTitle[static_cast<size_t>(i)], parent);
    OutlineLevel(index.IndexTitle[static_cast<size_t>(i)]);
  }
  return 0;
}
