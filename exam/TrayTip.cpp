#include "exam/TrayTip.h"

std::string TrayTipText(const std::string& Title, int32_t Questions, int32_t MaxQCount) {
  std::string tip = Title + ". Question " + std::to_string(Questions) + " of " + std::to_string(MaxQCount);
  if (tip.size() > MaxTrayTipLength) {
    size_t cut = MaxTrayTipLength;
    while (cut > 0 && (static_cast<unsigned char>(tip[cut]) & 0xC0) == 0x80) --cut;
    tip.resize(cut);
  }
  return tip;
}
