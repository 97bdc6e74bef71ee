#include "cli/host/reference_host.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "cli/host/option_descriptor.h"
#include "cli/host/plugin_library.h"
#include "cli/io/exit_codes.h"
#include "cli/text/language.h"
#include "cli/text/messages.h"
#include "cli/text/utf8.h"
#include "plugin/exports.h"

namespace kelotarhu::cli {
namespace {

// The first argument of the display functions belongs to the host; the plug-in never
// reads it.
constexpr std::uint32_t kHostArgument = 0;
constexpr std::uint32_t kInfoTypes = 7;  // getinfo 0 to 6
constexpr std::string_view kFunctionListSeparator = "|";
// The longest text this host takes from the plug-in; a longer one is refused unread.
constexpr std::size_t kLongestText = std::size_t{1} << 20;
constexpr const char* kLongestTextName = "1 MiB";

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

// How to call a display function of that name; nothing for one this host does not know.
const DisplayCall* CallOf(std::string_view function) {
  const auto found = std::ranges::find(kDisplayCalls, function, &DisplayCall::name);
  return found == kDisplayCalls.end() ? nullptr : &*found;
}

// The life-cycle exports, resolved by name when the library is loaded.
struct LifeCycle {
  decltype(&::dlltype) dlltype;
  decltype(&::init) init;
  decltype(&::getinfo) getinfo;
  decltype(&::getparam) getparam;
  decltype(&::dllstartup) dllstartup;
  decltype(&::dllshutdown) dllshutdown;
};

LifeCycle ResolveLifeCycle(const PluginLibrary& library, const std::string& path,
                           const Texts& texts) {
  const auto require = [&](const char* name) {
    void* address = library.Export(name);
    if (!address) throw PluginError(Fill(texts.missing_export, {QuotedPath(path), name}));
    return address;
  };
  // A host offers `configure` as the plug-in's settings button; this one only checks
  // that the plug-in has it.
  require("configure");
  return {reinterpret_cast<decltype(&::dlltype)>(require("dlltype")),
          reinterpret_cast<decltype(&::init)>(require("init")),
          reinterpret_cast<decltype(&::getinfo)>(require("getinfo")),
          reinterpret_cast<decltype(&::getparam)>(require("getparam")),
          reinterpret_cast<decltype(&::dllstartup)>(require("dllstartup")),
          reinterpret_cast<decltype(&::dllshutdown)>(require("dllshutdown"))};
}

// A text as a host shows it: UTF-8 in quotes, control characters escaped so that a
// line break or a trailing blank can be seen.
std::string ShownPluginText(std::string_view text) {
  return '"' + Shown(Utf8FromWindows1252(text)) + '"';
}

// The start of a text, shown, for a message that must stay one short line.
std::string Excerpt(std::string_view text) {
  constexpr std::size_t kExcerpt = 60;
  return text.size() <= kExcerpt ? ShownPluginText(text)
                                 : ShownPluginText(text.substr(0, kExcerpt)) + "...";
}

bool HoldsControlCharacter(std::string_view text) {
  return std::ranges::any_of(text, IsControlCharacter);
}

// One display function as the host sees it: its questions and the answers it will pass.
struct DisplayFunction {
  std::string name;
  void* address;
  std::vector<Question> questions;
  Answers answers;
};

// The default answers with those given in their place; the given ones fit (AnswersProblem
// found nothing), and the function asks as many questions as this host passes answers.
Answers AnswersFor(const DisplayFunction& function, const std::vector<AnswerArgument>& given) {
  Answers answers;
  for (const Question& question : function.questions) answers.push_back(question.default_answer);
  for (const AnswerArgument& argument : given) {
    if (argument.function != function.name) continue;
    for (std::size_t i = 0; i < argument.answers.size(); ++i) {
      answers[i] = Windows1252FromUtf8(argument.answers[i]).value_or("");
    }
  }
  return answers;
}

void CheckAnswersNameFunctions(const std::vector<AnswerArgument>& given,
                               const std::vector<DisplayFunction>& functions, const Texts& texts) {
  for (const AnswerArgument& argument : given) {
    const bool known = std::ranges::any_of(functions, [&argument](const DisplayFunction& function) {
      return function.name == argument.function;
    });
    if (!known) {
      throw AnswerError(Fill(texts.answer_for_no_function, {argument.function}));
    }
  }
}

// The names that init lists, each a display function once: "GetNameDay|GetHoliday".
std::vector<std::string> DisplayFunctionNames(const std::string& list, const Texts& texts) {
  if (list.empty()) throw PluginError(std::string(texts.empty_function_list));
  const auto malformed = [&list, &texts](std::string_view fault) {
    return PluginError(Fill(texts.malformed_function_list, {Excerpt(list), fault}));
  };
  std::vector<std::string> names = SplitAt(list, kFunctionListSeparator);
  if (list.ends_with(kFunctionListSeparator)) names.emplace_back();
  for (auto name = names.begin(); name != names.end(); ++name) {
    if (name->empty()) throw malformed(texts.empty_function_name);
    if (HoldsControlCharacter(*name)) throw malformed(texts.control_character_in_name);
    if (std::find(names.begin(), name, *name) != name) {
      throw malformed(Fill(texts.function_named_twice, {Utf8FromWindows1252(*name)}));
    }
  }
  return names;
}

// The reference host's run: the plug-in's calls, each one checked as a host relies on
// it, and what they returned printed to `out`.
class HostRun {
 public:
  HostRun(const HostRequest& request, const Texts& texts, std::ostream& out, std::ostream& err)
      : request_(request),
        texts_(texts),
        out_(out),
        err_(err),
        library_(Loaded()),
        life_cycle_(ResolveLifeCycle(library_, request.plugin_path, texts)) {}

