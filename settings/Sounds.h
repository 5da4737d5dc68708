#pragma once
// The fifteen event sounds of Settings.Sounds and how they are played.
//  0 right answer, 1 wrong answer, 2 return from the tray, 3 about box,
//  4 answer panel focused (played with NoStop, off by default), 5 start,
//  6 about box contact line, 7 hint, 8 and 9 about box credit lines,
//  10..14 results window, rating category 0 (best) .. 4.

#include <string>

class TSoundPlayer;

enum TSoundEvent {
  seRightAnswer = 0,
  seWrongAnswer = 1,
  seProgramPopup = 2,
  seAbout = 3,
  seAnswerSelection = 4,
  seHello = 5,
  seAuthor = 6,
  seHint = 7,
  seCredit1 = 8,
  seCredit2 = 9,
  seTestSuperGood = 10,  // + rating category 0..4
};

// Installs the player (not owned); nullptr plays nothing.
void SetSoundPlayer(TSoundPlayer* Player);

// Plays event Index (0..14) when "SoundON" and the event's entry are on;
// anything else is ignored.
void PlayEventSound(int Index, bool NoStop);

// Plays one file whatever the switches say (the configuration dialog's
// "Play"). Returns whether playback was started.
bool PlaySoundFile(const std::string& FileName, bool NoStop);

// The display name of an event: "Right answer" .. "Test - very bad", and
// "Sound N" for any other index.
std::string SoundEventName(int Index);
