// lexidrill-cli run as a process: output, messages and exit status of each command.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dictionary/SmartDict.h"
#include "platform/MemorySettingsStore.h"
#include "settings/Settings.h"
#include "tests/support/FakePrompt.h"

extern char** environ;

namespace {

struct TRun {
  int Status = -1;
  std::string Out, Err;
};

std::string Slurp(const std::string& Name) {
  std::ifstream in(Name, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class Cli : public testing::Test {
 protected:
  void SetUp() override {
    const char* build = std::getenv("LEXIDRILL_BUILD_DIR");
    ASSERT_NE(build, nullptr) << "run through ctest";
    Program = std::string(build) + "/lexidrill-cli";
    Dir = std::filesystem::path(testing::TempDir()) /
          ("lexidrill_cli_" + std::to_string(::getpid()) + "_" +
           testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(Dir);
    std::filesystem::create_directories(Dir / "config");
    // The drill reads the settings file of this folder only.
    ::setenv("XDG_CONFIG_HOME", (Dir / "config").c_str(), 1);
  }
  void TearDown() override { std::filesystem::remove_all(Dir); }

  std::string Path(const std::string& Name) const { return (Dir / Name).string(); }

  // Runs the program with Input on its standard input (a file, so no terminal).
  TRun Run(const std::vector<std::string>& Args, const std::string& Input = "") {
    const std::string in = Path("stdin"), out = Path("stdout"), err = Path("stderr");
    std::ofstream(in, std::ios::binary) << Input;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv{Program.data()};
    std::vector<std::string> copies(Args);
    for (auto& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    TRun r;
    EXPECT_EQ(posix_spawn(&pid, Program.c_str(), &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    waitpid(pid, &status, 0);
    r.Status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    r.Out = Slurp(out);
    r.Err = Slurp(err);
    return r;
  }

  // A dictionary of Count questions q100.. with answers a100.. and comments c0..
  std::string MakeDict(const std::string& Name, int Count) {
    const std::string file = Path(Name);
    TFakePrompt quiet;
    TSmartDict d(file, true);
    for (int i = 0; i < Count; ++i)
      d.AddOrUpdateQuestion("q" + std::to_string(100 + i), "a" + std::to_string(100 + i), "c" + std::to_string(i));
    EXPECT_TRUE(d.SaveToFile(file, true));
    return file;
  }

  std::string Program;
  std::filesystem::path Dir;
};

TEST_F(Cli, UsageAndHelp) {
  struct TCase {
    std::vector<std::string> Args;
    int Status;
    const char* Out;  // a text the standard output holds
  };
  const TCase cases[] = {{{"--help"}, 0, "Usage: lexidrill-cli"},
                         {{"info", "--help"}, 0, "Usage: lexidrill-cli info DICT"},
                         {{"drill", "x.lxd", "--help"}, 0, "--questions N"},
                         {{}, 2, ""},
                         {{"frobnicate"}, 2, ""},
                         {{"info"}, 2, ""},
                         {{"info", "a", "b"}, 2, ""},
                         {{"add", "d.lxd", "q"}, 2, ""},
                         {{"export", "d.lxd", "t.txt", "--replace"}, 2, ""},
                         {{"set-info", "d.lxd", "--threshold", "11"}, 2, ""},
                         {{"set-info", "d.lxd", "--author"}, 2, ""},
                         {{"drill", "d.lxd", "--variants", "2"}, 2, ""},
                         {{"--maybe", "info", "d.lxd"}, 2, ""}};
  for (const TCase& c : cases) {
    TRun r = Run(c.Args);
    std::string joined;
    for (const auto& a : c.Args) joined += a + " ";
    EXPECT_EQ(r.Status, c.Status) << joined << r.Err;
    EXPECT_NE(r.Out.find(c.Out), std::string::npos) << joined;
    if (c.Status == 2) {
      EXPECT_FALSE(r.Err.empty()) << joined;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(Path("d.lxd")));
}

TEST_F(Cli, CreateAsksBeforeOverwriting) {
  const std::string file = Path("new.lxd");
  TRun r = Run({"create", file});
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(r.Err, "");
  MakeDict("new.lxd", 16);
  const std::string before = Slurp(file);
  const std::string question = "File \"" + file + "\" already exists. Overwrite?\n";
  r = Run({"create", file});  // no terminal: Cancel
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Err, question);
  r = Run({"--no", "create", file});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(Slurp(file), before);
  r = Run({"create", file, "--yes"});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Err, question);
  EXPECT_NE(Slurp(file), before);
}

TEST_F(Cli, InfoPrintsTheDescriptionAndCounts) {
  const std::string file = MakeDict("d.lxd", 20);
  {
    TFakePrompt quiet;
    TSmartDict d(file, false);
    d.SetInfo(TDictInfo{"first line\r\nsecond", "Ann", "note\r\nmore", 2, 2, 0});
    d.RecordRight("q100");
    d.RecordRight("q100");  // learned
    d.RecordRight("q101");  // showed
    d.RecordWrong("q102");  // unlearned
  }
  const std::string before = Slurp(file);
  TRun r = Run({"info", file});
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(r.Out, "file: " + file +
                       "\ndescription: first line\nauthor: Ann\ncomment: note\nntk: 2\nutk: 2\nwords-count: 20\n"
                       "questions: 20\nusable: yes\nall: 20\nnew: 17\nshowed: 1\nlearned: 1\nunlearned: 1\n");
  EXPECT_EQ(r.Err, "");
  EXPECT_EQ(Slurp(file), before);
}

TEST_F(Cli, InfoOfUnusableAndUnreadableFiles) {
  const std::string small = MakeDict("small.lxd", 15);
  TRun r = Run({"info", small});
  EXPECT_EQ(r.Status, 0);
  EXPECT_NE(r.Out.find("questions: 15\nusable: no\nall: 0\nnew: 0\n"), std::string::npos) << r.Out;
  EXPECT_EQ(r.Err,
            "Dictionary is successfully loaded, but it has incorrect question's number for examination.\r"
            "Please add more questions (16 at least).\n");
  const std::string missing = Path("missing.lxd");
  r = Run({"info", missing});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Out, "");
  EXPECT_EQ(r.Err, "Dictionary load error: can't open file \"" + missing + "\"\n");
  std::ofstream(Path("junk.lxd")) << "junk";
  r = Run({"list", Path("junk.lxd")});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Err, "Dictionary load error: incorrect file \"" + Path("junk.lxd") + "\" format\n");
  EXPECT_EQ(Slurp(Path("junk.lxd")), "junk");
}

TEST_F(Cli, ListPrintsEveryQuestion) {
  const std::string file = MakeDict("d.lxd", 16);
  {
    TFakePrompt quiet;
    TSmartDict d(file, false);
    d.RecordWrong("q103");
  }
  TRun r = Run({"list", file});
  EXPECT_EQ(r.Status, 0);
  std::string expected;
  for (int i = 0; i < 16; ++i)
    expected += "q" + std::to_string(100 + i) + "\ta" + std::to_string(100 + i) + "\tc" + std::to_string(i) +
                (i == 3 ? "\t2\t0\t1\n" : "\t0\t0\t0\n");
  EXPECT_EQ(r.Out, expected);
}

TEST_F(Cli, EditingCommands) {
  const std::string file = MakeDict("d.lxd", 16);
  TRun r = Run({"add", file, " new ", "answer", "comment"});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Err, "New question successfully added\n");
  r = Run({"add", file, "new", "other"});
  EXPECT_EQ(r.Err, "Question was sucessfully updated\n");
  r = Run({"add", file, "  ", "x"});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Err, "Update error - no question / answer in editor\n");
  r = Run({"list", file});
  EXPECT_NE(r.Out.find("new\tother\tcomment\t0\t0\t0\n"), std::string::npos);

  const std::string before = Slurp(file);
  r = Run({"delete", file, "new"});  // no terminal: Cancel
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Err, "Remove the question \"new\"?\n");
  EXPECT_EQ(Slurp(file), before);
  r = Run({"--yes", "delete", file, "new"});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Err, "Remove the question \"new\"?\nQuestion was sucesfully removed\n");
  r = Run({"--yes", "delete", file, "new"});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Err, "Delete error: can't find question \"new\"\n");
  EXPECT_EQ(Run({"info", file}).Out.find("questions: 16\n") != std::string::npos, true);
}

