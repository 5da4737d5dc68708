#include "exam/StatusText.h"

bool AbbreviateLabel(std::string& Text) {
  const size_t blank = Text.find(' ');
  if (blank == std::string::npos) return false;
  std::string word = Text.substr(0, blank);
  const std::string number = Text.substr(blank + 1);
  // A word that is only a dot or one letter and a dot has nothing left to drop.
  if (word.empty() || word == "." || (word.size() == 2 && word.back() == '.')) {
    Text = number;
    return true;
  }
  if (word.back() != '.') {
    word.back() = '.';
  } else {
    word.erase(word.size() - 2, 1);
  }
  Text = word + " " + number;
  return true;
}

std::string FitStatusText(const std::string& FullText, int PanelWidth, const TTextWidth& Width) {
  std::string text = FullText;
  while (Width(text) + 4 > PanelWidth && AbbreviateLabel(text)) {
  }
  return text;
}
