#include "settings/FileDialogs.h"

#include <stdexcept>

#include "SettingsFixture.h"
#include "platform/FileDialog.h"

namespace {

// Records what the dialog looked like when shown and answers with Choice.
class TFakeFileDialog final : public TFileDialog {
 public:
  bool Execute() override {
    Seen.push_back(*this);
    if (Throw) throw std::runtime_error("no dialog");
    if (Choice.empty()) return false;
    FileName = Choice;
    return true;
  }
  struct TShown {
    std::string Filter, InitialDir, Title;
    unsigned Options;
    TShown(const TFileDialog& d) : Filter(d.Filter), InitialDir(d.InitialDir), Title(d.Title), Options(d.Options) {}
  };
  std::vector<TShown> Seen;
  std::string Choice;
  bool Throw = false;
};

constexpr unsigned MustExistBits = foPathMustExist | foFileMustExist;

TEST_F(SettingsTest, FiltersFirstFoldersAndMustExist) {
  struct TCase {
    TFileKind Kind;
    bool MustExist;
    const char* Filter;
    const char* Folder;
  } cases[] = {
      {fkDictionary, false, "Dictionary files|*.lxd|Any file|*.*", "/opt/lexidrill/Dicts/"},
      {fkDictionary, true, "Dictionary files|*.lxd|Any file|*.*", "/opt/lexidrill/Dicts/"},  // no chooser set
      {fkSound, true, "Sound files|*.wav|Any file|*.*", "/opt/lexidrill/Sound/"},
      {fkText, false, "Text files|*.txt|Any file|*.*", ""},
  };
  for (const auto& c : cases) {
    ForgetRememberedFolders();
    TFakeFileDialog d;
    d.Filter = "Mine|*.m";
    d.Options = 64 | (c.MustExist ? 0 : MustExistBits);
    EXPECT_FALSE(ExecuteFileDialog(d, c.Kind, c.MustExist, "T"));
    ASSERT_EQ(d.Seen.size(), 1u);
    EXPECT_EQ(d.Seen[0].Filter, c.Filter);
    EXPECT_EQ(d.Seen[0].InitialDir, c.Folder);
    EXPECT_EQ(d.Seen[0].Title, "T");
    EXPECT_EQ(d.Seen[0].Options, 64 | (c.MustExist ? MustExistBits : 0));
    // Filter and options are given back.
    EXPECT_EQ(d.Filter, "Mine|*.m");
    EXPECT_EQ(d.Options, 64 | (c.MustExist ? 0 : MustExistBits));
  }
}

TEST_F(SettingsTest, ChosenFolderIsRememberedPerKind) {
  TFakeFileDialog d;
  d.Choice = "/home/u/sounds/ding.wav";
  ASSERT_TRUE(ExecuteFileDialog(d, fkSound, true, "Open Sound File"));
  EXPECT_EQ(d.FileName, "/home/u/sounds/ding.wav");
  d.Choice = "/tmp/out.txt";
  ASSERT_TRUE(ExecuteFileDialog(d, fkText, false, ""));
  d.Choice.clear();
  ExecuteFileDialog(d, fkSound, true, "");
  ExecuteFileDialog(d, fkText, true, "");
  ExecuteFileDialog(d, fkDictionary, false, "");
  EXPECT_EQ(d.Seen[2].InitialDir, "/home/u/sounds/");
  EXPECT_EQ(d.Seen[3].InitialDir, "/tmp/");
  EXPECT_EQ(d.Seen[4].InitialDir, "/opt/lexidrill/Dicts/");
  EXPECT_EQ(RememberedFolder(fkText), "/tmp/");
}

TEST_F(SettingsTest, ExistingDictionaryGoesToTheChooser) {
  TFakeFileDialog d;
  d.FileName = "/d/start.lxd";
  std::string seenName;
  SetChooseDictionaryFile([&](TFileDialog& dialog) {
    seenName = dialog.FileName;
    dialog.FileName = "/d/chosen.lxd";
    return true;
  });
  EXPECT_TRUE(ExecuteFileDialog(d, fkDictionary, true, ""));
  EXPECT_EQ(seenName, "/d/start.lxd");
  EXPECT_EQ(d.FileName, "/d/chosen.lxd");
  EXPECT_TRUE(d.Seen.empty());
  // A new dictionary still uses the plain dialog.
  EXPECT_FALSE(ExecuteFileDialog(d, fkDictionary, false, "Create New Dictonary"));
  EXPECT_EQ(d.Seen.size(), 1u);
}

TEST_F(SettingsTest, FailingDialogReturnsFalseAndRestores) {
  TFakeFileDialog d;
  d.Throw = true;
  d.Filter = "Keep|*";
  EXPECT_FALSE(ExecuteFileDialog(d, fkText, true, ""));
  EXPECT_EQ(d.Filter, "Keep|*");
  EXPECT_EQ(d.Options, 0u);
}

}  // namespace
