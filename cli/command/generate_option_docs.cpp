// Writes what is made from the table of options at build time:
//   generate_option_docs man TEMPLATE OUTPUT   the manual page, its "%OPTIONS%" line
//                                              replaced by the options' entries
//   generate_option_docs bash|zsh OUTPUT       a shell completion
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/command/option_docs.h"

namespace {

constexpr std::string_view kOptionsLine = "%OPTIONS%\n";

int Fail(const std::string& message) {
  std::cerr << "generate_option_docs: " << message << '\n';
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kelotarhu::cli;
  const std::string_view what = argc > 1 ? argv[1] : "";
  std::string text;
  if (what == "man" && argc == 4) {
    std::ifstream in(argv[2], std::ios::binary);
    std::stringstream page;
    page << in.rdbuf();
    text = page.str();
    const std::size_t at = text.find(kOptionsLine);
    if (!in || at == std::string::npos)
      return Fail(std::string(argv[2]) + " has no %OPTIONS% line");
    text.replace(at, kOptionsLine.size(), ManualOptions());
  } else if ((what == "bash" || what == "zsh") && argc == 3) {
    text = what == "bash" ? BashCompletion() : ZshCompletion();
  } else {
    return Fail("usage: generate_option_docs man TEMPLATE OUTPUT | bash OUTPUT | zsh OUTPUT");
  }
  std::ofstream out(argv[argc - 1], std::ios::binary);
  out << text;
  out.close();
  if (!out) return Fail(std::string("cannot write ") + argv[argc - 1]);
  return 0;
}
