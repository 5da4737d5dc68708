#pragma once
// The settings key as one INI file per user, by default
// $XDG_CONFIG_HOME/Kelvane/Lexidrill.ini. Every setting is a string value at
// the top level; any group in the file is a subkey of the old layout. The
// file is replaced as a whole when written, so a failed write leaves the old
// one in place.

#include <QSettings>
#include <QString>

#include "platform/SettingsStore.h"

class TQtSettingsStore final : public TSettingsStore {
 public:
  explicit TQtSettingsStore(const QString& Path);

  std::optional<std::string> ReadString(const std::string& Name) override;
  void WriteString(const std::string& Name, const std::string& Value) override;
  std::vector<std::string> SubKeys() override;
  void DeleteKey() override;
  bool Flush() override;

  // The user's settings file.
  static QString DefaultPath();

 private:
  QSettings Store;
};
