#pragma once
// Fixture of the dictionary windows: the dictionary tests' fresh folder,
// quiet progress and scripted prompt, plus dictionaries of chosen questions.

#include <memory>
#include <string>
#include <vector>

#include "tests/dictionary/DictFixture.h"

struct TFixtureQuestion {
  std::string Question, Answer, Comment;
};

class DictWindowsTest : public DictTest {
 protected:
  std::string Folder() const { return Dir.string() + "/"; }

  // A saved dictionary file; Setup may change it before the save.
  template <class F>
  std::string MakeFile(const std::string& Name, const std::vector<TFixtureQuestion>& Questions, F&& Setup) {
    const std::string file = Path(Name);
    TPrompt* shown = prompt_detail::Current();
    {
      TFakePrompt quiet;
      TSmartDict d(file, true);
      for (const auto& q : Questions) d.AddOrUpdateQuestion(q.Question, q.Answer, q.Comment);
      Setup(d);
      EXPECT_TRUE(d.SaveToFile(file, true));
    }
    SetPrompt(shown);
    return file;
  }
  std::string MakeFile(const std::string& Name, const std::vector<TFixtureQuestion>& Questions) {
    return MakeFile(Name, Questions, [](TSmartDict&) {});
  }

  // An open dictionary of the given questions.
  std::unique_ptr<TSmartDict> OpenDict(const std::vector<TFixtureQuestion>& Questions) {
    TPrompt* shown = prompt_detail::Current();
    std::unique_ptr<TSmartDict> d;
    {
      TFakePrompt quiet;
      d = std::make_unique<TSmartDict>(Path("open.lxd"), true);
      for (const auto& q : Questions) d->AddOrUpdateQuestion(q.Question, q.Answer, q.Comment);
    }
    SetPrompt(shown);
    return d;
  }
  // Questions w100, w101, ... with answers a100, ... and comments c0, ...
  static std::vector<TFixtureQuestion> Numbered(int Count) {
    std::vector<TFixtureQuestion> q;
    for (int i = 0; i < Count; ++i)
      q.push_back({"w" + std::to_string(100 + i), "a" + std::to_string(100 + i), "c" + std::to_string(i)});
    return q;
  }
};
