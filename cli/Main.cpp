// lexidrill-cli: the dictionary operations of Lexidrill from the command
// line. A thin driver over TSmartDict: every rule and every message is the
// dictionary's own; this file only parses arguments and prints results.

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "cli/CliSettings.h"
#include "cli/TerminalPrompt.h"
#include "dictionary/ProgressProcs.h"
#include "dictionary/SmartDict.h"
#include "exam/AnswerRules.h"
#include "exam/ExamRating.h"
#include "settings/Settings.h"

namespace {

constexpr int ExitOk = 0, ExitFailed = 1, ExitUsage = 2;

struct TCommand {
  const char* Name;
  const char* Usage;
  const char* Help;
  size_t MinArgs, MaxArgs;
  std::vector<std::string> Flags;    // options without a value
  std::vector<std::string> Valued;   // options followed by a value
};

const std::vector<TCommand>& Commands() {
  static const std::vector<TCommand> commands = {
      {"create", "create DICT", "Write a new empty dictionary file (asks before overwriting).", 1, 1, {}, {}},
      {"info", "info DICT", "Print the description, thresholds and counts of a dictionary.", 1, 1, {}, {}},
      {"list", "list DICT", "Print every question: question, answer, comment, status, right-in-row, show count.", 1,
       1, {}, {}},
      {"set-info", "set-info DICT [--description T] [--author T] [--comment T] [--threshold N]",
       "Change the description fields; --threshold sets both learning thresholds (1..10).", 1, 1, {},
       {"--description", "--author", "--comment", "--threshold"}},
      {"add", "add DICT QUESTION ANSWER [COMMENT]", "Add a question, or replace the answer of an existing one.", 3, 4,
       {}, {}},
      {"delete", "delete DICT QUESTION", "Remove a question (asks first).", 2, 2, {}, {}},
      {"clear-stats", "clear-stats DICT", "Set every question back to new.", 1, 1, {}, {}},
      {"import", "import DICT TEXT [--comments] [--stats] [--replace]",
       "Import questions from a text file of CR LF lines.", 2, 2, {"--comments", "--stats", "--replace"}, {}},
      {"export", "export DICT TEXT [--comments] [--stats] [--back]", "Export the questions to a text file.", 2, 2,
       {"--comments", "--stats", "--back"}, {}},
      {"drill", "drill DICT [--questions N] [--variants N] [--period N] [--seed S]",
       "Run an examination in the terminal: 1..N chooses, h takes a hint, q ends.", 1, 1, {},
       {"--questions", "--variants", "--period", "--seed"}},
  };
  return commands;
}

void PrintUsage(std::FILE* Out) {
  std::fprintf(Out,
               "Usage: lexidrill-cli [--yes | --no | --all] COMMAND ARGS...\n"
               "       lexidrill-cli COMMAND --help\n\n"
               "Questions are answered by --yes (OK/Yes), --no (Cancel/No) or --all (All), otherwise\n"
               "asked on the terminal; without a terminal the cautious answer is taken.\n\nCommands:\n");
  for (const TCommand& c : Commands()) std::fprintf(Out, "  %-70s\n      %s\n", c.Usage, c.Help);
}

int UsageError(const std::string& Text) {
  std::fprintf(stderr, "lexidrill-cli: %s\nTry 'lexidrill-cli --help'.\n", Text.c_str());
  return ExitUsage;
}

std::optional<int64_t> ParseInt(const std::string& S) {
  int64_t v = 0;
  auto [p, ec] = std::from_chars(S.data(), S.data() + S.size(), v);
  if (ec != std::errc() || p != S.data() + S.size() || S.empty()) return std::nullopt;
  return v;
}

struct TArgs {
  std::vector<std::string> Positional;
  std::map<std::string, std::string> Options;  // flags map to ""
  bool Has(const std::string& Name) const { return Options.count(Name) != 0; }
};

std::string FirstLine(const std::string& Text) { return Text.substr(0, Text.find_first_of("\r\n")); }

bool FileExists(const std::string& Name) {
  struct stat st{};
  return ::stat(Name.c_str(), &st) == 0;
}

// A dictionary opened for one command. Read-only commands release it without
// saving; the others save through the dictionary's own save and take its result.
// Each command opens one dictionary and the process ends right after it.
// Releasing a million records one by one takes longer than the system needs
// to take the whole process back, so the question table is left to it (kept
// reachable here, so leak checkers do not count it).
TRecordTable* LeftToTheSystem = nullptr;

class TOpenDict {
 public:
  explicit TOpenDict(const std::string& Name, bool CreateIfMissing = false)
      : Dict(Name, CreateIfMissing && !FileExists(Name)) {}
  ~TOpenDict() {
    LeftToTheSystem = Dict.Table;
    Dict.Table = nullptr;  // nothing left to save or release
  }
  bool Loaded() const { return Dict.Table != nullptr; }
  bool Save() { return Dict.SaveToFile(Dict.FileName, false); }
  TSmartDict Dict;
};

int Finish(TOpenDict& D, bool Ok) {
  bool saved = D.Save();
  return Ok && saved ? ExitOk : ExitFailed;
}

int CmdCreate(const TArgs& A) { return CreateDictionaryFile(A.Positional[0]) ? ExitOk : ExitFailed; }

void PrintInfo(const std::string& File, const TDictInfo& Info, int NTK, int UTK, int32_t Records, bool Usable,
               const TDictSummary& S) {
  std::printf("file: %s\ndescription: %s\nauthor: %s\ncomment: %s\nntk: %d\nutk: %d\nwords-count: %d\n", File.c_str(),
              FirstLine(Info.Description).c_str(), Info.Author.c_str(), FirstLine(Info.Comment).c_str(), NTK, UTK,
              Info.WordsCount);
  std::printf("questions: %d\nusable: %s\nall: %d\nnew: %d\nshowed: %d\nlearned: %d\nunlearned: %d\n", Records,
              Usable ? "yes" : "no", S.AllQuestions, S.NewQuestions, S.ShowedAlready, S.LearnedAlready,
              S.UnlearnedYet);
}

int CmdInfo(const TArgs& A) {
  // A sound, usable file is counted as it is read; any other is opened, so
  // that its messages are shown as the program shows them.
  TDictCensus c;
  if (TakeCensus(A.Positional[0], c)) {
    PrintInfo(A.Positional[0], c.Info, c.NTK, c.UTK, c.Records, true, c.Summary);
    return ExitOk;
  }
  TOpenDict d(A.Positional[0]);
  if (!d.Loaded()) return ExitFailed;
  TDictInfo info;
  d.Dict.GetInfo(info);
  TDictSummary s;
  d.Dict.GetSummary(s);
  PrintInfo(d.Dict.FileName, info, d.Dict.NTK, d.Dict.UTK, d.Dict.RecordCount(), d.Dict.IsUsable(), s);
  return ExitOk;
}

int CmdList(const TArgs& A) {
  TOpenDict d(A.Positional[0]);
  if (!d.Loaded()) return ExitFailed;
  TQuestionInfo q;
  for (int32_t i = 0; d.Dict.GetQuestionInfo(i, q); ++i)
    std::printf("%s\t%s\t%s\t%d\t%d\t%d\n", q.Question.c_str(), q.Answer.c_str(), q.Comment.c_str(), q.Status,
                q.RightInRow, q.ShowCount);
  return ExitOk;
}

int CmdSetInfo(const TArgs& A) {
  std::optional<int64_t> threshold;
  if (A.Has("--threshold")) {
    threshold = ParseInt(A.Options.at("--threshold"));
    if (!threshold || *threshold < 1 || *threshold > 10) return UsageError("--threshold takes a number from 1 to 10");
  }
  TOpenDict d(A.Positional[0]);
  if (!d.Loaded()) return ExitFailed;
  TDictInfo info;
  d.Dict.GetInfo(info);
  if (A.Has("--description")) info.Description = A.Options.at("--description");
  if (A.Has("--author")) info.Author = A.Options.at("--author");
  if (A.Has("--comment")) info.Comment = A.Options.at("--comment");
  if (threshold) info.NTK = info.UTK = static_cast<int32_t>(*threshold);
  d.Dict.SetInfo(info);
  return Finish(d, true);
}

int CmdAdd(const TArgs& A) {
  TOpenDict d(A.Positional[0]);
  const auto& p = A.Positional;
  bool ok = d.Dict.AddOrUpdateQuestion(p[1], p[2], p.size() > 3 ? p[3] : std::string());
  if (!d.Loaded()) return ExitFailed;
  return Finish(d, ok);
}

int CmdDelete(const TArgs& A) {
  TOpenDict d(A.Positional[0]);
  bool ok = d.Dict.DeleteQuestion(A.Positional[1]);
  if (!d.Loaded()) return ExitFailed;
  return Finish(d, ok);
}

int CmdClearStats(const TArgs& A) {
  TOpenDict d(A.Positional[0]);
  if (!d.Loaded()) return ExitFailed;
  bool ok = d.Dict.IsUsable();
  d.Dict.ClearStatistics();
  return Finish(d, ok);
}

int CmdImport(const TArgs& A) {
  // A dictionary that does not exist yet is made by the import; one that
  // exists but cannot be read is left alone rather than overwritten.
  TOpenDict d(A.Positional[0], true);
  if (!d.Loaded()) return ExitFailed;
  bool ok = d.Dict.ImportFromText(A.Positional[1], A.Has("--comments"), A.Has("--stats"), A.Has("--replace"));
  if (!ok) return ExitFailed;
  return Finish(d, ok);
}

int CmdExport(const TArgs& A) {
  TOpenDict d(A.Positional[0]);
  bool ok = d.Dict.ExportToText(A.Positional[1], A.Has("--comments"), A.Has("--stats"), A.Has("--back"));
  return ok ? ExitOk : ExitFailed;
}

std::optional<int64_t> IntOption(const TArgs& A, const std::string& Name, int64_t Default, int64_t Min, int64_t Max,
                                 bool& Bad) {
  if (!A.Has(Name)) return Default;
  auto v = ParseInt(A.Options.at(Name));
  if (!v || *v < Min || *v > Max) {
    Bad = true;
    UsageError(Name + " takes a number from " + std::to_string(Min) + " to " + std::to_string(Max));
    return std::nullopt;
  }
  return v;
}

int CmdDrill(const TArgs& A) {
  LoadCliSettings();
  bool bad = false;
  auto questions = IntOption(A, "--questions", Settings.MaxQCount, 1, 1000000, bad);
  auto variants = bad ? std::nullopt : IntOption(A, "--variants", Settings.CurAnswersCount, 3, 16, bad);
  auto period = bad ? std::nullopt : IntOption(A, "--period", Settings.NextUnKnown, 0, 255, bad);
  auto seed = bad ? std::nullopt : IntOption(A, "--seed", 0, INT64_MIN, INT64_MAX, bad);
  if (bad) return ExitUsage;
  Settings.CurAnswersCount = static_cast<int32_t>(*variants);

  TOpenDict d(A.Positional[0]);
  if (!d.Loaded()) return ExitFailed;
  TStdRandom fixed(static_cast<uint64_t>(*seed));
  if (A.Has("--seed")) d.Dict.SetRandom(&fixed);
  if (!d.Dict.BeginExamination(static_cast<int32_t>(*questions), static_cast<uint8_t>(*period))) {
    std::fprintf(stderr, "The dictionary has fewer than %d questions: no examination.\n", MinQuestions);
    return ExitFailed;
  }
  const int n = static_cast<int>(*variants);
  TExamQuestion card;
  TExamCounters counters;
  counters.Reset(static_cast<int32_t>(*questions));
  bool shown = false, recorded = false, quit = false;
  char line[512];
  // Each call records the previous card's outcome and draws the next one.
  for (;;) {
    if (shown && d.Dict.Drawn >= d.Dict.ExamCount) break;
    if (!d.Dict.NextQuestion(card, false)) {
      recorded = shown;  // the failed call has recorded the shown question
      break;
    }
    shown = true;
    std::printf("Question %d of %d: %s\n", d.Dict.Drawn, d.Dict.ExamCount, card.Question.c_str());
    for (int i = 0; i < n; ++i) std::printf("  %d) %s\n", i + 1, card.Variants[static_cast<size_t>(i)].Text.c_str());
    std::fflush(stdout);
    bool answered = false;
    while (!answered && !quit) {
      if (!std::fgets(line, sizeof line, stdin)) {
        quit = true;
        break;
      }
      std::string in(line);
      while (!in.empty() && (in.back() == '\n' || in.back() == '\r' || in.back() == ' ')) in.pop_back();
      if (in == "q") {
        quit = true;
      } else if (in == "h") {
        TakeHint(card, counters);
        const int c = card.CorrectIndex;
        std::printf("Hint: %d) %s\n", c + 1, card.Variants[static_cast<size_t>(c)].Text.c_str());
        answered = true;
      } else if (auto v = ParseInt(in); v && *v >= 1 && *v <= n) {
        TChoiceResult r = ChooseVariant(card, counters, static_cast<int>(*v - 1));
        std::printf(r.Kind == ekRight ? "Right!\n" : "Wrong.\n");
        answered = r.Kind == ekRight;
      } else {
        std::fprintf(stderr, "Type 1 to %d to choose, h for a hint, q to end.\n", n);
      }
      std::fflush(stdout);
    }
    if (quit) break;
  }
  if (shown && !recorded) d.Dict.NextQuestion(card, true);
  const TExamTotals& t = d.Dict.Totals;
  std::printf("Total Questions: %d\nTotal Answers: %d\nRight answers: %d\nWrong answers: %d\nHints: %d\n"
              "Words learned: %d\n",
              t.Drawn, t.Right + t.Wrong + t.Hints, t.Right, t.Wrong, t.Hints,
              t.LearnedFromNew + t.LearnedFromLearning);
  // A rating of nothing drawn would be a "10" for doing nothing.
  if (t.Drawn > 0) std::printf("Your result: %s\n", RateExamination(t.Drawn, t.Right, t.Wrong, t.Hints).Score.c_str());
  return Finish(d, true);
}

using THandler = std::function<int(const TArgs&)>;
const std::map<std::string, THandler> Handlers = {
    {"create", CmdCreate}, {"info", CmdInfo},   {"list", CmdList},         {"set-info", CmdSetInfo},
    {"add", CmdAdd},       {"delete", CmdDelete}, {"clear-stats", CmdClearStats}, {"import", CmdImport},
    {"export", CmdExport}, {"drill", CmdDrill}};

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  TPresetAnswer preset = paAsk;
  size_t i = 0;
  for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
    if (args[i] == "--help") {
      PrintUsage(stdout);
      return ExitOk;
    }
    if (args[i] == "--yes") preset = paYes;
    else if (args[i] == "--no") preset = paNo;
    else if (args[i] == "--all") preset = paAll;
    else return UsageError("unknown option " + args[i]);
  }
  if (i == args.size()) return UsageError("no command given");
  const std::string name = args[i++];
  const TCommand* cmd = nullptr;
  for (const TCommand& c : Commands())
    if (name == c.Name) cmd = &c;
  if (!cmd) return UsageError("unknown command " + name);

  TArgs parsed;
  auto listed = [](const std::vector<std::string>& L, const std::string& S) {
    return std::find(L.begin(), L.end(), S) != L.end();
  };
  for (; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help") {
      std::printf("Usage: lexidrill-cli %s\n  %s\n", cmd->Usage, cmd->Help);
      return ExitOk;
    }
    if (a == "--yes") preset = paYes;
    else if (a == "--no") preset = paNo;
    else if (a == "--all") preset = paAll;
    else if (listed(cmd->Flags, a)) parsed.Options[a] = "";
    else if (listed(cmd->Valued, a)) {
      if (i + 1 == args.size()) return UsageError(a + " needs a value");
      parsed.Options[a] = args[++i];
    } else if (a.rfind("--", 0) == 0 && a.size() > 2) {
      return UsageError("unknown option " + a + " for " + name);
    } else {
      parsed.Positional.push_back(a);
    }
  }
  if (parsed.Positional.size() < cmd->MinArgs || parsed.Positional.size() > cmd->MaxArgs)
    return UsageError("usage: lexidrill-cli " + std::string(cmd->Usage));

  TTerminalPrompt prompt(preset, isatty(STDIN_FILENO) != 0, stdin);
  SetPrompt(&prompt);
  // Nothing here can break an operation off, so progress always goes on.
  ProgressProcs().ProgressTick = [] { return true; };
  ProgressProcs().ProgressText = [](const std::string&) { return true; };
  int rc = Handlers.at(name)(parsed);
  SetPrompt(nullptr);
  return rc;
}
