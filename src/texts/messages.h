// The message catalogue: the texts of message boxes, of the message line, of
// the live monitor labels, of the printout header and the manual's file name,
// in four languages, and the window's copy of them in the current language.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "texts/language.h"

namespace tz::texts {

// One entry per text, in catalogue order.
enum class Msg : std::uint8_t {
    MsgWindowTitle,
    MsgManualFile,
    MsgProgramError,
    MsgVerifyError,
    MsgReadError,
    MsgProgramDevice,
    MsgVerifyProgress,
    MsgReadProgress,
    MsgSaving,
    MsgVersionMismatch,
    MsgAdvance,
    MsgProgramCount,
    MsgMotorOff,
    MsgYes,
    MsgNo,
    MsgPositivePolarity,
    MsgNegativePolarity,
    MsgComOpenError,
    MsgOpenFileError,
    MsgAskDefaults,
    MsgOlderIgnFile,
    MsgIgnVersionMismatch,
    MsgPrintDateTime,
    MsgManualOpenError,
    MsgPickupSystemError,
    MsgPickupCkps,
    MsgRunning,
    MsgNoSignal,
    MsgServoMeasured,
    MsgServoDesired,
    MsgClutchMaster,
    MsgInput,
    MsgStartLimiter,
    MsgRetard,
    MsgKillSwitch,
    MsgInputOpen,
    MsgInputGrounded,
    MsgFuelPump,
    MsgGearShiftLight,
    MsgPowerJet,
    MsgSpecialOut,
    MsgPolarityError,
    MsgPortBusy,          // followed by the device
    MsgNoDocumentViewer,  // followed by the document's path
    MsgFolderNotMade,     // followed by the folder
    MsgSettingsNotSaved,
};

inline constexpr std::size_t kMsgCount = static_cast<std::size_t>(Msg::MsgSettingsNotSaved) + 1;

// Which of the two fills writes an entry: the message fill or the caption
// fill of the window.
enum class FilledBy : std::uint8_t { Messages, Captions };

FilledBy filledBy(Msg id);

// The text of an entry in a language, blanks and line breaks included.
// Composed entries are joined from their pieces of the same language.
std::string messageText(Msg id, Language language);

// The window's catalogue: one text per entry in the current language. Every
// entry is empty until a fill has written it.
class MessageCatalogue {
  public:
    // Writes every entry that the message fill owns.
    void fillMessages(Language language);
    // Writes every entry that the caption fill owns.
    void fillCaptionEntries(Language language);

    const std::string& operator[](Msg id) const { return texts_[static_cast<std::size_t>(id)]; }

  private:
    void fill(FilledBy owner, Language language);

    std::array<std::string, kMsgCount> texts_;
};

}  // namespace tz::texts
