#pragma once
// Scripted tray, call-up key and pause timer for the window tests.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/HotKey.h"
#include "platform/Tray.h"
#include "ui/TrayController.h"

class TFakeTray final : public TTray {
 public:
  explicit TFakeTray(bool Available = true) : FAvailable(Available) {}
  bool Add(const std::string& Tip) override {
    FShown = FAvailable;
    this->Tip = Tip;
    ++Adds;
    return FShown;
  }
  void SetTip(const std::string& NewTip) override { Tip = NewTip; }
  void Remove() override { FShown = false; ++Removes; }
  bool IsShown() const override { return FShown; }
  void SetMenu(const std::vector<TTrayMenuItem>& NewItems) override { Items = NewItems; }

  void LeftPress() { if (OnLeftPress) OnLeftPress(); }
  // Runs the menu entry of that name; false when there is none.
  bool Choose(const std::string& Name) {
    for (auto& item : Items)
      if (item.Name == Name && item.Action) { item.Action(); return true; }
    return false;
  }

  std::string Tip;
  std::vector<TTrayMenuItem> Items;
  int Adds = 0, Removes = 0;

 private:
  bool FAvailable;
  bool FShown = false;
};

class TFakeHotKey final : public THotKey {
 public:
  bool Register(uint32_t Modifiers, uint32_t VirtualKey) override {
    Calls.push_back("register " + std::to_string(Modifiers) + " " + std::to_string(VirtualKey));
    FRegistered = !Taken && IsValidHotKey(Modifiers, VirtualKey);
    return FRegistered;
  }
  void Unregister() override { Calls.push_back("unregister"); FRegistered = false; }
  bool IsRegistered() const override { return FRegistered; }
  void Press() { if (OnPressed) OnPressed(); }

  bool Taken = false;
  std::vector<std::string> Calls;

 private:
  bool FRegistered = false;
};

class TFakePauseTimer final : public TPauseTimer {
 public:
  void Start(int64_t Ms) override { Running = true; Starts.push_back(Ms); }
  void Stop() override { Running = false; }
  void Fire() { if (Running && OnTimeout) { Running = false; OnTimeout(); } }

  bool Running = false;
  std::vector<int64_t> Starts;
};
