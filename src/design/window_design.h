// The main window as designed: every control with its kind, parent, bounds,
// English initial texts, fonts, colours and ranges, filled into the
// toolkit-neutral control model. A toolkit binding creates the real widgets
// from these records; the caption fill replaces most texts at start-up.
//
// Bounds are in pixels relative to the parent's client area. The window's
// client area is kClientWidth x kClientHeight; a tab sheet's bounds are its
// client area inside the page control.
#pragma once

#include "controls/control_model.h"

namespace tz::design {

inline constexpr int kWindowWidth = 991;  // outer size
inline constexpr int kWindowHeight = 812;
inline constexpr int kClientWidth = 983;
inline constexpr int kClientHeight = 758;

// The status bar's last panel: whether the unit holds the window's settings.
inline constexpr int kUnitStatePanel = 6;

// The window "TFormHlav" (the first control added), the main menu (a Menu
// without parent, "MainMenu1", holding the submenus) and all designed
// controls. The Power Out page and the port submenu "MenuCom" stay empty;
// the two builders below fill them.
void buildWindowDesign(ui::ControlModel& model);

// The run-time controls of the Power Out page, built on "TabSheetPowerOut"
// with W and H its client size as it stands. For output n = 1..3, speed
// threshold j = 0..2, throttle threshold j = 0..1 and zone row j = 0..2,
// column c = 0..3 the names are:
//   RadioGroupPOut<n>               mode radio group (on the page)
//   GroupBoxPOutMap<n>              map group box (on the page); the rest in it
//   LabelPOutRpm<n>, LabelPOutTps<n>          speed and throttle labels
//   EditPOutRpm<n>_<j>, UpDownPOutRpm<n>_<j>  speed thresholds
//   EditPOutTps<n>_<j>, UpDownPOutTps<n>_<j>  throttle thresholds
//   CheckBoxPOut<n>_r<j>c<c>                  zone check boxes
//   BevelPOutV<n>_<j>, BevelPOutH<n>_<j>      vertical (j = 0..2) and
//                                             horizontal (j = 0..1) separators
void BuildPowerOutPage(ui::ControlModel& model);

// The 31 checkable items of "MenuCom": "MenuCom1".."MenuCom30" captioned
// "Com 1".."Com 30" and "MenuCom31" captioned "Com Auto".
void BuildPortMenu(ui::ControlModel& model);

}  // namespace tz::design
