#pragma once
// The nine size steps of the main window and the rule that snaps every
// resize to one of them, so the question and answer panels always fit.

#include <cstdint>

constexpr int MinFormWidth = 237;
constexpr int MaxSizeStep = 8;
constexpr int ResizeDeadBand = 15;  // height changes below this are ignored

// Heights of the question frame and of one answer panel at step k (0..8).
int QuestionPanelHeight(int Step);
int AnswerPanelHeight(int Step);

struct TResizeRequest {
  int Width = 0, Height = 0;        // current window size
  int NewWidth = 0, NewHeight = 0;  // requested size
  int Step = 2;                     // CurSizeY
  int AnswersCount = 5;             // CurAnswersCount
};

struct TResizeAnswer {
  int Width = 0;               // accepted width (CurSizeX), at least 237
  int Height = 0;              // accepted height
  int Step = 2;                // new CurSizeY
  bool StepChanged = false;    // panels must take the heights of Step
  int StatusPanelWidth = -1;   // width of spn0..spn2, -1 when the width did not change
};

TResizeAnswer FormCanResize(const TResizeRequest& R);

// Window height when going from step From to step To with Count answer panels.
int HeightAtStep(int Height, int From, int To, int Count);

enum TSizeKey { skUp, skDown, skLeft, skRight };

// The size the keys Ctrl+Up/Down/Left/Right request from the current one.
void SizeKeyRequest(TSizeKey Key, int& Width, int& Height);
