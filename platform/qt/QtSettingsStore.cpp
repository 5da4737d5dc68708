#include "platform/qt/QtSettingsStore.h"

#include <QStandardPaths>

TQtSettingsStore::TQtSettingsStore(const QString& Path) : Store(Path, QSettings::IniFormat) {}

QString TQtSettingsStore::DefaultPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Kelvane/Lexidrill.ini";
}

std::optional<std::string> TQtSettingsStore::ReadString(const std::string& Name) {
  const QVariant v = Store.value(QString::fromStdString(Name));
  // INI text such as "a, b" reads as a list and "@Variant(...)" as another
  // type: neither is one of our values.
  if (!v.isValid() || v.typeId() != QMetaType::QString) return std::nullopt;
  return v.toString().toStdString();
}

void TQtSettingsStore::WriteString(const std::string& Name, const std::string& Value) {
  Store.setValue(QString::fromStdString(Name), QString::fromStdString(Value));
}

std::vector<std::string> TQtSettingsStore::SubKeys() {
  std::vector<std::string> keys;
  for (const QString& g : Store.childGroups()) keys.push_back(g.toStdString());
  return keys;
}

void TQtSettingsStore::DeleteKey() { Store.clear(); }

bool TQtSettingsStore::Flush() {
  Store.sync();
  return Store.status() == QSettings::NoError;
}
