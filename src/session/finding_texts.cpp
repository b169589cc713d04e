#include "session/finding_texts.h"

#include "texts/check_texts.h"
#include "texts/setting_names.h"

namespace tz::session {

using editing::FindingKind;
using texts::CheckText;

std::string findingText(const editing::SettingsFinding& f, const editing::CheckLimits& limits,
                        texts::Language language, const Image& image) {
    const auto n = [](int v) { return std::to_string(v); };
    const std::string name = texts::settingName(f.key, f.index, language, image);
    const auto text = [&](CheckText t, std::initializer_list<std::string_view> values) {
        return texts::checkText(t, language, values);
    };
    switch (f.kind) {
        case FindingKind::StepAcross:
            return text(CheckText::StepAcross, {n(f.row), n(f.column), n(f.otherColumn), n(f.value),
                                                n(f.other), n(limits.maxAdvanceStep)});
        case FindingKind::StepDown:
            return text(CheckText::StepDown, {n(f.column), n(f.row), n(f.otherRow), n(f.value),
                                              n(f.other), n(limits.maxAdvanceStep)});
        case FindingKind::CellAtTop:
            return text(CheckText::CellAtTop, {n(f.row), n(f.column), n(f.value)});
        case FindingKind::RpmAxisNotRising:
            return text(CheckText::RpmAxisNotRising, {n(f.column), n(f.value), n(f.other)});
        case FindingKind::ServoAxisNotRising:
            return text(CheckText::ServoAxisNotRising, {n(f.column), n(f.value), n(f.other)});
        case FindingKind::LimiterBelowMap:
        case FindingKind::StartLimiterBelowMap:
            return text(CheckText::LimiterBelowMap, {name, n(f.value), n(f.other)});
        case FindingKind::ServoBelowMap:
            return text(CheckText::ServoBelowMap, {n(f.column), n(f.value), n(f.other)});
        case FindingKind::RetardPastTdc:
            return text(CheckText::RetardPastTdc, {name, n(f.value), n(f.other)});
        case FindingKind::LobeSettingZero:
            return text(CheckText::SettingZero, {name});
    }
    return name;
}

}  // namespace tz::session
