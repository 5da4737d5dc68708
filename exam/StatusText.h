#pragma once
// Shortening of the status bar texts ("Hints 3", "Hint. 3", ..., "3") so each
// fits its panel.

#include <functional>
#include <string>

// One shortening step of a text made of a word, a blank and a number; false
// (text unchanged) when it has no blank left to shorten at.
bool AbbreviateLabel(std::string& Text);

// Measures a text in pixels in the panel's font.
using TTextWidth = std::function<int(const std::string&)>;

// The first form of FullText, shortening step by step, whose width + 4 fits
// PanelWidth; the last form when none fits.
std::string FitStatusText(const std::string& FullText, int PanelWidth, const TTextWidth& Width);
