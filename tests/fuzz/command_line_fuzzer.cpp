// Properties of the path from a command line to the box that is shown.
#include <cstdint>
#include <string_view>

#include "command/arguments.h"
#include "command/command_line.h"
#include "command/help.h"
#include "command/main_flow.h"
#include "messagebox/message_box.h"
#include "tests/fake_platform.h"
#include "tests/fuzz/check.h"
#include "text/trim.h"

namespace {

bool IsPieceOf(std::string_view piece, std::string_view whole) {
  return piece.empty() ||
         (piece.data() >= whole.data() && piece.data() + piece.size() <= whole.data() + whole.size());
}

// Well-formed UTF-8: each lead byte followed by as many continuation bytes as
// it announces, no overlong forms, surrogates or values above U+10FFFF.
bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned lead = byte(i);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((byte(i + k) & 0xC0) != 0x80) return false;
    }
    if (length > 2) {
      const unsigned second = byte(i + 1);
      if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
          (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) {
        return false;
      }
    }
    i += length;
  }
  return true;
}

bool IsTrimmed(std::string_view text) { return text.empty() || (text.front() != ' ' && text.back() != ' '); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // libFuzzer's buffer is exactly `size` long, so a read past it is caught.
  const std::string_view line(reinterpret_cast<const char*>(data), size);

  const std::string_view tail = GetCommandTail(line);
  REQUIRE(tail.size() <= line.size() && line.substr(line.size() - tail.size()) == tail);
  REQUIRE(IsPieceOf(tail, line));

  const std::string_view text = TrimSpaces(tail);
  REQUIRE(IsTrimmed(text) && IsPieceOf(text, tail));

  fake::Reset();
  fake::State().nextResult = 6;
  const std::uint32_t exitCode = RunCommandLine(line);
  REQUIRE(fake::State().boxes.size() == 1);
  const fake::BoxCall& box = fake::State().boxes[0];
  if (IsHelpRequested(text)) {
    REQUIRE(exitCode == 0 && box.caption == HelpCaption() && box.style == 0x40);
    return 0;
  }

  const Operands operands = InterpretArguments(text);
  for (const std::string_view operand : {operands.MessageToDisplay, operands.Caption, operands.Type}) {
    REQUIRE(IsPieceOf(operand, text) && IsTrimmed(operand));
  }
  REQUIRE(exitCode == 6 && box.text == operands.MessageToDisplay && box.caption == operands.Caption);
  // Under the UTF-8 code page every character arrives whole: no cut falls
  // inside a multi-byte sequence.
  if (IsUtf8(line)) {
    for (const std::string_view operand : {operands.MessageToDisplay, operands.Caption, operands.Type}) {
      REQUIRE(IsUtf8(operand));
    }
  }
  REQUIRE(box.style == ParseTypeList(operands.Type));

  // Once a field sets the caption or the type, no later field empties it.
  if (text.size() <= 4096) {
    for (std::size_t slash = text.find('/'); slash != std::string_view::npos;
         slash = text.find('/', slash + 1)) {
      const Operands before = InterpretArguments(text.substr(0, slash));
      REQUIRE(before.Caption.empty() || !operands.Caption.empty());
      REQUIRE(before.Type.empty() || !operands.Type.empty());
    }
  }
  return 0;
}