TEST_F(Cli, SetInfoAndClearStats) {
  const std::string file = MakeDict("d.lxd", 16);
  {
    TFakePrompt quiet;
    TSmartDict d(file, false);
    d.RecordWrong("q100");
    d.RecordRight("q101");
  }
  TRun r = Run({"set-info", file, "--description", "Words", "--author", "Me", "--threshold", "1"});
  EXPECT_EQ(r.Status, 0) << r.Err;
  r = Run({"info", file});
  EXPECT_NE(r.Out.find("description: Words\nauthor: Me\ncomment: \nntk: 1\nutk: 1\n"), std::string::npos) << r.Out;
  // Threshold 1 turned q101 (one right answer) into a learned question.
  EXPECT_NE(r.Out.find("new: 14\nshowed: 0\nlearned: 1\nunlearned: 1\n"), std::string::npos) << r.Out;
  r = Run({"clear-stats", file});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Err, "");
  EXPECT_NE(Run({"info", file}).Out.find("new: 16\nshowed: 0\nlearned: 0\nunlearned: 0\n"), std::string::npos);
  const std::string small = MakeDict("small.lxd", 15);
  r = Run({"clear-stats", small});
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find("An error occured while trying to clear statistics: no words in dictonary\n"),
            std::string::npos);
}

