#include "presenter/comparison_model.h"

#include <algorithm>
#include <array>
#include <string>

#include "params/field_table.h"
#include "params/ign_values.h"
#include "texts/comparison_texts.h"
#include "texts/setting_names.h"

namespace tz::presenter {

using texts::CompareText;

namespace {

// The pages in the window's tab order, the bytes that no page shows last.
constexpr std::array<WindowPage, 7> kPageOrder{
    WindowPage::Inputs,   WindowPage::Bike, WindowPage::AdvanceMap, WindowPage::Servo,
    WindowPage::PowerOut, WindowPage::Test, WindowPage::None};

constexpr std::string_view kArrow = " → ";

std::string number(long value) {
    return std::to_string(value);
}

// The number as the window shows it: a value field in the units of its
// edit box (the limiter in rpm, not in the file's hundreds), anything else
// as the .ign file writes it.
long shown(const IgnValue& v, const Image& image) {
    if (v.bit < 0) {
        if (const FieldSpec* field = valueField(v.byte))
            return decodeField(*field, image[static_cast<std::size_t>(v.byte)]);
    }
    return v.of(image);
}

const IgnValue* ignValue(std::string_view key, int index) {
    for (const IgnValue& v : ignValues())
        if (v.key == key && v.index == index) return &v;
    return nullptr;
}

ComparisonGrid emptyGrid(std::string title, std::vector<std::string> rowHeaders) {
    ComparisonGrid grid;
    grid.title = std::move(title);
    grid.rowHeaders = std::move(rowHeaders);
    for (int column = 1; column <= kAxisPoints; ++column)
        grid.columnHeaders.push_back(std::to_string(column));
    grid.cells.assign(grid.rowHeaders.size(),
                      std::vector<ComparisonGridCell>(static_cast<std::size_t>(kAxisPoints)));
    return grid;
}

// Both grids with every cell's value; differing cells show both values.
std::vector<ComparisonGrid> grids(const Image& window, const Image& other,
                                  texts::Language language) {
    const std::string speed = texts::compareText(CompareText::SpeedRow, language);
    std::vector<std::string> mapRows{speed};
    for (int tps : kTpsBreakpoints) mapRows.push_back("TPS " + std::to_string(tps) + " %");
    std::vector<ComparisonGrid> out;
    out.push_back(emptyGrid(texts::pageName(WindowPage::AdvanceMap, language), mapRows));
    out.push_back(emptyGrid(texts::pageName(WindowPage::Servo, language),
                            {speed, texts::compareText(CompareText::VoltageRow, language)}));

    for (const IgnValue& v : ignValues()) {
        const GridCell at = gridCellOfByte(v.byte);
        if (at.grid == Grid::None) continue;
        ComparisonGrid& grid = out[at.grid == Grid::AdvanceMap ? 0 : 1];
        ComparisonGridCell& cell =
            grid.cells[static_cast<std::size_t>(at.row)][static_cast<std::size_t>(at.column)];
        const long a = shown(v, window), b = shown(v, other);
        cell.differs = a != b;
        cell.text = cell.differs ? number(a) + std::string(kArrow) + number(b) : number(a);
    }
    return out;
}

std::vector<DifferenceGroup> groups(const Image& window, const Image& other,
                                    texts::Language language) {
    const std::vector<ImageDifference> differences = DiffImages(window, other);
    std::vector<DifferenceGroup> out;
    for (WindowPage page : kPageOrder) {
        DifferenceGroup group{texts::pageName(page, language), {}};
        for (const ImageDifference& d : differences) {
            if (d.page != page) continue;
            const IgnValue* v = ignValue(d.key, d.index);
            group.rows.push_back({texts::settingName(d.key, d.index, language, window),
                                  number(v ? shown(*v, window) : d.a),
                                  number(v ? shown(*v, other) : d.b)});
        }
        if (!group.rows.empty()) out.push_back(std::move(group));
    }
    return out;
}

CompareText operationText(RestoreOperation operation) {
    switch (operation) {
        case RestoreOperation::Read:
            return CompareText::OperationRead;
        case RestoreOperation::Program:
            return CompareText::OperationProgram;
        case RestoreOperation::BeforeProgram:
            break;
    }
    return CompareText::OperationBeforeProgram;
}

}  // namespace

ComparisonModel comparisonModel(const Image& window, const Image& other, ComparedWith side,
                                texts::Language language, std::string_view fileName) {
    const auto text = [language](CompareText t) { return texts::compareText(t, language); };
    const bool unit = side == ComparedWith::Unit;
    ComparisonModel m;
    m.title = text(unit ? CompareText::CompareWithUnitTitle : CompareText::CompareWithFileTitle);
    if (!unit && !fileName.empty()) m.title += " – " + std::string(fileName);
    m.settingHeader = text(CompareText::SettingHeader);
    m.windowHeader = text(CompareText::WindowSide);
    m.otherHeader = text(unit ? CompareText::UnitSide : CompareText::FileSide);
    m.differencesTab = text(CompareText::DifferencesTab);
    m.groups = groups(window, other, language);
    std::size_t count = 0;
    for (const DifferenceGroup& g : m.groups) count += g.rows.size();
    m.summary = count == 0 ? text(unit ? CompareText::SameAsUnit : CompareText::SameAsFile)
                           : texts::compareText(CompareText::DifferenceCount, language,
                                                std::to_string(count));
    m.legend = text(unit ? CompareText::LegendUnit : CompareText::LegendFile);
    m.grids = grids(window, other, language);
    m.close = text(CompareText::Close);
    if (count == 0) return m;
    m.takeOther = text(unit ? CompareText::TakeUnit : CompareText::TakeFile);
    m.keepWindow = text(CompareText::KeepWindow);
    if (unit) m.programUnit = text(CompareText::ProgramUnit);
    return m;
}

RestorePointListModel restorePointListModel(std::span<const RestorePoint> points,
                                            const std::vector<bool>& same, std::string_view folder,
                                            texts::Language language) {
    const auto text = [language](CompareText t) { return texts::compareText(t, language); };
    RestorePointListModel m;
    m.title = text(CompareText::RestorePointsTitle);
    m.folder = texts::compareText(CompareText::RestorePointsFolder, language, folder);
    m.timeHeader = text(CompareText::DateHeader);
    m.operationHeader = text(CompareText::OperationHeader);
    m.unitHeader = text(CompareText::UnitHeader);
    m.sameHeader = text(CompareText::SameAsWindowHeader);
    m.empty = text(CompareText::NoRestorePoints);
    m.open = text(CompareText::OpenPoint);
    m.close = text(CompareText::Close);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const bool isSame = i < same.size() && same[i];
        m.rows.push_back({dateTimeText(points[i].time), text(operationText(points[i].operation)),
                          points[i].unit, text(isSame ? CompareText::Yes : CompareText::No),
                          isSame});
    }
    return m;
}

}  // namespace tz::presenter
