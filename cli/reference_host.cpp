#include "cli/reference_host.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string_view>

#include "cli/calendar_day.h"
#include "cli/exit_codes.h"
#include "cli/messages.h"
#include "cli/option_descriptor.h"
#include "cli/plugin_library.h"
#include "cli/text_encoding.h"
#include "plugin/exports.h"

namespace kelotarhu::cli {
namespace {

// The first argument of the display functions belongs to the host; the plug-in never
// reads it.
constexpr std::uint32_t kHostArgument = 0;
constexpr int kInfoTypes = 7;  // getinfo 0 to 6
constexpr std::string_view kFunctionListSeparator = "|";

// An --answer that does not fit the plug-in's questions.
class AnswerError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using Answers = std::vector<std::string>;  // Windows-1252, one per question

// How to call each display function: the signatures come from the export header.
struct DisplayCall {
  std::string_view name;
  std::size_t answer_count;
  const char* (*call)(void* function, const Answers& answers);
};

constexpr std::array<DisplayCall, 3> kDisplayCalls = {{
    {"GetNameDay", 3,
     [](void* function, const Answers& a) {
       return reinterpret_cast<decltype(&::GetNameDay)>(function)(kHostArgument, a[0].c_str(),
                                                                  a[1].c_str(), a[2].c_str());
     }},
    {"GetHoliday", 1,
     [](void* function, const Answers& a) {
       return reinterpret_cast<decltype(&::GetHoliday)>(function)(kHostArgument, a[0].c_str());
     }},
    {"GetFlag", 1,
     [](void* function, const Answers& a) {
       return reinterpret_cast<decltype(&::GetFlag)>(function)(kHostArgument, a[0].c_str());
     }},
}};

// The life-cycle exports, resolved by name when the library is loaded.
struct LifeCycle {
  decltype(&::dlltype) dlltype;
  decltype(&::init) init;
  decltype(&::getinfo) getinfo;
  decltype(&::getparam) getparam;
  decltype(&::dllstartup) dllstartup;
  decltype(&::dllshutdown) dllshutdown;
};

void* RequireExport(const PluginLibrary& library, const std::string& path, const char* name) {
  void* address = library.Export(name);
  if (!address) throw PluginError("the plug-in " + path + " lacks the export " + name);
  return address;
}

template <typename Function>
Function Require(const PluginLibrary& library, const std::string& path, const char* name) {
  return reinterpret_cast<Function>(RequireExport(library, path, name));
}

LifeCycle ResolveLifeCycle(const PluginLibrary& library, const std::string& path) {
  // A host offers `configure` as the plug-in's settings button; this one only checks
  // that the plug-in has it.
  RequireExport(library, path, "configure");
  return {Require<decltype(&::dlltype)>(library, path, "dlltype"),
          Require<decltype(&::init)>(library, path, "init"),
          Require<decltype(&::getinfo)>(library, path, "getinfo"),
          Require<decltype(&::getparam)>(library, path, "getparam"),
          Require<decltype(&::dllstartup)>(library, path, "dllstartup"),
          Require<decltype(&::dllshutdown)>(library, path, "dllshutdown")};
}

// A returned text as a host shows it: UTF-8 in quotes, control characters escaped so
// that a line break or a trailing blank can be seen. A null pointer, which the plug-in
// must never return, shows as NULL.
std::string Shown(const char* text) {
  if (!text) return "NULL";
  std::string shown = "\"";
  for (const char c : Utf8FromWindows1252(text)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\r') {
      shown += "\\r";
    } else if (c == '\n') {
      shown += "\\n";
    } else if (byte < 0x20 || byte == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", unsigned{byte});
      shown += escape;
    } else {
      shown += c;
    }
  }
  return shown + '"';
}

// A text the host goes on to read; the plug-in must never return a null pointer.
std::string Returned(const char* text, const std::string& call) {
  if (!text) throw PluginError(call + " returned a null pointer");
  return text;
}

const DisplayCall& CallOf(std::string_view function) {
  for (const DisplayCall& call : kDisplayCalls) {
    if (call.name == function) return call;
  }
  throw PluginError("the plug-in offers the display function " + std::string(function) +
                    ", whose arguments this host does not know");
}

// One display function as the host sees it: its questions and the answers it will pass.
struct DisplayFunction {
  std::string name;
  void* address;
  std::vector<Question> questions;
  Answers answers;
};

std::vector<Question> QuestionsOf(const LifeCycle& life_cycle, const std::string& function,
                                  std::ostream& out) {
  const std::string descriptor =
      Returned(life_cycle.getparam(function.c_str()), "getparam " + function);
  out << "getparam " << function << "  " << Shown(descriptor.c_str()) << '\n';
  std::optional<std::vector<Question>> questions = ParseDescriptor(descriptor);
  if (!questions) throw PluginError("the option descriptor of " + function + " is malformed");
  if (questions->size() != CallOf(function).answer_count) {
    throw PluginError("the option descriptor of " + function + " asks " +
                      std::to_string(questions->size()) + " questions, the function takes " +
                      std::to_string(CallOf(function).answer_count) + " answers");
  }
  for (std::size_t i = 0; i < questions->size(); ++i) {
    const Question& question = (*questions)[i];
    out << "  " << i + 1 << ". " << Utf8FromWindows1252(question.text) << "  default "
        << Shown(question.default_answer.c_str()) << '\n';
  }
  return *questions;
}

Answers AnswersFor(const DisplayFunction& function, const std::vector<AnswerArgument>& given) {
  Answers answers;
  for (const Question& question : function.questions) answers.push_back(question.default_answer);
  for (const AnswerArgument& argument : given) {
    if (argument.function != function.name) continue;
    if (argument.answers.size() > answers.size()) {
      throw AnswerError("--answer gives " + std::to_string(argument.answers.size()) +
                        " answers to " + function.name + ", which asks " +
                        std::to_string(answers.size()));
    }
    for (std::size_t i = 0; i < argument.answers.size(); ++i) {
      std::optional<std::string> answer = Windows1252FromUtf8(argument.answers[i]);
      if (!answer) {
        throw AnswerError("--answer for " + function.name +
                          " holds a character that Windows-1252 lacks");
      }
      answers[i] = std::move(*answer);
    }
  }
  return answers;
}

void CheckAnswersNameFunctions(const std::vector<AnswerArgument>& given,
                               const std::vector<DisplayFunction>& functions) {
  for (const AnswerArgument& argument : given) {
    const bool known = std::ranges::any_of(functions, [&argument](const DisplayFunction& function) {
      return function.name == argument.function;
    });
    if (!known) {
      throw AnswerError("--answer names " + argument.function +
                        ", which is not a display function of the plug-in");
    }
  }
}

std::vector<DisplayFunction> DiscoverDisplayFunctions(const PluginLibrary& library,
                                                      const HostRequest& request,
                                                      const LifeCycle& life_cycle,
                                                      std::ostream& out) {
  const std::string function_list = Returned(life_cycle.init(), "init");
  out << "init         " << Shown(function_list.c_str()) << '\n';
  for (int type = 0; type < kInfoTypes; ++type) {
    out << "getinfo " << type << "    "
        << Shown(life_cycle.getinfo(static_cast<std::uint32_t>(type))) << '\n';
  }
  std::vector<DisplayFunction> functions;
  for (const std::string& name : SplitAt(function_list, kFunctionListSeparator)) {
    void* address = RequireExport(library, request.plugin_path, name.c_str());
    functions.push_back({name, address, QuestionsOf(life_cycle, name, out), {}});
  }
  CheckAnswersNameFunctions(request.answers, functions);
  for (DisplayFunction& function : functions)
    function.answers = AnswersFor(function, request.answers);
  return functions;
}

void CallDisplayFunction(const DisplayFunction& function, std::ostream& out) {
  out << function.name << '(';
  for (std::size_t i = 0; i < function.answers.size(); ++i) {
    out << (i ? ", " : "") << Shown(function.answers[i].c_str());
  }
  out << ")\n  -> " << Shown(CallOf(function.name).call(function.address, function.answers))
      << '\n';
}

void RunLifeCycle(const HostRequest& request, std::ostream& out) {
  const PluginLibrary library(request.plugin_path);
  const LifeCycle life_cycle = ResolveLifeCycle(library, request.plugin_path);
  out << "plug-in      " << request.plugin_path << '\n'
      << "dlltype      " << life_cycle.dlltype() << '\n';
  const std::vector<DisplayFunction> functions =
      DiscoverDisplayFunctions(library, request, life_cycle, out);
  out << "dllstartup   " << life_cycle.dllstartup(0, 0) << '\n';
  for (const DisplayFunction& function : functions) CallDisplayFunction(function, out);
  out << "dllshutdown  " << life_cycle.dllshutdown(0) << '\n';
}

}  // namespace

int RunReferenceHost(const HostRequest& request, std::ostream& out, std::ostream& err) {
  try {
    RunLifeCycle(request, out);
    return kExitSuccess;
  } catch (const PluginError& error) {
    ReportError(err, error.what());
    return kExitPluginFailure;
  } catch (const AnswerError& error) {
    ReportError(err, error.what());
    return kExitUsage;
  }
}

}  // namespace kelotarhu::cli
