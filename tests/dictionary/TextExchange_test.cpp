// Export to and import from text files.

#include "DictFixture.h"
#include "dictionary/Records.h"
#include "engine/RecordTable.h"

namespace {

std::string Records(int From, int To, const std::string& Suffix = "") {
  std::string t;
  for (int i = From; i < To; ++i) t += "iq" + std::to_string(100 + i) + "\r\nia" + std::to_string(100 + i) + Suffix + "\r\n";
  return t;
}

class TextExchange : public DictTest {
 protected:
  TQuestionInfo Info(TSmartDict& D, const std::string& Question) {
    TQuestionInfo q;
    int32_t p = 0;
    EXPECT_TRUE(D.FindQuestion(Question, p)) << Question;
    D.GetQuestionInfo(p, q);
    return q;
  }
  std::string Text(const std::string& Name, const std::string& Bytes) {
    std::string file = Path(Name);
    WriteFile(file, Bytes);
    return file;
  }
  std::string ImportMessage(const std::string& File, int Count) {
    (void)File;
    return "Import successfully completed. " + std::to_string(Count) + " question(s) are imported.";
  }
  TFakePrompt Prompt;
};

TEST_F(TextExchange, ExportWritesRecordsInQuestionOrder) {
  TSmartDict d(MakeDict("d.lxd", 16), false);
  d.RecordWrong(Q(1));
  const std::string out = Path("out.txt");
  struct TCase {
    bool Comments, Stats, Back;
    std::string First;
  };
  const TCase cases[] = {{false, false, false, "q100\r\na100\r\nq101\r\n"},
                         {true, false, false, "q100\r\na100\r\nc0\r\nq101\r\n"},
                         {false, true, false, "q100\r\na100\r\n0\r\n0\r\n0\r\nq101\r\na101\r\n2\r\n0\r\n1\r\n"},
                         {true, true, true, "a100\r\nq100\r\nc0\r\n0\r\n0\r\n0\r\n"}};
  for (const TCase& c : cases) {
    Prompt.Shown.clear();
    ASSERT_TRUE(d.ExportToText(out, c.Comments, c.Stats, c.Back));
    EXPECT_EQ(ReadFile(out).substr(0, c.First.size()), c.First);
    const size_t lines = 2 + (c.Comments ? 1 : 0) + (c.Stats ? 3 : 0);
    const std::string all = ReadFile(out);
    EXPECT_EQ(static_cast<size_t>(std::count(all.begin(), all.end(), '\n')), 16 * lines);
    EXPECT_EQ(Prompt.Texts(), std::vector<std::string>{"Export sucessfully completed"});
  }
  d.ReleaseWithoutSaving();
}

TEST_F(TextExchange, ExportFailures) {
  TSmartDict d(MakeDict("d.lxd", 16), false);
  const std::string bad = Path("no/such/dir/out.txt");
  EXPECT_FALSE(d.ExportToText(bad, false, false, false));
  EXPECT_FALSE(d.ExportToText("/dev/full", false, false, false));
  TSmartDict none(Path("missing.lxd"), false);
  Prompt.Shown.clear();
  EXPECT_FALSE(none.ExportToText(Path("x.txt"), false, false, false));
  EXPECT_EQ(Prompt.Texts(), std::vector<std::string>{"Can't export to file \"" + Path("x.txt") +
                                                     "\": there is no files in dictonary"});
  d.ReleaseWithoutSaving();
}

TEST_F(TextExchange, ExportWriteErrorsAreReported) {
  TSmartDict d(MakeDict("d.lxd", 16), false);
  Prompt.Shown.clear();
  EXPECT_FALSE(d.ExportToText(Path("no/such/dir/out.txt"), false, false, false));
  EXPECT_FALSE(d.ExportToText("/dev/full", false, false, false));
  EXPECT_EQ(Prompt.Texts(),
            (std::vector<std::string>{"Can't export to file \"" + Path("no/such/dir/out.txt") + "\": open error",
                                      "Can't export to file \"/dev/full\": write error"}));
  d.ReleaseWithoutSaving();
}

TEST_F(TextExchange, RoundTripsWithCommentsStatisticsAndBackOrder) {
  TSmartDict d(MakeDict("d.lxd", 20), false);
  d.SetNTK(5);
  d.SetUTK(5);
  d.RecordWrong(Q(2));
  d.RecordRight(Q(3));
  d.RecordRight(Q(2));
  ASSERT_TRUE(d.ExportToText(Path("all.txt"), true, true, false));
  ASSERT_TRUE(d.ExportToText(Path("back.txt"), false, false, true));

  TSmartDict copy(Path("copy.lxd"), true);
  copy.SetNTK(5);
  copy.SetUTK(5);
  ASSERT_TRUE(copy.ImportFromText(Path("all.txt"), true, true, true));
  ASSERT_EQ(copy.RecordCount(), 20);
  for (int i = 0; i < 20; ++i) {
    TQuestionInfo a = Info(d, Q(i)), b = Info(copy, Q(i));
    EXPECT_EQ(a.Answer, b.Answer);
    EXPECT_EQ(a.Comment, b.Comment);
    EXPECT_EQ(a.Status, b.Status);
    EXPECT_EQ(a.RightInRow, b.RightInRow);
    EXPECT_EQ(a.ShowCount, b.ShowCount);
  }
  TSmartDict back(Path("back.lxd"), true);
  ASSERT_TRUE(back.ImportFromText(Path("back.txt"), false, false, false));
  EXPECT_EQ(Info(back, A(7)).Answer, Q(7));
  EXPECT_EQ(Prompt.Texts().back(), ImportMessage("", 20));
  d.ReleaseWithoutSaving();
  copy.ReleaseWithoutSaving();
  back.ReleaseWithoutSaving();
}

TEST_F(TextExchange, SixteenQuestionsAtLeastInTheFileItself) {
  TSmartDict d(MakeDict("d.lxd", 20), false);
  const std::string fifteen = Text("15.txt", Records(0, 15));
  Prompt.Shown.clear();
  EXPECT_FALSE(d.ImportFromText(fifteen, false, false, false));
  EXPECT_EQ(d.RecordCount(), 20);
  int32_t p = 0;
  EXPECT_FALSE(d.FindQuestion("iq100", p));
  EXPECT_EQ(Prompt.Texts(), std::vector<std::string>{"Can't import from file \"" + fifteen +
                                                     "\": not enough answers. Please, increase it to 16"});
  // A 256-byte line ends the reading at that record.
  const std::string cut = Text("cut.txt", Records(0, 15) + std::string(256, 'x') + "\r\na\r\n" + Records(15, 20));
  EXPECT_FALSE(d.ImportFromText(cut, false, false, false));
  const std::string sixteen = Text("16.txt", Records(0, 16));
  Prompt.Shown.clear();
  EXPECT_TRUE(d.ImportFromText(sixteen, false, false, false));
  EXPECT_EQ(d.RecordCount(), 36);
  EXPECT_EQ(Prompt.Texts(), std::vector<std::string>{ImportMessage(sixteen, 16)});
  d.ReleaseWithoutSaving();
}

TEST_F(TextExchange, MergeKeepsTheDictionaryVersionAndReplaceDropsIt) {
  TSmartDict d(MakeDict("d.lxd", 20), false);
  d.RecordWrong(Q(0));
  // q100 and q101 are in the dictionary already; 16 others are new.
  std::string text = "q100\r\nchanged\r\nq101\r\nchanged\r\n" + Records(0, 16);
  const std::string file = Text("m.txt", text);
  Prompt.Shown.clear();
  ASSERT_TRUE(d.ImportFromText(file, false, false, false));
  EXPECT_EQ(d.RecordCount(), 36);
  EXPECT_EQ(Info(d, Q(0)).Answer, A(0));
  EXPECT_EQ(Info(d, Q(0)).Status, qsLearning);
  EXPECT_EQ(Prompt.Texts(), std::vector<std::string>{ImportMessage(file, 16)});
  Prompt.Shown.clear();
  ASSERT_TRUE(d.ImportFromText(file, false, false, true));
  EXPECT_EQ(d.RecordCount(), 18);
  EXPECT_EQ(Info(d, Q(0)).Answer, "changed");
  EXPECT_EQ(Info(d, Q(0)).Status, qsNew);
  EXPECT_EQ(Prompt.Texts(), std::vector<std::string>{ImportMessage(file, 18)});
  d.ReleaseWithoutSaving();
}

TEST_F(TextExchange, RepeatedQuestionsAsk) {
  const std::string text = Records(0, 16) + "iq103\r\nB\r\n" + "iq103\r\nia103\r\n" + "iq104\r\nC\r\n" + "iq105\r\nD\r\n";
  const std::string file = Text("dup.txt", text);
  const auto question = [&](const std::string& Q, int Line, const std::string& Stored, const std::string& New) {
    return "Can't import to file \"" + file + "\" - \"" + Q + "\" already exists in line " + std::to_string(Line) +
           ". Exiting answer - \"" + Stored + "\", new answer - \"" + New + "\". Do u want to add new answer?";
  };
  struct TCase {
    const char* Name;
    std::deque<TDialogButton> Answers;
    bool Ok;
    std::string A103, A104, A105;
    size_t Asked;
  };
  const TCase cases[] = {
      {"yes yes yes", {dbYes, dbYes, dbYes}, true, "ia103, B", "ia104, C", "ia105, D", 3},
      {"no yes no", {dbNo, dbYes, dbNo}, true, "ia103", "ia104, C", "ia105", 3},
      {"all", {dbAll}, true, "ia103, B", "ia104, C", "ia105, D", 1},
      {"yes all", {dbYes, dbAll}, true, "ia103, B", "ia104, C", "ia105, D", 2},
      {"cancel", {dbYes, dbCancel}, false, "", "", "", 2},
      {"closed", {dbOk}, false, "", "", "", 1},
  };
  for (const TCase& c : cases) {
    TSmartDict d(Path("new.lxd"), true);
    Prompt.Shown.clear();
    Prompt.Answers = c.Answers;
    EXPECT_EQ(d.ImportFromText(file, false, false, false), c.Ok) << c.Name;
    auto texts = Prompt.Texts();
    ASSERT_GE(texts.size(), c.Asked) << c.Name;
    EXPECT_EQ(texts[0], question("iq103", 33, "ia103", "B")) << c.Name;
    EXPECT_EQ(Prompt.Shown[0].Kind, dkWarning);
    EXPECT_EQ(Prompt.Shown[0].Buttons, unsigned(dbYes | dbNo | dbCancel | dbAll));
    if (c.Asked >= 2) {
      EXPECT_EQ(texts[1], question("iq104", 37, "ia104", "C")) << c.Name;
    }
    if (c.Ok) {
      // The second iq103 record (ia103) is inside the stored answer: skipped without asking.
      EXPECT_EQ(texts.size(), c.Asked + 1) << c.Name;
      EXPECT_EQ(Info(d, "iq103").Answer, c.A103) << c.Name;
      EXPECT_EQ(Info(d, "iq104").Answer, c.A104) << c.Name;
      EXPECT_EQ(Info(d, "iq105").Answer, c.A105) << c.Name;
      EXPECT_EQ(d.RecordCount(), 16);
    } else {
      EXPECT_EQ(texts.size(), c.Asked) << c.Name;  // a cancel shows nothing more
      EXPECT_EQ(d.RecordCount(), 0) << c.Name;
    }
    d.ReleaseWithoutSaving();
  }
}

TEST_F(TextExchange, MergedAnswersAreCutTo255Bytes) {
  const std::string file = Text("long.txt", Records(0, 16) + "iq100\r\n" + std::string(254, 'x') + "\r\n");
  TSmartDict d(Path("new.lxd"), true);
  Prompt.Answers = {dbYes};
  ASSERT_TRUE(d.ImportFromText(file, false, false, false));
  EXPECT_EQ(Info(d, "iq100").Answer, ("ia100, " + std::string(254, 'x')).substr(0, 255));
  d.ReleaseWithoutSaving();
}

TEST_F(TextExchange, StatisticsLinesAreChecked) {
  std::string text;
  for (int i = 0; i < 16; ++i) {
    std::string stats = "1\r\n4\r\n9\r\n";
    if (i == 1) stats = "7\r\n4\r\n9\r\n";    // no such status
    if (i == 2) stats = "2\r\n-1\r\n9\r\n";   // negative count
    if (i == 3) stats = "2\r\n1\r\n-9\r\n";
    if (i == 4) stats = "2\r\n6\r\n1\r\n";    // reaches the thresholds: swept
    text += "iq" + std::to_string(100 + i) + "\r\nia\r\n" + stats;
  }
  TSmartDict d(Path("new.lxd"), true);
  d.SetNTK(5);
  d.SetUTK(5);
  ASSERT_TRUE(d.ImportFromText(Text("s.txt", text), false, true, false));
  struct TCase {
    int i, Status, Right, Shows;
  };
  for (TCase c : {TCase{0, qsLearned, 4, 9}, TCase{1, qsNew, 0, 0}, TCase{2, qsNew, 0, 0}, TCase{3, qsNew, 0, 0},
                  TCase{4, qsLearned, 0, 1}}) {
    TQuestionInfo q = Info(d, "iq" + std::to_string(100 + c.i));
    EXPECT_EQ(q.Status, c.Status) << c.i;
    EXPECT_EQ(q.RightInRow, c.Right) << c.i;
    EXPECT_EQ(q.ShowCount, c.Shows) << c.i;
  }
  // A status line holding text ends the reading there: 15 records are too few.
  const std::string broken = Text("b.txt", text.substr(0, text.find("iq115")) + "iq115\r\nia\r\nnew\r\n0\r\n0\r\n");
  TSmartDict e(Path("e.lxd"), true);
  Prompt.Shown.clear();
  EXPECT_FALSE(e.ImportFromText(broken, false, true, false));
  EXPECT_EQ(Prompt.Texts(), std::vector<std::string>{"Can't import from file \"" + broken +
                                                     "\": not enough answers. Please, increase it to 16"});
  d.ReleaseWithoutSaving();
  e.ReleaseWithoutSaving();
}

TEST_F(TextExchange, LineEndsAndByteOrderMarks) {
  std::string lf;
  for (int i = 0; i < 16; ++i) lf += "q" + std::to_string(i) + "\na" + std::to_string(i) + "\n";
  std::string utf16 = "\xFF\xFE";
  for (char c : lf) utf16 += std::string{c, '\0'};
  struct TCase {
    const char* Name;
    std::string Bytes;
    int Count;
  };
  const TCase cases[] = {{"lf", lf, 16},
                         {"last line without end", lf.substr(0, lf.size() - 1), 16},
                         {"last byte a lone CR", lf.substr(0, lf.size() - 1) + "\r", 0},
                         {"utf-8 mark", "\xEF\xBB\xBF" + lf, 16},
                         {"utf-16 mark", utf16, 16}};
  for (const TCase& c : cases) {
    TSmartDict d(Path("n.lxd"), true);
    EXPECT_EQ(d.ImportFromText(Text("t.txt", c.Bytes), false, false, false), c.Count > 0) << c.Name;
    EXPECT_EQ(d.RecordCount(), c.Count) << c.Name;
    int32_t p = 0;
    if (c.Count) {
      EXPECT_TRUE(d.FindQuestion("q0", p)) << c.Name;
    }
    d.ReleaseWithoutSaving();
  }
}

TEST_F(TextExchange, BreakOffAndProgress) {
  TSmartDict d(MakeDict("d.lxd", 20), false);
  const std::string file = Text("t.txt", Records(0, 20));
  std::vector<std::string> calls;
  auto& pp = ProgressProcs();
  pp.BeginProgressKeepForms = [&](const std::string& C, int32_t Steps) { calls.push_back("begin " + C + " " + std::to_string(Steps)); };
  pp.ProgressStep = [&](const std::string& T, int32_t Min, int32_t Max, int32_t) {
    calls.push_back("step " + T + " " + std::to_string(Min) + ".." + std::to_string(Max));
  };
  pp.EndProgress = [&] { calls.push_back("end"); };
  int texts = 0;
  pp.ProgressText = [&](const std::string& T) {
    if (texts == 5) {
      EXPECT_EQ(T, "Questions imported 5");
    }
    return ++texts < 10;
  };
  Prompt.Shown.clear();
  EXPECT_FALSE(d.ImportFromText(file, false, false, false));
  EXPECT_TRUE(Prompt.Shown.empty());
  EXPECT_EQ(d.RecordCount(), 20);
  EXPECT_EQ(calls, (std::vector<std::string>{"begin Importing file 1", "step Creating dictionary image 0..0", "end",
                                             "begin Cancel import 1", "step Releasing memory. 0..-1", "end"}));
  calls.clear();
  pp.ProgressText = [](const std::string&) { return true; };
  EXPECT_TRUE(d.ImportFromText(file, false, false, false));
  EXPECT_EQ(calls, (std::vector<std::string>{"begin Importing file 1", "step Creating dictionary image 0..0", "end",
                                             "begin Importing 2", "step Moving from. 0..19", "step Releasing memory. 0..19",
                                             "step Releasing memory. 0..-1", "end"}));
  d.ReleaseWithoutSaving();
}

TEST_F(TextExchange, MissingFile) {
  TSmartDict d(MakeDict("d.lxd", 16), false);
  Prompt.Shown.clear();
  EXPECT_FALSE(d.ImportFromText(Path("none.txt"), false, false, false));
  EXPECT_EQ(Prompt.Texts(), std::vector<std::string>{"Can't import to file \"" + Path("none.txt") + "\": open error"});
  EXPECT_EQ(d.RecordCount(), 16);
  d.ReleaseWithoutSaving();
}

}  // namespace
