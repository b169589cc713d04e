// The names of the window's controls that the logic addresses one by one,
// as constants: a misspelt name does not compile, and the design test checks
// that the design holds every one of them. Repeated controls (map cells,
// axes, power-output controls, port items) are reached through the index
// tables of window_index.h instead.
#pragma once

#include "controls/control_name.h"

// One entry per named control.
#define TZ_CONTROL_NAMES(X)      \
    X(AdvanceMinus)              \
    X(AdvancePlus)               \
    X(BitBtnProgram)             \
    X(BitBtnTps0)                \
    X(BitBtnTps100)              \
    X(BitBtnVerify)              \
    X(ButtonRead)                \
    X(ButtonReplayPlay)          \
    X(ButtonReplayStop)          \
    X(CGaugeProgram)             \
    X(CGaugeRpm)                 \
    X(CGaugeTps)                 \
    X(CSpinButton11)             \
    X(CSpinButtonAll)            \
    X(CheckBoxCrossBlock)        \
    X(CheckBoxIgnAll)            \
    X(CheckBoxNehlidaPalec)      \
    X(CheckBoxPalec1EndH2)       \
    X(CheckBoxPalec1EndP2)       \
    X(CheckBoxPalec1ZacH2)       \
    X(CheckBoxPalec1ZacP2)       \
    X(CheckBoxPalec2EndH2)       \
    X(CheckBoxPalec2EndP2)       \
    X(CheckBoxPalec2ZacH2)       \
    X(CheckBoxPalec2ZacP2)       \
    X(CheckBoxPredPalec)         \
    X(CheckBoxPrivEnable)        \
    X(CheckBoxProgHned)          \
    X(CheckBoxReplayLoop)        \
    X(CheckBoxServoAll)          \
    X(CheckBoxSpecStart)         \
    X(CheckBoxTpsMapa)           \
    X(CheckBoxZamenaPickup)      \
    X(ComboBoxBike)              \
    X(ComboBoxNasobekPalcu)      \
    X(ComboBoxReplaySpeed)       \
    X(ComboBoxSynchro)           \
    X(EditClutchPause)           \
    X(EditClutchTime)            \
    X(EditKompenz1)              \
    X(EditKompenz2)              \
    X(EditOmez1)                 \
    X(EditPalec1End)             \
    X(EditPalec1Zac)             \
    X(EditPalec2End)             \
    X(EditPalec2Zac)             \
    X(EditPocKanalu)             \
    X(EditPocPalcu)              \
    X(EditRetard)                \
    X(EditStartLimiterPause)     \
    X(EditTestRpm)               \
    X(EditTestServo)             \
    X(GroupBox6)                 \
    X(GroupBoxPalec1)            \
    X(GroupBoxPalec2)            \
    X(GroupBoxPrivera)           \
    X(GroupBoxReplay)            \
    X(GroupBoxSpecial)           \
    X(GroupBoxToolBar)           \
    X(LabelAdvance1)             \
    X(LabelAdvance2)             \
    X(LabelBlocking1)            \
    X(LabelClutchMon)            \
    X(LabelClutchPause)          \
    X(LabelClutchTime)           \
    X(LabelCom)                  \
    X(LabelEeDataErr)            \
    X(LabelHlaseni)              \
    X(LabelHrana2)               \
    X(LabelKillSwitch)           \
    X(LabelKompenz)              \
    X(LabelLobe)                 \
    X(LabelMonInput1In)          \
    X(LabelMonInput2In)          \
    X(LabelMonRetard)            \
    X(LabelMonSnimac1)           \
    X(LabelMonSnimac2)           \
    X(LabelMonStartLimiterOut)   \
    X(LabelNapeti)               \
    X(LabelOmez1)                \
    X(LabelPalec1End)            \
    X(LabelPalec1Zac)            \
    X(LabelPalec2End)            \
    X(LabelPalec2Zac)            \
    X(LabelPocKanalu)            \
    X(LabelPocPalcu)             \
    X(LabelPocSynchro)           \
    X(LabelPocetProgramovani)    \
    X(LabelPriveraMer)           \
    X(LabelPriveraPoz)           \
    X(LabelReplayFile)           \
    X(LabelReplayTime)           \
    X(LabelRetard)               \
    X(LabelRpm)                  \
    X(LabelRpmAdv)               \
    X(LabelSnimac2)              \
    X(LabelSpojeni)              \
    X(LabelStartLimiterPause)    \
    X(LabelSynchro)              \
    X(LabelTpsMon)               \
    X(LabelVersion)              \
    X(LabelVerze1)               \
    X(LabelVerze2)               \
    X(LabelVerze3)               \
    X(MenuAbout)                 \
    X(MenuAddCells)              \
    X(MenuBackup)                \
    X(MenuCellTime)              \
    X(MenuCellTimeReset)         \
    X(MenuCompareFile)           \
    X(MenuCompareUnit)           \
    X(MenuContens)               \
    X(MenuCzech)                 \
    X(MenuEnglish)               \
    X(MenuExit)                  \
    X(MenuFrench)                \
    X(MenuGerman)                \
    X(MenuInterpol)              \
    X(MenuNew)                   \
    X(MenuOpen)                  \
    X(MenuOpenExeDir)            \
    X(MenuPrint)                 \
    X(MenuPrintAll)              \
    X(MenuProgram)               \
    X(MenuRead)                  \
    X(MenuRecordLive)            \
    X(MenuReplayLive)            \
    X(MenuRestorePoints)         \
    X(MenuSave)                  \
    X(MenuSaveExeDir)            \
    X(MenuScaleCells)            \
    X(MenuSetCells)              \
    X(MenuSmoothCells)           \
    X(MenuStopRecording)         \
    X(MenuVerify)                \
    X(MenuZnovu)                 \
    X(MenuZpet)                  \
    X(PageControl1)              \
    X(PaintBoxWheel)             \
    X(PopupAddCells)             \
    X(PopupCopyCells)            \
    X(PopupMapCells)             \
    X(PopupPasteCells)           \
    X(PopupScaleCells)           \
    X(PopupSetCells)             \
    X(PopupSmoothCells)          \
    X(RadioGroupGraphMode)       \
    X(RadioGroupInput1)          \
    X(RadioGroupInput2)          \
    X(RadioGroupPickup1Polarita) \
    X(RadioGroupPickup2Polarita) \
    X(SpeedButton6)              \
    X(SpeedButtonOpen)           \
    X(SpeedButtonPrint)          \
    X(SpeedButtonSave)           \
    X(SpeedButtonZnovu)          \
    X(SpeedButtonZpet)           \
    X(StatusBar1)                \
    X(TFormHlav)                 \
    X(TabSheetAdvance)           \
    X(TabSheetBike)              \
    X(TabSheetServo)             \
    X(TabSheet_Inputs)           \
    X(TrackBarReplay)            \
    X(UpDownBaseAdv)             \
    X(UpDownClutchPause)         \
    X(UpDownClutchTime)          \
    X(UpDownKompenz1)            \
    X(UpDownKompenz2)            \
    X(UpDownKorekceAdv1)         \
    X(UpDownKorekceAdv2)         \
    X(UpDownOmez1)               \
    X(UpDownOmez2)               \
    X(UpDownPalec1End)           \
    X(UpDownPalec1Zac)           \
    X(UpDownPalec2End)           \
    X(UpDownPalec2Zac)           \
    X(UpDownPocKanalu)           \
    X(UpDownPocPalcu)            \
    X(UpDownPocSynchro)          \
    X(UpDownPrivHyster)          \
    X(UpDownRetard)              \
    X(UpDownRpmKorekce)          \
    X(UpDownRpmPulsu)            \
    X(UpDownStartLimiterPause)   \
    X(UpDownTestRpm)             \
    X(UpDownTestServo)           \
    X(UpDownTps0)                \
    X(UpDownTps100)

namespace tz::ctl {

#define TZ_DECLARE_CONTROL_NAME(name) inline constexpr ui::ControlName name{#name};
TZ_CONTROL_NAMES(TZ_DECLARE_CONTROL_NAME)
#undef TZ_DECLARE_CONTROL_NAME

// Every name above, for the design test.
#define TZ_LIST_CONTROL_NAME(name) name,
inline constexpr ui::ControlName kAllNames[] = {TZ_CONTROL_NAMES(TZ_LIST_CONTROL_NAME)};
#undef TZ_LIST_CONTROL_NAME

}  // namespace tz::ctl
