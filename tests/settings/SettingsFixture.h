#pragma once
// Every settings test starts from a fresh record, a known install folder, an
// unparsed command line and an empty key.

#include <gtest/gtest.h>

#include "platform/MemorySettingsStore.h"
#include "settings/CommandLine.h"
#include "settings/FileDialogs.h"
#include "settings/Settings.h"

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Settings = TSettings();
    Settings.InstallDir = "/opt/lexidrill/";
    SetCommandLineArguments({});
    ResetCommandLine();
    ForgetRememberedFolders();
    SetChooseDictionaryFile(nullptr);
  }
  void TearDown() override { SetUp(); }

  // Stores a complete, valid set of values (as a normal exit writes them).
  void StoreValidSettings() {
    TSettings saved = Settings;
    SaveSettings(Store);
    Settings = saved;
  }

  TMemorySettingsStore Store;
};
