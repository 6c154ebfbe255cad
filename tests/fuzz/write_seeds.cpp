// Writes the unit-test tables out as seed corpora for the fuzzers.
// Usage: write_seeds COMMAND-LINE-DIR TYPE-LIST-DIR
#include <fstream>
#include <string>

#include "tests/tables.h"

namespace {

void Write(const std::string& dir, int index, const std::string& bytes) {
  std::ofstream(dir + "/seed" + std::to_string(index), std::ios::binary) << bytes;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) return 2;
  int n = 0;
  for (const TailCase& c : kTailCases) Write(argv[1], n++, c.line);
  for (const ArgumentsCase& c : kArgumentsCases) Write(argv[1], n++, "Yelpit " + c.text);
  for (const TypeCase& c : kTypeCases) Write(argv[2], n++, c.type);
  return 0;
}
