// `kelotarhu --plugin`: the reference host against the native plug-in library.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "kelotarhu_runner.h"

namespace kelotarhu::testing {
namespace {

constexpr int kPluginStatus = 1;

ProgramRun Host(std::vector<std::string> answers = {}) {
  std::vector<std::string> arguments = {"--plugin", KELOTARHU_PLUGIN_PATH};
  for (std::string& answer : answers) {
    arguments.push_back("--answer");
    arguments.push_back(std::move(answer));
  }
  return Kelotarhu(arguments);
}

// The text after "-> " on the line that follows the call of `function`.
std::string ResultOf(const std::string& out, const std::string& function) {
  const std::vector<std::string> lines = Lines(out);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].starts_with(function + "(") && lines[i + 1].starts_with("  -> ")) {
      return lines[i + 1].substr(5);
    }
  }
  return "(no call of " + function + ")";
}

TEST(KelotarhuPlugin, DrivesTheWholeLifeCycle) {
  const ProgramRun run = Host();
  ASSERT_EQ(run.exit_status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> expected_lines = {
      "plug-in      " KELOTARHU_PLUGIN_PATH,
      "dlltype      1",
      "init         \"GetNameDay|GetHoliday|GetFlag\"",
      "getinfo 0    \"     Kelotarhu\"",
      "getinfo 2    \"     0.8.7\"",
      "getinfo 3    \"     27.02.2005\"",
      "getinfo 4    \"     03.04.2005\"",
      "getparam GetNameDay  \"Näytetäänkö suomalaiset nimet?=K|"
      "Näytetäänkö ruotsalaiset nimet?=K|Miten ne erotetaan "
      "toisistaan?=0 |\"",
      "  3. Miten ne erotetaan toisistaan?  default \"0 \"",
      "getparam GetHoliday  \"Näytetäänkö juhlat punaisella?=K|\"",
      "dllstartup   1",
      "GetNameDay(\"K\", \"K\", \"0 \")",
      "GetHoliday(\"K\")",
      "dllshutdown  0",
  };
  const std::vector<std::string> lines = Lines(run.out);
  std::size_t position = 0;  // the lines must come in this order
  for (const std::string& expected : expected_lines) {
    while (position < lines.size() && lines[position] != expected) ++position;
    EXPECT_LT(position, lines.size()) << "missing or out of order: " << expected << "\n" << run.out;
  }
  for (int type = 1; type <= 6; ++type) {
    EXPECT_NE(run.out.find("getinfo " + std::to_string(type) + "    \"     "), std::string::npos);
  }
}

// What `kelotarhu` lists for today in the year's JSON: the feasts, red day and names.
struct Today {
  std::string date;
  std::string feasts;
  bool red_day;
  std::string finnish;
  std::string swedish;
};

std::string Joined(const nlohmann::json& parts, const std::string& separator) {
  std::string joined;
  for (const nlohmann::json& part : parts) {
    joined += (joined.empty() ? "" : separator) + part.get<std::string>();
  }
  return joined;
}

Today TodayFromYearList() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char date[16];
  std::strftime(date, sizeof date, "%Y-%m-%d", &local);
  const nlohmann::json days =
      nlohmann::json::parse(Kelotarhu({"--calendar=plugin", "--year",
                                       std::to_string(local.tm_year + 1900), "--format", "json"})
                                .out);
  for (const nlohmann::json& day : days) {
    if (day.at("date") != date) continue;
    return {date, Joined(day.at("feasts"), " / "), day.at("red_day").get<bool>(),
            Joined(day.at("finnish_names"), ", "), Joined(day.at("swedish_names"), ", ")};
  }
  throw std::runtime_error(std::string("no day ") + date);
}

TEST(KelotarhuPlugin, AnswersForTodayAsTheCalendarDoes) {
  for (int attempt = 0; attempt < 2; ++attempt) {  // once more if midnight fell between
    const Today before = TodayFromYearList();
    const ProgramRun run = Host({"GetNameDay=K,K,|", "GetHoliday=K"});
    const Today after = TodayFromYearList();
    if (before.date != after.date) continue;
    ASSERT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(ResultOf(run.out, "GetNameDay"), "\"" + before.finnish + "|" + before.swedish + "\"");
    const bool period = before.red_day && !before.feasts.empty();
    EXPECT_EQ(ResultOf(run.out, "GetHoliday"), "\"" + before.feasts + (period ? "." : "") + "\"");
    return;
  }
  FAIL() << "the date kept changing";
}