TEST_F(Cli, ExportNeverWritesTheDictionary) {
  const std::string file = MakeDict("d.lxd", 16);
  const std::string before = Slurp(file);
  struct stat st{};
  ::stat(file.c_str(), &st);
  const std::string text = Path("out.txt");
  TRun r = Run({"export", file, text, "--comments", "--stats", "--back"});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Err, "Export sucessfully completed\n");
  EXPECT_EQ(Slurp(text).substr(0, 19), "a100\r\nq100\r\nc0\r\n0\r\n");
  EXPECT_EQ(Slurp(file), before);
  struct stat after{};
  ::stat(file.c_str(), &after);
  EXPECT_EQ(st.st_ino, after.st_ino);
  r = Run({"export", file, Path("no/dir/out.txt")});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Err, "Can't export to file \"" + Path("no/dir/out.txt") + "\": open error\n");
}

TEST_F(Cli, ImportAnswersTheRepeatedQuestion) {
  std::string text;
  for (int i = 0; i < 16; ++i) text += "w" + std::to_string(i) + "\r\nx" + std::to_string(i) + "\r\n";
  text += "w1\r\nsecond\r\nw2\r\nthird\r\n";
  std::ofstream(Path("t.txt"), std::ios::binary) << text;
  struct TCase {
    std::vector<std::string> Options;
    int Status;
    const char* W1;
    const char* W2;
    int Asked;
  };
  const TCase cases[] = {{{}, 0, "x1", "x2", 2},
                         {{"--no"}, 0, "x1", "x2", 2},
                         {{"--yes"}, 0, "x1, second", "x2, third", 2},
                         {{"--all"}, 0, "x1, second", "x2, third", 1}};
  for (const TCase& c : cases) {
    const std::string dict = Path("i.lxd");
    std::filesystem::remove(dict);
    std::vector<std::string> args{"import", dict, Path("t.txt")};
    args.insert(args.end(), c.Options.begin(), c.Options.end());
    TRun r = Run(args);
    EXPECT_EQ(r.Status, c.Status) << r.Err;
    size_t asked = 0;
    for (size_t at = 0; (at = r.Err.find("Do u want to add new answer?", at)) != std::string::npos; ++at) ++asked;
    EXPECT_EQ(asked, static_cast<size_t>(c.Asked));
    EXPECT_NE(r.Err.find("Import successfully completed. 16 question(s) are imported.\n"), std::string::npos) << r.Err;
    TRun list = Run({"list", dict});
    EXPECT_NE(list.Out.find(std::string("w1\t") + c.W1 + "\t"), std::string::npos) << list.Out;
    EXPECT_NE(list.Out.find(std::string("w2\t") + c.W2 + "\t"), std::string::npos) << list.Out;
  }
  // Merging into the dictionary, replacing it, and a file of too few records.
  const std::string dict = MakeDict("m.lxd", 16);
  EXPECT_EQ(Run({"import", dict, Path("t.txt")}).Status, 0);
  EXPECT_NE(Run({"info", dict}).Out.find("questions: 32\n"), std::string::npos);
  EXPECT_EQ(Run({"import", dict, Path("t.txt"), "--replace"}).Status, 0);
  EXPECT_NE(Run({"info", dict}).Out.find("questions: 16\n"), std::string::npos);
  std::ofstream(Path("few.txt"), std::ios::binary) << "a\r\nb\r\n";
  TRun r = Run({"import", dict, Path("few.txt")});
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find("not enough answers. Please, increase it to 16"), std::string::npos);
  // A file that is no dictionary is not overwritten by an import.
  std::ofstream(Path("junk.lxd")) << "junk";
  EXPECT_EQ(Run({"import", Path("junk.lxd"), Path("t.txt")}).Status, 1);
  EXPECT_EQ(Slurp(Path("junk.lxd")), "junk");
}