 private:
  // Loading runs the library's own start-up code: what is printed so far goes out first.
  PluginLibrary Loaded() {
    Flush();
    return PluginLibrary(request_.plugin_path, texts_);
  }

  void Flush() {
    out_.flush();
    err_.flush();
  }

  // The watch over one call into the plug-in: everything printed goes out before it,
  // and a crash in it is reported with the call ("dllstartup").
  CrashWatch WatchOver(std::string_view call) {
    Flush();
    return CrashWatch(Fill(texts_.crashed, {Fill(texts_.in_call, {call})}));
  }

  template <typename Function, typename... Arguments>
  auto Call(std::string_view call, Function function, Arguments... arguments) {
    const CrashWatch watch = WatchOver(call);
    return function(arguments...);
  }

  // A text that `call` returned, as the host goes on to read it: never a null pointer,
  // and never longer than the host takes (measured without reading further).
  std::string Returned(const char* text, const std::string& call) const {
    if (!text) throw PluginError(Fill(texts_.null_text, {call}));
    std::size_t length = 0;
    while (length <= kLongestText && text[length] != '\0') ++length;
    if (length > kLongestText) {
      throw PluginError(Fill(texts_.text_too_long, {call, kLongestTextName}));
    }
    return std::string(text, length);
  }

  // A call that returns a text, and the text read: a fault while reading it (a text
  // that runs into memory no one may read) is reported as the call's.
  std::string CallForText(const std::string& call, auto function, auto... arguments) {
    CrashWatch watch = WatchOver(call);
    const char* text = function(arguments...);
    watch.Retell(Fill(texts_.unreadable_text, {call}));
    return Returned(text, call);
  }

 public:
  void Run() {
    out_ << "plug-in      " << request_.plugin_path << '\n'
         << "dlltype      " << Call("dlltype", life_cycle_.dlltype) << '\n';
    const std::vector<DisplayFunction> functions = DiscoverDisplayFunctions();
    const std::int32_t count = Call("dllstartup", life_cycle_.dllstartup, 0, 0);
    if (count < 1) throw PluginError(Fill(texts_.failed_start, {std::to_string(count)}));
    out_ << "dllstartup   " << count << '\n';
    for (const DisplayFunction& function : functions) CallDisplayFunction(function);
    out_ << "dllshutdown  " << Call("dllshutdown", life_cycle_.dllshutdown, 0) << '\n';
    Flush();
  }

