// Throughput of the core: from a command line to the operands, and from a
// type list to the style flags. Both must grow linearly with their input.
#include <benchmark/benchmark.h>

#include <string>

#include "command/arguments.h"
#include "command/command_line.h"
#include "messagebox/message_box.h"
#include "text/trim.h"

namespace {

std::string Repeat(const std::string& unit, std::size_t size) {
  std::string text;
  while (text.size() < size) text += unit;
  text.resize(size);
  return text;
}

void CommandLineToOperands(benchmark::State& state) {
  const std::string line =
      "\"C:\\Program Files\\Yelpit\\Yelpit.exe\" " +
      Repeat("Hello Word, are you ready? /c:Greeting /t:MB_ICONEXCLAMATION,MB_YESNO /", state.range(0));
  for (auto _ : state) {
    const Operands operands = InterpretArguments(TrimSpaces(GetCommandTail(line)));
    benchmark::DoNotOptimize(operands);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(line.size()));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(CommandLineToOperands)->Arg(1 << 10)->Arg(8 << 10)->Arg(32 << 10)->Complexity();

void TypeListToFlags(benchmark::State& state) {
  const std::string list =
      Repeat(" MB_ICONEXCLAMATION , \"MB_YESNO\" x,MB_DEFBUTTON2,mb_unknown,", state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(ParseTypeList(list));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(list.size()));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(TypeListToFlags)->Arg(1 << 10)->Arg(8 << 10)->Arg(32 << 10)->Complexity();

}  // namespace

BENCHMARK_MAIN();
