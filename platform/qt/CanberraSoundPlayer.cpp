#include "platform/qt/CanberraSoundPlayer.h"

#include <canberra.h>

#include <QFileInfo>

namespace {
// All our sounds share one id, so that a new one can cut off the last.
constexpr std::uint32_t SoundId = 1;
}  // namespace

TCanberraSoundPlayer::~TCanberraSoundPlayer() {
  if (Ctx) ca_context_destroy(Ctx);
}

ca_context* TCanberraSoundPlayer::Context() {
  if (Ctx || OpenFailed) return Ctx;
  if (ca_context_create(&Ctx) != CA_SUCCESS) {
    Ctx = nullptr;
    OpenFailed = true;
    return nullptr;
  }
  ca_context_change_props(Ctx, CA_PROP_APPLICATION_NAME, "Lexidrill", CA_PROP_APPLICATION_ID, "lexidrill",
                          nullptr);
  if (ca_context_open(Ctx) != CA_SUCCESS) {
    ca_context_destroy(Ctx);
    Ctx = nullptr;
    OpenFailed = true;
  }
  return Ctx;
}

bool TCanberraSoundPlayer::Play(const std::string& FileName, bool NoStop) {
  ca_context* c = Context();
  if (!c) return false;
  if (NoStop) {
    int playing = 0;
    if (ca_context_playing(c, SoundId, &playing) == CA_SUCCESS && playing) return false;
  } else {
    ca_context_cancel(c, SoundId);
  }
  const QFileInfo file(QString::fromStdString(FileName));
  int result = CA_ERROR_NOTFOUND;
  if (file.isFile() && file.isReadable()) {
    const QByteArray path = file.absoluteFilePath().toLocal8Bit();
    result = ca_context_play(c, SoundId, CA_PROP_MEDIA_FILENAME, path.constData(), CA_PROP_CANBERRA_CACHE_CONTROL,
                             "never", nullptr);
  }
  // A file that is missing or cannot be played gives the default sound.
  if (result == CA_ERROR_NOTFOUND || result == CA_ERROR_CORRUPT || result == CA_ERROR_NOTSUPPORTED ||
      result == CA_ERROR_ACCESS || result == CA_ERROR_IO)
    result = ca_context_play(c, SoundId, CA_PROP_EVENT_ID, "bell", nullptr);
  return result == CA_SUCCESS;
}