 private:
  std::vector<DisplayFunction> DiscoverDisplayFunctions() {
    const std::string function_list = CallForText("init", life_cycle_.init);
    out_ << "init         " << ShownPluginText(function_list) << '\n';
    for (std::uint32_t type = 0; type < kInfoTypes; ++type) {
      const std::string info =
          CallForText("getinfo " + std::to_string(type), life_cycle_.getinfo, type);
      out_ << "getinfo " << type << "    " << ShownPluginText(info) << '\n';
    }
    std::vector<DisplayFunction> functions;
    for (const std::string& name : DisplayFunctionNames(function_list, texts_)) {
      const std::string shown_name = Utf8FromWindows1252(name);
      void* address = library_.Export(name.c_str());
      if (!address) throw PluginError(Fill(texts_.function_not_exported, {shown_name}));
      if (!CallOf(name)) throw PluginError(Fill(texts_.function_unknown, {shown_name}));
      functions.push_back({name, address, QuestionsOf(name, shown_name), {}});
    }
    CheckAnswersNameFunctions(request_.answers, functions, texts_);
    for (DisplayFunction& function : functions) {
      function.answers = AnswersFor(function, request_.answers);
    }
    return functions;
  }

  std::vector<Question> QuestionsOf(const std::string& function, const std::string& shown_name) {
    const std::string call = "getparam " + shown_name;
    const std::string descriptor = CallForText(call, life_cycle_.getparam, function.c_str());
    std::optional<std::vector<Question>> questions = ParseDescriptor(descriptor);
    if (!questions) {
      throw PluginError(Fill(texts_.malformed_descriptor, {call, Excerpt(descriptor)}));
    }
    const std::size_t answer_count = CallOf(function)->answer_count;
    if (questions->size() != answer_count) {
      throw PluginError(Fill(texts_.question_count,
                             {call, ForCount(texts_.questions, questions->size()), shown_name,
                              ForCount(texts_.questions_asked, answer_count)}));
    }
    out_ << call << "  " << ShownPluginText(descriptor) << '\n';
    for (std::size_t i = 0; i < questions->size(); ++i) {
      const Question& question = (*questions)[i];
      out_ << "  " << i + 1 << ". " << Utf8FromWindows1252(question.text) << "  default "
           << ShownPluginText(question.default_answer) << '\n';
    }
    return *questions;
  }

  void CallDisplayFunction(const DisplayFunction& function) {
    out_ << function.name << '(';
    for (std::size_t i = 0; i < function.answers.size(); ++i) {
      out_ << (i ? ", " : "") << ShownPluginText(function.answers[i]);
    }
    out_ << ")\n";
    const std::string result =
        CallForText(function.name, CallOf(function.name)->call, function.address, function.answers);
    out_ << "  -> " << ShownPluginText(result) << '\n';
  }

  const HostRequest& request_;
  const Texts& texts_;
  std::ostream& out_;
  std::ostream& err_;
  const PluginLibrary library_;
  const LifeCycle life_cycle_;
};

}  // namespace

std::optional<std::string> AnswersProblem(const std::vector<AnswerArgument>& answers,
                                          const Texts& texts) {
  for (const AnswerArgument& argument : answers) {
    const DisplayCall* call = CallOf(argument.function);
    if (!call) {
      std::string names;
      for (const DisplayCall& known : kDisplayCalls) {
        names.append(names.empty() ? "" : ", ").append(known.name);
      }
      return NotAChoiceMessage(texts, "--answer", argument.function, names);
    }
    if (argument.answers.size() > call->answer_count) {
      return Fill(texts.too_many_answers,
                  {ForCount(texts.answers, argument.answers.size()), argument.function,
                   ForCount(texts.questions_asked, call->answer_count)});
    }
    for (const std::string& answer : argument.answers) {
      if (!Windows1252FromUtf8(answer)) {
        return Fill(texts.answer_outside_windows_1252, {argument.function});
      }
    }
  }
  return std::nullopt;
}

std::vector<std::string_view> DisplayCallNames() {
  std::vector<std::string_view> names;
  for (const DisplayCall& call : kDisplayCalls) names.push_back(call.name);
  return names;
}

int RunReferenceHost(const HostRequest& request, const Texts& texts, std::ostream& out,
                     std::ostream& err) {
  if (const std::optional<std::string> problem = AnswersProblem(request.answers, texts)) {
    ReportError(err, *problem);
    return kExitUsage;
  }
  try {
    HostRun(request, texts, out, err).Run();
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
