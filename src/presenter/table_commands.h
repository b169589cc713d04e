// The table tools of the window: spreadsheet keys on the advance map's
// cells, its rpm row and the servo curve, copy and paste of cell blocks
// through the clipboard, and Set to, Add, Scale % and Smooth on the
// selected map cells.
//
// The map's selection is the one the mouse band, interpolation and the
// "Sel" rule of Advance +/- use. On the map:
// - an arrow key commits the typed value (as Enter does) and moves to the
//   next cell as the grid shows it, dropping the selection; Up from the top
//   row goes to the rpm row above;
// - Shift+arrows extend a rectangle from the anchor: the cell entered last
//   by a click, Tab, Enter or a plain arrow;
// - a click into a cell outside the selection drops it; Esc drops it.
// The rpm row and the servo curve take the plain arrows only.
//
// Copy and paste leave the edit box its own text copy and paste while no
// cell range is involved: Ctrl+C copies the selected cells when there are
// some, otherwise the box copies its text; Ctrl+V pastes a block at the
// selection (a single value fills it) or, without a selection, a block of
// more than one value at the focused cell, otherwise the box pastes the
// text. Clipboard text that is not a number is refused whole, with a
// message. Every paste and tool is one undo step, repaired and recorded as
// every edit is.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <unordered_map>

#include "controls/control_model.h"
#include "design/window_index.h"
#include "editing/cell_table.h"
#include "editing/grid_cursor.h"
#include "editing/table_tools.h"
#include "presenter/captions.h"
#include "presenter/edit_commands.h"
#include "presenter/field_binding.h"
#include "presenter/graph_area_host.h"
#include "presenter/message_line.h"
#include "presenter/table_services.h"
#include "presenter/ui_events.h"
#include "session/session.h"
#include "texts/table_texts.h"

namespace tz::presenter {

class TableCommands {
  public:
    struct Services {
        Clipboard& clipboard;
        NumberDialog& numbers;
    };

    TableCommands(ui::ControlModel& controls, const design::WindowIndex& index,
                  session::Session& session, FieldBinding& binding, EditCommands& edits,
                  GraphAreaHost& graphs, MessageLine& messageLine, const Captions& captions,
                  Services services);

    // A key in an edit box; true when it was a table key and was consumed.
    bool keyPressed(ui::ControlId edit, const KeyPress& key);
    // The focus came to an edit box: a map cell becomes the anchor.
    void editEntered(ui::ControlId edit, FocusCause cause);
    // The context menu of a map cell is about to open over it.
    void contextMenuOpening(ui::ControlId control);
    // The tool items of the Tools menu and of the context menu; false for
    // other controls.
    bool clicked(ui::ControlId control);
    // The tools are enabled exactly while map cells form a selected
    // rectangle within the rows the map uses.
    void updateTools();

    // The commands of the menu items.
    void copyCells();
    void pasteCells();
    void setCells();
    void addToCells();
    void scaleCells();
    void smoothCells();

  private:
    enum class Grid { Map, Rpm, Servo };
    struct Place {
        Grid grid = Grid::Map;
        editing::CellPos cell;
    };
    enum class SelectionKind { None, Rectangle, Other };

    std::optional<Place> placeOf(ui::ControlId edit) const;
    ui::ControlId editAt(const Place& place) const;
    // The grid's cells in the image given.
    std::unique_ptr<editing::CellTable> table(Grid grid, Image& image) const;
    bool tpsRows() const;
    // The map cells the grid shows: all rows, or the 100 % row alone.
    editing::CellRange gridArea() const;
    SelectionKind selectionKind() const;
    // The selected rectangle within the rows the map uses; {} for none.
    editing::CellRange selectedRange() const;

    bool arrowKey(const Place& at, int rowStep, int columnStep, bool extend);
    void moveTo(const Place& to);
    // The cursor on a map cell, after its area followed the grid.
    void syncCursor(editing::CellPos cell);
    // Copies the selection or, when boxMayCopy is false, the place's cell;
    // false when the edit box should copy its text instead.
    bool copyFrom(const Place& at, bool boxMayCopy);
    // Pastes the clipboard at the selection or the place; false when the edit
    // box should paste its text instead.
    bool pasteAt(const Place& at, bool boxMayPaste);
    // A typed but not yet committed value becomes a step of its own.
    void commitTyping();
    // Commits a tool's change (the image it edited) as one step and reports it.
    void finish(Grid grid, texts::TableTool tool, const editing::ToolResult& result,
                bool selectWritten, const Image& edited);
    void refused(std::string_view line);
    // Asks for the tool's number; nothing when the user cancelled.
    std::optional<double> ask(texts::TableText title, texts::TableText prompt, double initial,
                              double minimum, double maximum, int decimals);

    ui::ControlModel& controls_;
    const design::WindowIndex& index_;
    session::Session& session_;
    FieldBinding& binding_;
    EditCommands& edits_;
    GraphAreaHost& graphs_;
    MessageLine& messageLine_;
    const Captions& captions_;
    Services services_;
    std::unordered_map<ui::ControlId, Place> places_;
    // The tool items of the Tools menu and of the context menu.
    std::array<ui::ControlId, 8> toolItems_{};
    editing::GridCursor cursor_;
    // The last numbers given to Add and Scale, offered again.
    double lastAmount_ = 1;
    double lastPercent_ = 100;
};

}  // namespace tz::presenter
