#include "presenter/table_commands.h"

#include <cmath>

#include "design/control_names.h"
#include "editing/cell_block_text.h"
#include "editing/image_tables.h"
#include "session/reports.h"

namespace tz::presenter {

namespace {

using editing::CellPos;
using editing::CellRange;
using texts::TableText;
using texts::TableTool;

constexpr int kServoRows = 2;
// The number dialogs' limits: an advance of 0..60 degrees moves by at most
// 60, and a percentage beyond 1000 only fills a range with its maximum.
constexpr double kMaxAdvance = 60;
constexpr double kMaxPercent = 1000;

CellRange single(CellPos cell) {
    return CellRange::sized(cell, 1, 1);
}

CellPos lastCell(const CellRange& r) {
    return {r.lastRow, r.lastColumn};
}

// The tools' menu items: the Tools menu's, then the context menu's.
constexpr ui::ControlName kToolItems[] = {
    ctl::MenuSetCells,  ctl::MenuAddCells,  ctl::MenuScaleCells,  ctl::MenuSmoothCells,
    ctl::PopupSetCells, ctl::PopupAddCells, ctl::PopupScaleCells, ctl::PopupSmoothCells,
};

}  // namespace

TableCommands::TableCommands(ui::ControlModel& controls, const design::WindowIndex& index,
                             session::Session& session, FieldBinding& binding, EditCommands& edits,
                             GraphAreaHost& graphs, MessageLine& messageLine,
                             const Captions& captions, Services services)
    : controls_(controls),
      index_(index),
      session_(session),
      binding_(binding),
      edits_(edits),
      graphs_(graphs),
      messageLine_(messageLine),
      captions_(captions),
      services_(services),
      cursor_({0, 0, kMapRows - 1, kMapColumns - 1}) {
    for (int c = 0; c < kMapColumns; ++c) {
        const auto i = static_cast<std::size_t>(c);
        for (int r = 0; r < kMapRows; ++r)
            places_[index_.cellEdits[static_cast<std::size_t>(kMapColumns * r + c)]] = {Grid::Map,
                                                                                        {r, c}};
        places_[index_.rpmEdits[i]] = {Grid::Rpm, {0, c}};
        places_[index_.servoRpmEdits[i]] = {Grid::Servo, {0, c}};
        places_[index_.servoMvEdits[i]] = {Grid::Servo, {1, c}};
    }
    for (std::size_t k = 0; k < toolItems_.size(); ++k) toolItems_[k] = controls_.id(kToolItems[k]);
}

// ---- Where things are

std::optional<TableCommands::Place> TableCommands::placeOf(ui::ControlId edit) const {
    const auto it = places_.find(edit);
    if (it == places_.end()) return std::nullopt;
    return it->second;
}

ui::ControlId TableCommands::editAt(const Place& place) const {
    const auto column = static_cast<std::size_t>(place.cell.column);
    switch (place.grid) {
        case Grid::Map:
            return index_
                .cellEdits[static_cast<std::size_t>(kMapColumns * place.cell.row) + column];
        case Grid::Rpm:
            return index_.rpmEdits[column];
        case Grid::Servo:
            return place.cell.row == 0 ? index_.servoRpmEdits[column] : index_.servoMvEdits[column];
    }
    return ui::kNoControl;
}

bool TableCommands::tpsRows() const {
    return controls_.checked(controls_.id(ctl::CheckBoxTpsMapa));
}

CellRange TableCommands::gridArea() const {
    return editing::AdvanceMapTable::areaOf(tpsRows() && graphs_.mode() == graphs::GraphMode::Map);
}

std::unique_ptr<editing::CellTable> TableCommands::table(Grid grid, Image& image) const {
    switch (grid) {
        case Grid::Map:
            return std::make_unique<editing::AdvanceMapTable>(image, tpsRows());
        case Grid::Rpm:
            return std::make_unique<editing::RpmBreakpointTable>(image);
        case Grid::Servo:
            return std::make_unique<editing::ServoCurveTable>(image);
    }
    return nullptr;
}

TableCommands::SelectionKind TableCommands::selectionKind() const {
    const editing::TSelcell& s = graphs_.selection();
    if (s.state != editing::BandState::Selected) return SelectionKind::None;
    return s.selectedRange().empty() ? SelectionKind::Other : SelectionKind::Rectangle;
}

CellRange TableCommands::selectedRange() const {
    if (selectionKind() != SelectionKind::Rectangle) return {};
    return graphs_.selection().selectedRange().intersected(
        editing::AdvanceMapTable::areaOf(tpsRows()));
}

void TableCommands::updateTools() {
    const bool enabled = !selectedRange().empty();
    for (ui::ControlId item : toolItems_) controls_.setEnabled(item, enabled);
}

// ---- Keys and focus

bool TableCommands::keyPressed(ui::ControlId edit, const KeyPress& key) {
    const std::optional<Place> at = placeOf(edit);
    if (!at || binding_.busy() || key.alt) return false;
    if (key.ctrl) {
        if (key.shift) return false;
        if (key.code == 'c') return copyFrom(*at, true);
        if (key.code == 'v') return pasteAt(*at, true);
        return false;
    }
    switch (key.code) {
        case kKeyEscape:
            if (at->grid != Grid::Map || selectionKind() == SelectionKind::None) return false;
            graphs_.area().clearSelection();
            updateTools();
            return true;
        case kKeyLeft:
            return arrowKey(*at, 0, -1, key.shift);
        case kKeyRight:
            return arrowKey(*at, 0, 1, key.shift);
        case kKeyUp:
            return arrowKey(*at, -1, 0, key.shift);
        case kKeyDown:
            return arrowKey(*at, 1, 0, key.shift);
        default:
            return false;
    }
}

void TableCommands::syncCursor(CellPos cell) {
    cursor_.setArea(gridArea());
    if (cursor_.focus() != cell) cursor_.place(cell);
}

bool TableCommands::arrowKey(const Place& at, int rowStep, int columnStep, bool extend) {
    const CellPos cell = at.cell;
    if (at.grid != Grid::Map) {
        // Shift+arrows keep selecting the box's text there.
        if (extend) return false;
        Place to = at;
        if (at.grid == Grid::Rpm && rowStep > 0) {
            to = {Grid::Map, {gridArea().firstRow, cell.column}};
        } else {
            const int rows = at.grid == Grid::Servo ? kServoRows : 1;
            to.cell = {std::clamp(cell.row + rowStep, 0, rows - 1),
                       std::clamp(cell.column + columnStep, 0, kMapColumns - 1)};
        }
        if (to.grid == at.grid && to.cell == cell) return true;
        commitTyping();
        if (to.grid == Grid::Map) {
            cursor_.setArea(gridArea());
            cursor_.place(to.cell);
        }
        moveTo(to);
        return true;
    }

    syncCursor(cell);
    commitTyping();
    if (extend) {
        cursor_.move(rowStep, columnStep, true);
        graphs_.area().selectCells(cursor_.anchor(), cursor_.focus());
    } else {
        if (selectionKind() != SelectionKind::None) graphs_.area().clearSelection();
        if (rowStep < 0 && cell.row == gridArea().firstRow) {
            moveTo({Grid::Rpm, {0, cell.column}});
            updateTools();
            return true;
        }
        cursor_.move(rowStep, columnStep, false);
    }
    moveTo({Grid::Map, cursor_.focus()});
    updateTools();
    return true;
}

void TableCommands::moveTo(const Place& to) {
    controls_.requestFocus(editAt(to));
}

void TableCommands::editEntered(ui::ControlId edit, FocusCause cause) {
    const std::optional<Place> at = placeOf(edit);
    if (!at || at->grid != Grid::Map) return;
    cursor_.setArea(gridArea());
    const editing::TSelcell& s = graphs_.selection();
    const bool selected = (s.flags(at->cell.row, at->cell.column) & editing::kCellSelected) != 0;
    if (cause == FocusCause::Mouse && s.state == editing::BandState::Selected && !selected) {
        graphs_.area().clearSelection();
        updateTools();
    }
    // A click makes the cell the anchor even where the keyboard already was.
    if (cause == FocusCause::Mouse || cursor_.focus() != at->cell) cursor_.place(at->cell);
}

void TableCommands::contextMenuOpening(ui::ControlId control) {
    if (const std::optional<Place> at = placeOf(control); at && at->grid == Grid::Map)
        syncCursor(at->cell);
    updateTools();
}

// ---- Copy and paste

bool TableCommands::copyFrom(const Place& at, bool boxMayCopy) {
    CellRange range;
    if (at.grid == Grid::Map) {
        switch (selectionKind()) {
            case SelectionKind::Other:
                refused(texts::tableText(TableText::NotRectangle, captions_.textLanguage()));
                return true;
            case SelectionKind::Rectangle:
                range = selectedRange();
                break;
            case SelectionKind::None:
                break;
        }
    }
    if (range.empty()) {
        if (boxMayCopy) return false;
        commitTyping();
        range = single(at.cell);
    }
    Image image = session_.image();
    const std::unique_ptr<editing::CellTable> t = table(at.grid, image);
    const editing::CellBlock block = editing::copyCells(*t, range);
    services_.clipboard.setText(editing::formatCellBlock(block));
    messageLine_.show(texts::toolResultLine(TableTool::Copy, block.rows * block.columns, 0,
                                            captions_.textLanguage()),
                      ui::Colour::ButtonFace);
    return true;
}

bool TableCommands::pasteAt(const Place& at, bool boxMayPaste) {
    const SelectionKind selection = at.grid == Grid::Map ? selectionKind() : SelectionKind::None;
    const auto parsed = editing::parseCellBlock(services_.clipboard.text());
    if (const auto* error = std::get_if<editing::CellTextError>(&parsed)) {
        const bool blank = error->kind == editing::CellTextError::Kind::NoValues;
        if (blank && boxMayPaste && selection == SelectionKind::None) return false;
        refused(session::pasteRefusedLine(*error, captions_.textLanguage()));
        return true;
    }
    const editing::CellBlock& block = std::get<editing::CellBlock>(parsed);
    if (selection == SelectionKind::Other) {
        refused(texts::tableText(TableText::NotRectangle, captions_.textLanguage()));
        return true;
    }
    CellRange target = selection == SelectionKind::Rectangle ? selectedRange() : CellRange{};
    if (target.empty()) {
        const bool oneValue = block.rows == 1 && block.columns == 1;
        if (oneValue && boxMayPaste) return false;
        target = single(at.cell);
    }
    commitTyping();
    Image image = session_.image();
    const std::unique_ptr<editing::CellTable> t = table(at.grid, image);
    const editing::ToolResult result = editing::pasteCells(*t, target, block);
    finish(at.grid, TableTool::Paste, result, true, image);
    return true;
}

void TableCommands::copyCells() {
    cursor_.setArea(gridArea());
    copyFrom({Grid::Map, cursor_.focus()}, false);
}

void TableCommands::pasteCells() {
    cursor_.setArea(gridArea());
    pasteAt({Grid::Map, cursor_.focus()}, false);
}

// ---- The tools on the selection

std::optional<double> TableCommands::ask(TableText title, TableText prompt, double initial,
                                         double minimum, double maximum, int decimals) {
    const texts::Language l = captions_.textLanguage();
    return services_.numbers.askNumber(
        {std::string(texts::tableText(title, l)), std::string(texts::tableText(prompt, l)), initial,
         minimum, maximum, decimals, std::string(texts::tableText(TableText::Ok, l)),
         std::string(texts::tableText(TableText::Cancel, l))});
}

void TableCommands::setCells() {
    const CellRange range = selectedRange();
    if (range.empty() || binding_.busy()) return;
    commitTyping();
    Image image = session_.image();
    std::unique_ptr<editing::CellTable> t = table(Grid::Map, image);
    const editing::CellLimits limits = t->limits(range.topLeft());
    const std::optional<double> value = ask(TableText::SetTitle, TableText::SetPrompt,
                                            t->value(range.topLeft()), limits.min, limits.max, 0);
    if (!value) return;
    const int v = static_cast<int>(std::lround(*value));
    finish(Grid::Map, TableTool::Set, editing::setCells(*t, range, v), false, image);
}

void TableCommands::addToCells() {
    const CellRange range = selectedRange();
    if (range.empty() || binding_.busy()) return;
    commitTyping();
    const std::optional<double> amount =
        ask(TableText::AddTitle, TableText::AddPrompt, lastAmount_, -kMaxAdvance, kMaxAdvance, 0);
    if (!amount) return;
    const int a = static_cast<int>(std::lround(*amount));
    lastAmount_ = a;
    Image image = session_.image();
    finish(Grid::Map, TableTool::Add, editing::addToCells(*table(Grid::Map, image), range, a),
           false, image);
}

void TableCommands::scaleCells() {
    const CellRange range = selectedRange();
    if (range.empty() || binding_.busy()) return;
    commitTyping();
    const std::optional<double> percent =
        ask(TableText::ScaleTitle, TableText::ScalePrompt, lastPercent_, 0, kMaxPercent, 1);
    if (!percent) return;
    lastPercent_ = *percent;
    Image image = session_.image();
    finish(Grid::Map, TableTool::Scale,
           editing::scaleCells(*table(Grid::Map, image), range, *percent), false, image);
}

void TableCommands::smoothCells() {
    const CellRange range = selectedRange();
    if (range.empty() || binding_.busy()) return;
    commitTyping();
    Image image = session_.image();
    finish(Grid::Map, TableTool::Smooth, editing::smoothCells(*table(Grid::Map, image), range),
           false, image);
}

bool TableCommands::clicked(ui::ControlId control) {
    const auto is = [&](ui::ControlName a, ui::ControlName b) {
        return control == controls_.id(a) || control == controls_.id(b);
    };
    if (control == controls_.id(ctl::PopupCopyCells)) {
        copyCells();
    } else if (control == controls_.id(ctl::PopupPasteCells)) {
        pasteCells();
    } else if (is(ctl::MenuSetCells, ctl::PopupSetCells)) {
        setCells();
    } else if (is(ctl::MenuAddCells, ctl::PopupAddCells)) {
        addToCells();
    } else if (is(ctl::MenuScaleCells, ctl::PopupScaleCells)) {
        scaleCells();
    } else if (is(ctl::MenuSmoothCells, ctl::PopupSmoothCells)) {
        smoothCells();
    } else {
        return false;
    }
    return true;
}

// ---- Committing

void TableCommands::commitTyping() {
    // Only a real change is recorded: with programming after change on,
    // every record programs the unit, and moving between cells must not.
    const CellBlockEdit typed = binding_.typedEdits(session_.image());
    if (!typed.cells.empty()) edits_.edit(typed);
}

void TableCommands::finish(Grid grid, TableTool tool, const editing::ToolResult& result,
                           bool selectWritten, const Image& edited) {
    edits_.editTo(edited);
    const CellRange& r = result.range;
    if (grid == Grid::Map && selectWritten && !r.empty())
        graphs_.area().selectCells(r.topLeft(), lastCell(r));
    updateTools();
    messageLine_.show(
        texts::toolResultLine(tool, result.written, result.clamped, captions_.textLanguage()),
        ui::Colour::ButtonFace);
}

void TableCommands::refused(std::string_view line) {
    messageLine_.show(line, ui::Colour::Red);
}

}  // namespace tz::presenter
