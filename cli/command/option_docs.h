// The manual page's OPTIONS section and the shell completions, written from the table of
// options at build time (generate_option_docs.cpp), as the tool's --help is at run time.
#pragma once

#include <string>

namespace kelotarhu::cli {

// The entries of the OPTIONS section in roff, one ".TP" paragraph per option.
std::string ManualOptions();

// The bash completion: the options, and the values of those that name them.
std::string BashCompletion();

// The zsh completion: the same, with what each option excludes.
std::string ZshCompletion();

}  // namespace kelotarhu::cli
