#pragma once
// A settings key held in memory: for tests, and for runs that must not touch
// the user's settings. Values and subkeys are plain maps that tests may fill
// and inspect directly.

#include <map>
#include <set>

#include "platform/SettingsStore.h"

class TMemorySettingsStore final : public TSettingsStore {
 public:
  std::optional<std::string> ReadString(const std::string& Name) override {
    auto it = Values.find(Name);
    if (it == Values.end()) return std::nullopt;
    return it->second;
  }
  void WriteString(const std::string& Name, const std::string& Value) override { Values[Name] = Value; }
  std::vector<std::string> SubKeys() override { return {Keys.begin(), Keys.end()}; }
  void DeleteKey() override {
    Values.clear();
    Keys.clear();
  }
  bool Flush() override {
    ++FlushCount;
    return !FailFlush;
  }

  std::map<std::string, std::string> Values;
  std::set<std::string> Keys;
  bool FailFlush = false;
  int FlushCount = 0;
};
