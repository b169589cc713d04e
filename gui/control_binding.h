// Binds the control model to Qt widgets: builds one widget per control,
// mirrors every change of the model into its widget, and hands the user's
// input to the window's logic through UiEvents, recording it in the model
// first. It knows controls by kind only, never by name.
//
// Construct it after the model holds the window's controls:
//
//     ControlBinding binding(model, logic, window);
//     window.show();
//     binding.start();
//
// The model, the events object and the window must outlive the binding.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <vector>

#include "controls/control_model.h"
#include "gui/access_keys.h"
#include "gui/user_input.h"
#include "presenter/ui_events.h"

class QAction;
class QMainWindow;
class QTabWidget;

namespace tz::gui {

class CanvasWidget;
class HintTracker;
class MenuBinding;
class WindowFrame;

class ControlBinding : public QObject, private UserInput {
    Q_OBJECT
  public:
    ControlBinding(ui::ControlModel& model, UiEvents& events, QMainWindow& window);
    ~ControlBinding() override;

    // Starts the 55 ms timer: each tick calls UiEvents::tick(), then sync().
    void start();
    // Whether the timer runs (it stops when the window closes).
    bool ticking() const { return timer_.isActive(); }

    // Creates the widgets of controls added since the last sync, mirrors the
    // controls whose revision moved and carries out a focus request. User
    // events call it by themselves. Costs a single comparison when nothing
    // changed.
    void sync();
    // Mirrors every control again, as after a change of the application's
    // style and palette.
    void mirrorEverything();

    // The widget of a control (the client area for the window); null for
    // menus and unknown ids.
    QWidget* widget(ui::ControlId id) const;
    // The action of a menu item, submenu or separator.
    QAction* action(ui::ControlId id) const;
    // The drawing surface of a Canvas control, for its painter and mouse.
    CanvasWidget* canvas(ui::ControlId id) const;

  private:
    // UserInput: record in the model, tell the logic, mirror the result.
    void textEdited(ui::ControlId edit, const QString& text) override;
    bool keyPressed(ui::ControlId edit, const KeyPress& key) override;
    void editEntered(ui::ControlId edit, FocusCause cause) override;
    void editExited(ui::ControlId edit) override;
    void upDownStepped(ui::ControlId upDown, int direction) override;
    void checkToggled(ui::ControlId checkBox, bool checked) override;
    void checkReleased(ui::ControlId checkBox) override;
    void radioClicked(ui::ControlId radioGroup, int index) override;
    void comboActivated(ui::ControlId comboBox, int index) override;
    void clicked(ui::ControlId control) override;
    void spinClicked(ui::ControlId spinButton, int direction) override;
    void pageChanged(ui::ControlId pageControl, int index) override;
    void trackBarMoved(ui::ControlId trackBar, int position) override;
    void canvasMouse(ui::ControlId surface, const PointerEvent& event) override;
    void contextMenuRequested(ui::ControlId control, const QPoint& globalPos) override;

    void createNewControls();
    // Whether a menu entry changed since the revision.
    bool menusChangedSince(std::uint32_t revision) const;
    void createSubtree(ui::ControlId id);
    void create(ui::ControlId id);
    void mirror(ui::ControlId id);
    void fitClientToContent();
    // The page control that the page keys turn: the innermost one that holds
    // the keyboard focus, else the first one shown.
    QTabWidget* pagesForKeys() const;
    void applyFocusRequest();
    void onTick();
    bool onCloseRequested();
    void onClosing();

    ui::ControlModel& model_;
    UiEvents& events_;
    QMainWindow& window_;
    AccessKeys accessKeys_;
    std::unique_ptr<WindowFrame> frame_;
    std::unique_ptr<HintTracker> hints_;
    std::unique_ptr<MenuBinding> menus_;
    QTimer timer_;

    std::vector<QWidget*> widgets_;  // by control id
    ui::ControlId windowId_ = ui::kNoControl;
    std::uint32_t syncedRevision_ = 0;
    std::uint32_t focusRevision_ = 0;
    bool syncing_ = false;
    bool resync_ = false;
    bool quiet_ = false;  // while widgets are built and mirrored
};

}  // namespace tz::gui