// Runs the drill over pipes, answering each question shown as Plan says: a
// list of inputs per question, where "right" stands for the number of the
// correct variant (its text is "a" + the question's number) and "wrong" for
// the first wrong one. When the plan runs out the input is closed.
TRun Drill(const std::string& Program, const std::vector<std::string>& Args, int Variants,
           const std::vector<std::vector<std::string>>& Plan) {
  int toChild[2], fromChild[2];
  EXPECT_EQ(pipe(toChild), 0);
  EXPECT_EQ(pipe(fromChild), 0);
  pid_t pid = fork();
  if (pid == 0) {
    alarm(60);  // a drill that waits for input it never gets ends the test instead of hanging it
    dup2(toChild[0], 0);
    dup2(fromChild[1], 1);
    int null = open("/dev/null", O_WRONLY);
    dup2(null, 2);
    close(toChild[1]);
    close(fromChild[0]);
    std::vector<char*> argv{const_cast<char*>(Program.c_str())};
    for (const auto& a : Args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(Program.c_str(), argv.data());
    _exit(127);
  }
  close(toChild[0]);
  close(fromChild[1]);
  FILE* out = fdopen(fromChild[0], "r");
  TRun r;
  auto readLine = [&](std::string& Line) {
    char buf[1024];
    if (!fgets(buf, sizeof buf, out)) return false;
    Line = buf;
    r.Out += Line;
    if (!Line.empty() && Line.back() == '\n') Line.pop_back();
    return true;
  };
  size_t shown = 0;
  bool open = true;
  std::string line;
  while (readLine(line)) {
    if (line.rfind("Question ", 0) != 0) continue;
    const std::string question = line.substr(line.find(": ") + 2);
    int right = 0, wrong = 0;
    for (int i = 1; i <= Variants && readLine(line); ++i) {
      std::string text = line.substr(line.find(") ") + 2);
      if (text == "a" + question.substr(1)) {
        right = i;
      } else if (!wrong) {
        wrong = i;
      }
    }
    if (shown >= Plan.size()) {
      close(toChild[1]);
      open = false;
      continue;
    }
    const auto& inputs = Plan[shown++];
    for (size_t k = 0; k < inputs.size(); ++k) {
      std::string in = inputs[k] == "right" ? std::to_string(right) : inputs[k] == "wrong" ? std::to_string(wrong) : inputs[k];
      in += "\n";
      EXPECT_EQ(write(toChild[1], in.data(), in.size()), static_cast<ssize_t>(in.size()));
      if (inputs[k] == "q") break;
      if (k + 1 < inputs.size()) readLine(line);  // the reply; the last one is read by the loop
    }
  }
  fclose(out);
  if (open) close(toChild[1]);
  int status = 0;
  waitpid(pid, &status, 0);
  r.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

TEST_F(Cli, DrillRecordsEachQuestionOnce) {
  const std::string file = MakeDict("d.lxd", 20);
  ASSERT_EQ(Run({"set-info", file, "--threshold", "1"}).Status, 0);
  // Wrong twice (the second counts nothing), then right; a hint; right at
  // once; then a fourth question left untouched when the input ends.
  TRun r = Drill(Program, {"drill", file, "--variants", "3", "--period", "0", "--seed", "7"}, 3,
                 {{"wrong", "wrong", "right"}, {"h"}, {"right"}});
  EXPECT_EQ(r.Status, 0);
  EXPECT_NE(r.Out.find("Question 1 of 30: q1"), std::string::npos) << r.Out;
  EXPECT_NE(r.Out.find("Wrong.\nWrong.\nRight!\n"), std::string::npos) << r.Out;
  EXPECT_NE(r.Out.find("\nHint: "), std::string::npos) << r.Out;
  EXPECT_NE(r.Out.find("Question 4 of 30: "), std::string::npos) << r.Out;
  EXPECT_NE(r.Out.find("Total Questions: 4\nTotal Answers: 5\nRight answers: 3\nWrong answers: 1\nHints: 1\n"
                       "Words learned: 2\nYour result: 5\n"),  // 2 errors in 4: 50 %
            std::string::npos)
      << r.Out;
  // The statistics were saved: four questions shown, each recorded once.
  TRun list = Run({"list", file});
  int shows = 0;
  std::istringstream lines(list.Out);
  for (std::string l; std::getline(lines, l);) shows += std::stoi(l.substr(l.rfind('\t') + 1));
  EXPECT_EQ(shows, 4) << list.Out;
  EXPECT_NE(Run({"info", file}).Out.find("learned: 2\nunlearned: 2\n"), std::string::npos);
}

TEST_F(Cli, DrillEndsAfterTheConfiguredQuestions) {
  const std::string file = MakeDict("d.lxd", 16);
  // A settings file as the program writes it, with the drill's three values changed.
  SetDefaultSettings();
  Settings.MaxQCount = 10;
  Settings.CurAnswersCount = 4;
  TMemorySettingsStore store;
  ASSERT_TRUE(SaveSettings(store));
  SetDefaultSettings();
  std::filesystem::create_directories(Dir / "config" / "Kelvane");
  std::ofstream ini(Dir / "config" / "Kelvane" / "Lexidrill.ini");
  ini << "[General]\n";
  for (const auto& [name, value] : store.Values) {
    ini << name << "=\"";
    bool escaped = false;  // as Qt does, a hex digit right after an escape is escaped too
    for (unsigned char c : value) {
      if (c < 32 || c == '"' || c == '\\' || (escaped && std::isxdigit(c))) {
        escaped = true;
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%x", c);
        ini << hex;
      } else {
        escaped = false;
        ini << c;
      }
    }
    ini << "\"\n";
  }
  ini.close();
  std::vector<std::vector<std::string>> plan(10, std::vector<std::string>{"right"});
  TRun r = Drill(Program, {"drill", file, "--seed", "1"}, 4, plan);
  EXPECT_EQ(r.Status, 0);
  EXPECT_NE(r.Out.find("Question 10 of 10: "), std::string::npos) << r.Out;
  EXPECT_EQ(r.Out.find("Question 11"), std::string::npos);
  EXPECT_NE(r.Out.find("  4) "), std::string::npos);
  EXPECT_EQ(r.Out.find("  5) "), std::string::npos);
  EXPECT_NE(r.Out.find("Total Questions: 10\nTotal Answers: 10\nRight answers: 10\nWrong answers: 0\nHints: 0\n"),
            std::string::npos)
      << r.Out;
  // q at the first question: it is recorded as it stands (no choice: right).
  r = Drill(Program, {"drill", file, "--questions", "5"}, 4, {{"q"}});
  EXPECT_NE(r.Out.find("Total Questions: 1\nTotal Answers: 1\nRight answers: 1\n"), std::string::npos) << r.Out;
  const std::string small = MakeDict("small.lxd", 15);
  EXPECT_EQ(Run({"drill", small}).Status, 1);
}

}  // namespace
