// The census of a dictionary file against opening it: where the census is
// taken it must show what opening shows; where opening has more to say, it
// must not be taken.

#include <array>
#include <tuple>

#include "DictFixture.h"
#include "dictionary/Records.h"

namespace {

class Census : public DictTest {
 protected:
  // A dictionary of Count questions whose statistics are set after its
  // thresholds, so that opening it sweeps.
  std::string Prepared(const std::string& Name, int Count, int32_t NTK, int32_t UTK) {
    const std::string file = MakeDict(Name, Count);
    TFakePrompt quiet;
    TSmartDict d(file, false);
    d.Params.WriteInteger("NTK", NTK);
    d.Params.WriteInteger("UTK", UTK);
    d.Params.WriteText("DESCRIPTION", "Words\r\nand more words");
    d.Params.WriteValue("AUTHOR", "Someone");
    const int32_t stats[][2] = {{qsNew, 0}, {qsNew, 1},  {qsNew, 3},      {qsNew, 7},      {qsLearning, 0},
                                {qsLearning, 2}, {qsLearning, 5}, {qsLearned, 4}, {9, 0}, {-1, 3}, {qsNew, -2}};
    for (int i = 0; i < static_cast<int>(std::size(stats)) && i < Count; ++i) {
      int32_t p = 0;
      EXPECT_TRUE(d.FindQuestion(Q(i), p));
      rec::SetStatistics(d.Table->RecordAt(0, p), stats[i][0], stats[i][1], 1);
      EXPECT_TRUE(d.Table->Update(0, p, dpAny));
    }
    EXPECT_TRUE(d.SaveToFile(file, true));
    return file;
  }

  // Whether the census was taken; when it was, it agrees with opening.
  bool Agrees(const std::string& File) {
    TDictCensus c;
    const bool took = TakeCensus(File, c);
    TFakePrompt shown;
    TSmartDict d(File, false);
    if (took) {
      EXPECT_TRUE(shown.Shown.empty()) << "opening had more to say: " << shown.Shown.front().Text;
      TDictInfo info;
      d.GetInfo(info);
      EXPECT_EQ(std::tie(c.Info.Description, c.Info.Author, c.Info.Comment, c.Info.WordsCount),
                std::tie(info.Description, info.Author, info.Comment, info.WordsCount));
      EXPECT_EQ(std::make_tuple(c.NTK, c.UTK, c.Records), std::make_tuple(d.NTK, d.UTK, d.RecordCount()));
      TDictSummary s;
      d.GetSummary(s);
      auto counts = [](const TDictSummary& x) {
        return std::array{x.AllQuestions, x.NewQuestions, x.ShowedAlready, x.LearnedAlready, x.UnlearnedYet};
      };
      EXPECT_EQ(counts(c.Summary), counts(s));
    }
    d.ReleaseWithoutSaving();
    return took;
  }
};

TEST_F(Census, AgreesWithOpeningWhereItIsTaken) {
  EXPECT_TRUE(Agrees(Prepared("swept.lxd", 40, 3, 2)));  // sweeps in both groups, odd statuses
  EXPECT_TRUE(Agrees(Prepared("ten.lxd", 16, 10, 10)));
  EXPECT_TRUE(Agrees(Prepared("byte.lxd", 20, 266, 257)));  // thresholds taken as a byte: 10 and 1
}

TEST_F(Census, LeavesToOpeningWhatOpeningMustTell) {
  EXPECT_FALSE(Agrees(Prepared("zero.lxd", 20, 0, 3)));      // "The number must be between 1 and 10"
  EXPECT_FALSE(Agrees(Prepared("eleven.lxd", 20, 3, 11)));
  EXPECT_FALSE(Agrees(MakeDict("fifteen.lxd", 15)));          // loads, but is not usable
  EXPECT_FALSE(Agrees(Path("missing.lxd")));
  const std::string whole = ReadFile(MakeDict("cut.lxd", 20));
  WriteFile(Path("cut.lxd"), whole.substr(0, whole.size() - 7));
  EXPECT_FALSE(Agrees(Path("cut.lxd")));
  // The question table alone, without its parameters block.
  WriteFile(Path("bare.lxd"), whole.substr(ParamsEnd(whole)));
  EXPECT_FALSE(Agrees(Path("bare.lxd")));
}

}  // namespace