TEST(KelotarhuPlugin, PassesTheGivenAnswers) {
  const ProgramRun run = Host({"GetNameDay=E,E", "GetFlag="});
  ASSERT_EQ(run.exit_status, 0) << run.err;
  EXPECT_NE(run.out.find("GetNameDay(\"E\", \"E\", \"0 \")\n  -> \"\"\n"), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("GetFlag(\"\")\n  -> \"\"\n"), std::string::npos) << run.out;
}

TEST(KelotarhuPlugin, ShowsTheLineBreakOfSeparatorZero) {
  const ProgramRun run = Host({"GetNameDay=K,K,0"});
  ASSERT_EQ(run.exit_status, 0) << run.err;
  EXPECT_NE(ResultOf(run.out, "GetNameDay").find("\\r\\n"), std::string::npos) << run.out;
}

TEST(KelotarhuPlugin, TakesAnEscapedCommaAndNonAsciiInAnAnswer) {
  const ProgramRun run = Host({"GetNameDay=K,K, \\, ", "GetFlag=/kuvat/lippu\\,ä.gif"});
  ASSERT_EQ(run.exit_status, 0) << run.err;
  EXPECT_NE(run.out.find("GetNameDay(\"K\", \"K\", \" , \")"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("GetFlag(\"/kuvat/lippu,ä.gif\")"), std::string::npos) << run.out;
}

// Refused before the plug-in is loaded: nothing of the host's run is printed.
TEST(KelotarhuPlugin, RejectsAnswersThatDoNotFit) {
  const std::vector<std::pair<std::string, std::string>> kCases = {
      {"GetNames=K", "--answer \"GetNames\" is not one of GetNameDay, GetHoliday, GetFlag"},
      {"Foo=1", "--answer \"Foo\" is not one of GetNameDay, GetHoliday, GetFlag"},
      {"GetHoliday=K,K", "--answer gives 2 answers to GetHoliday, which asks 1 question"},
      {"GetNameDay=K,K,0,E", "--answer gives 4 answers to GetNameDay, which asks 3 questions"},
      {"GetFlag=€\u200B", "--answer for GetFlag holds a character that Windows-1252 lacks"},
  };
  for (const auto& [answer, message] : kCases) {
    SCOPED_TRACE(answer);
    const ProgramRun run = Host({answer});
    EXPECT_EQ(run.exit_status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "kelotarhu: " + message + "\nTry 'kelotarhu --help'.\n");
  }
}

struct BrokenPluginCase {
  std::string path;
  std::string message;
};

TEST(KelotarhuPlugin, SaysWhyAPluginCannotBeUsed) {
  const BrokenPluginCase kCases[] = {
      {KELOTARHU_PLUGIN_PATH ".missing",
       "kelotarhu: no such file: \"" KELOTARHU_PLUGIN_PATH ".missing\"\n"},
      {KELOTARHU_TEXT_FILE, "kelotarhu: not a loadable library: \"" KELOTARHU_TEXT_FILE "\" ("},
      {KELOTARHU_NOT_A_PLUGIN_PATH,
       "kelotarhu: the plug-in \"" KELOTARHU_NOT_A_PLUGIN_PATH "\" lacks the export "},
  };
  for (const BrokenPluginCase& broken : kCases) {
    SCOPED_TRACE(broken.path);
    const ProgramRun run = Kelotarhu({"--plugin", broken.path});
    EXPECT_EQ(run.exit_status, kPluginStatus);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(broken.message), std::string::npos) << run.err;
  }
}

// A folder and a FIFO are refused before anything opens them: dlopen of a FIFO would
// wait for a writer for ever.
TEST(KelotarhuPlugin, RefusesWhatIsNotARegularFileBeforeLoading) {
  const std::string folder =
      ::testing::TempDir() + "kelotarhu_plugin_test_" + std::to_string(getpid());
  const std::string fifo = folder + "/Kelotarhu.so";
  ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {folder, fifo}) {
    const ProgramRun run = Kelotarhu({"--plugin", path});
    EXPECT_EQ(run.exit_status, kPluginStatus);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "kelotarhu: not a regular file: \"" + path + "\"\n");
  }
  std::remove(fifo.c_str());
  rmdir(folder.c_str());
}

}  // namespace
}  // namespace kelotarhu::testing
