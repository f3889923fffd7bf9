#pragma once
// Messages and captions built into the program as English/Chinese pairs.

#include <string>
#include <string_view>

namespace rp70 {

/// `LanguageIndex`: 1 English, 2 Chinese.
enum class Language : int { English = 1, Chinese = 2 };

enum class BuiltinText {
    ProgressTitleRead,
    ProgressTitleWrite,
    ProgressLabel,
    ConfirmRead,
    ConfirmWrite,
    WrongModel,
    RadioKilled,
    RadioStunned,
    WrongVersion,
    WrongBand,
    NewImage,
    FileError,
    FilePasswordError,
    PasswordDialogTitle,
    PasswordLabel,
    Overwrite,
    Modified,
    FileFilterName,
    BandChange,
    BandChangeTitle,
    CloseButton,
    CommunicationFailure,
    TestValueDoesNotFit, ///< "%1" stands for the value's index
    // Why a serial port could not be opened: "%1" stands for the port, "%2" for the system's
    // own words.
    PortNotChosen,
    PortMissing,
    PortPermissionDenied,
    PortGroupHint, ///< Linux: how to join the group ("%1") that may open the port
    PortBusy,
    PortOtherFault,
    PortBrlttyHint,   ///< Linux: the braille display service may be holding the adapter
    PortNotPermitted, ///< "%1" the port, "%2" the group that may open it
    // The printed report and its selection dialog.
    ReportTitle,
    ReportModelType,
    ReportFrequency,
    ReportFileName,
    PrintChannels, ///< the check boxes of the selection dialog, in PrintItem order
    PrintVhfChannels,
    PrintRadioChannels,
    PrintOptions,
    PrintDtmf,
    PrintTwoTone,
    PrintFiveTone,
    PrintBook,
    PrintEmbeddedMessage,
    PrintSelectAll,
    PrintClearAll,
    PrintSetUp,
    PrintNothingSelected,
    Off, ///< OnOffText of 0
    On,  ///< OnOffText of 1
    // Verification after a Write.
    ProgressTitleVerify,
    VerifyFailed, ///< "%1" stands for the number of blocks; their list follows
    // The backups.
    BackupNotSaved, ///< "%1" stands for the backup folder
    BackupsTitle,
    BackupTime,
    BackupKindCaption,
    BackupKindRead,
    BackupKindWritten,
    BackupModel,
    BackupBand,
    BackupChannels,
    BackupOpen,
    // Comparing the open image with a data file or the radio.
    CompareTitle,
    ComparePlace,
    CompareField,
    CompareOpenImage,
    CompareRadio,
    CompareNoDifferences,
};

std::string_view BuiltinTextFor(BuiltinText text, Language language);

/// `text` with every `marker` ("%1", "%2") replaced by `value`.
std::string FillMarker(std::string_view text, std::string_view marker, std::string_view value);

} // namespace rp70
