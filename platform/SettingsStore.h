#pragma once
// The one key that holds the persisted settings: string values by name, and
// the subkeys that only an old settings layout has. The program opens it once
// at start-up and keeps it until the settings are written at exit.

#include <optional>
#include <string>
#include <vector>

class TSettingsStore {
 public:
  virtual ~TSettingsStore() = default;

  // The string value Name; nothing when it is missing or is not a plain
  // string (a list, a number or any other kind reads as missing).
  virtual std::optional<std::string> ReadString(const std::string& Name) = 0;
  // Sets the value in the key; it reaches the disk at the next Flush.
  virtual void WriteString(const std::string& Name, const std::string& Value) = 0;
  // Names of the subkeys below the key (empty in the current layout).
  virtual std::vector<std::string> SubKeys() = 0;
  // Deletes the key with every value and subkey; the key is empty afterwards.
  virtual void DeleteKey() = 0;
  // Writes all changes out as a whole; false when they could not be written
  // (the file on disk is then left as it was).
  virtual bool Flush() = 0;
};
