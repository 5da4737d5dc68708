#pragma once
// The five grade pictures of the results window: a medal per school grade,
// 5+ (best) down to 2, each in its own colour.

#include <QImage>
#include <QString>
#include <vector>

struct TGradePicture {
  QString FileName;  // below Pictures/, as the results window loads it
  QString Grade;     // the text on the medal
};

// 5+, 5, 4, 3, 2 in the order of the rating categories 0..4.
const std::vector<TGradePicture>& GradePictures();

// The picture of category Index (0..4), Size x Size, transparent around the medal.
QImage DrawGradePicture(int Index, int Size);
