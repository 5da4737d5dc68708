#pragma once
// Connects the progress operations to the progress window: replaces the
// begin, step, tick, end and text entries of ProgressProcs() (the quiet ones
// stay). BeginProgress hides the visible windows and EndProgress shows them
// again, nesting level by level.

class TFormMultiPartVisual;

void InstallVisualProgress();

// The open progress window, or nullptr.
TFormMultiPartVisual* ProgressWindow();
