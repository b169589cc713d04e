#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "design/window_design.h"
#include "designed_window.h"
#include "text_width.h"
#include "texts/captions.h"

namespace tz::design {
namespace {

using testing::designedWindow;
using testing::textWidth;
using ui::Control;
using ui::ControlId;
using ui::Kind;

// Room the toolkit's decoration takes besides the text.
constexpr int kCheckMark = 20;
constexpr int kFrame = 16;  // a group's caption sits inside its frame
constexpr int kButtonMargin = 12;
constexpr int kComboArrow = 24;
constexpr int kRadioMark = 24;
constexpr int kCaptionLine = 16;  // children of a captioned group start below it

bool isMenu(Kind kind) {
    return kind == Kind::Menu || kind == Kind::MenuItem || kind == Kind::MenuSeparator;
}

ui::Rect clientOf(const ui::ControlModel& m, ControlId parent) {
    const Control& p = m.at(parent);
    if (p.kind == Kind::Window) return {0, 0, kClientWidth, kClientHeight};
    return {0, 0, p.bounds.width, p.bounds.height};
}

bool sharesRows(const ui::Rect& a, const ui::Rect& b) {
    return a.top < b.bottom() && b.top < a.bottom();
}

// How far a label whose width follows its text may grow: up to the nearest
// sibling right of it in the same rows, or the parent's edge.
int roomOfAutoSizeLabel(const ui::ControlModel& m, ControlId id) {
    const Control& label = m.at(id);
    int limit = clientOf(m, label.parent).width;
    for (ControlId other : m.children(label.parent)) {
        const ui::Rect& b = m.at(other).bounds;
        if (other != id && b.left > label.bounds.left && sharesRows(label.bounds, b)) {
            limit = std::min(limit, b.left);
        }
    }
    return limit - label.bounds.left;
}

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> result;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        result.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return result;
        start = end + 1;
    }
}

// Whether a caption fits its control; a message naming both when it does
// not.
std::string captionMisfit(const ui::ControlModel& m, ControlId id, std::string_view text) {
    const Control& c = m.at(id);
    if (text.empty()) return {};
    const int w = textWidth(text, c.font);
    int room = c.bounds.width;
    int need = w;
    switch (c.kind) {
        case Kind::Label:
            if (c.wordWrap) {
                need =
                    testing::wrappedLines(text, c.bounds.width, c.font) * (c.font.pixelHeight + 2);
                room = c.bounds.height;
            } else if (c.autoSize) {
                room = roomOfAutoSizeLabel(m, id);
            }
            break;
        case Kind::CheckBox:
            need = w + kCheckMark;
            break;
        case Kind::RadioGroup:
        case Kind::GroupBox:
            need = w + kFrame;
            break;
        case Kind::Button:
            need = w + kButtonMargin;
            break;
        default:
            return {};
    }
    if (need <= room) return {};
    return c.name + ": \"" + std::string(text) + "\" needs " + std::to_string(need) + " of " +
           std::to_string(room);
}

std::string itemMisfit(const Control& c, std::string_view item) {
    const int room = c.kind == Kind::ComboBox ? c.bounds.width - kComboArrow
                                              : (c.bounds.width - 8) / c.columns - kRadioMark;
    const int need = textWidth(item, c.font);
    if (need <= room) return {};
    return c.name + ": item \"" + std::string(item) + "\" needs " + std::to_string(need) + " of " +
           std::to_string(room);
}

TEST(Layout, EveryLanguageFitsItsControls) {
    const ui::ControlModel& m = designedWindow();
    for (texts::Language language : texts::kAllLanguages) {
        texts::CaptionInputs inputs;
        inputs.language = language;
        std::vector<texts::CaptionAssignment> all = texts::fillCaptions(inputs);
        for (texts::CaptionAssignment& a : texts::fillMessageCaptions(language, false)) {
            all.push_back(std::move(a));
        }
        for (const texts::CaptionAssignment& a : all) {
            const ControlId id = m.find(a.target);
            if (id == ui::kNoControl) continue;  // the graph area, built at start-up
            switch (a.aspect) {
                case texts::Aspect::Caption:
                    EXPECT_EQ(captionMisfit(m, id, a.text), "");
                    break;
                case texts::Aspect::ComboItem:
                case texts::Aspect::RadioItems:
                    for (std::string_view item : lines(a.text)) {
                        EXPECT_EQ(itemMisfit(m.at(id), item), "");
                    }
                    break;
                default:
                    break;
            }
        }
    }
}

// The run-time Power Out page takes its geometry from fixed formulas.
TEST(Layout, DesignedTextsFitTheirControls) {
    ui::ControlModel m;
    buildWindowDesign(m);
    for (ControlId id = 0; id < m.size(); ++id) {
        const Control& c = m.at(id);
        EXPECT_EQ(captionMisfit(m, id, c.caption), "");
        if (c.kind == Kind::ComboBox || c.kind == Kind::RadioGroup) {
            for (const std::string& item : c.items) EXPECT_EQ(itemMisfit(c, item), "");
        }
    }
}

TEST(Layout, ControlsStayInsideTheirParents) {
    const ui::ControlModel& m = designedWindow();
    for (ControlId id = 0; id < m.size(); ++id) {
        const Control& c = m.at(id);
        if (c.parent == ui::kNoControl || isMenu(c.kind)) continue;
        const Control& parent = m.at(c.parent);
        const ui::Rect client = clientOf(m, c.parent);
        const int top = parent.kind == Kind::GroupBox && !parent.caption.empty() ? kCaptionLine : 0;
        EXPECT_TRUE(c.bounds.left >= 0 && c.bounds.top >= top && c.bounds.right() <= client.width &&
                    c.bounds.bottom() <= client.height)
            << c.name << " in " << parent.name;
    }
}

// Separator lines cross each other and the pages share their place.
TEST(Layout, SiblingsDoNotOverlap) {
    const ui::ControlModel& m = designedWindow();
    const auto placed = [&](ControlId id) {
        const Kind kind = m.at(id).kind;
        return !isMenu(kind) && kind != Kind::Bevel && kind != Kind::TabSheet &&
               kind != Kind::Window;
    };
    for (ControlId parent = 0; parent < m.size(); ++parent) {
        const std::vector<ControlId>& children = m.children(parent);
        for (std::size_t i = 0; i < children.size(); ++i) {
            if (!placed(children[i])) continue;
            const ui::Rect& a = m.at(children[i]).bounds;
            for (std::size_t j = i + 1; j < children.size(); ++j) {
                if (!placed(children[j])) continue;
                const ui::Rect& b = m.at(children[j]).bounds;
                const bool overlap = sharesRows(a, b) && a.left < b.right() && b.left < a.right();
                EXPECT_FALSE(overlap)
                    << m.at(children[i]).name << " and " << m.at(children[j]).name;
            }
        }
    }
}

}  // namespace
}  // namespace tz::design
