#include "presenter/captions.h"

#include <algorithm>

#include "design/control_names.h"
#include "presenter/spoken_names.h"
#include "texts/captions.h"
#include "texts/language.h"

namespace tz::presenter {

namespace {

texts::Language languageOf(std::uint8_t index) {
    return texts::languageFromIndex(index).value_or(texts::Language::English);
}

}  // namespace

texts::Language Captions::textLanguage() const {
    return languageOf(language());
}

Captions::Captions(ui::ControlModel& controls, session::Session& session, WindowHost& host,
                   std::function<bool()> cellsSelected)
    : controls_(controls),
      session_(session),
      host_(host),
      cellsSelected_(std::move(cellsSelected)) {}

void Captions::setLanguage(std::uint8_t language) {
    session_.setLanguage(language);
    host_.languageChanged(language);
    fillMessages();
    fillCaptions();
}

void Captions::fillCaptions() {
    const texts::Language language = languageOf(this->language());
    texts::CaptionInputs inputs;
    inputs.language = language;
    inputs.syncMethod = session_.image()[field::SYNC_METHOD];
    inputs.cellsSelected = cellsSelected_();
    // A replay shows values as the unit would.
    inputs.connected = session_.connected() || session_.replaying();
    inputs.fileName = session_.fileName();

    // A combo box keeps its selection while its items are replaced.
    ui::ControlId comboInProgress = ui::kNoControl;
    int comboSelection = -1;
    auto finishCombo = [&] {
        if (comboInProgress != ui::kNoControl)
            controls_.setItemIndex(comboInProgress, comboSelection);
        comboInProgress = ui::kNoControl;
    };

    for (const texts::CaptionAssignment& a : texts::fillCaptions(inputs)) {
        const ui::ControlId target = controls_.id(ui::ControlName{a.target});
        if (a.aspect != texts::Aspect::ComboItem || target != comboInProgress) finishCombo();
        switch (a.aspect) {
            case texts::Aspect::Caption:
            case texts::Aspect::MenuCaption:
            case texts::Aspect::WindowCaption:
                controls_.setCaption(target, a.text);
                break;
            case texts::Aspect::ControlHint:
            case texts::Aspect::MenuHint:
                controls_.setHint(target, a.text);
                break;
            case texts::Aspect::MenuCheck:
                controls_.setChecked(target, a.checked);
                break;
            case texts::Aspect::ComboItem:
                if (comboInProgress != target) {
                    comboInProgress = target;
                    comboSelection = controls_.itemIndex(target);
                }
                controls_.setItem(target, a.item, a.text);
                break;
            case texts::Aspect::RadioItems: {
                const int selected = controls_.itemIndex(target);
                controls_.setItemsFromText(target, a.text);
                controls_.setItemIndex(
                    target,
                    std::min(selected, static_cast<int>(controls_.at(target).items.size()) - 1));
                break;
            }
        }
    }
    finishCombo();
    messages_.fillCaptionEntries(language);
    fillMessages();
    fillSpokenNames(controls_, language);
}

void Captions::fillMessages() {
    const texts::Language language = languageOf(this->language());
    messages_.fillMessages(language);
    for (const texts::CaptionAssignment& a :
         texts::fillMessageCaptions(language, session_.connected() || session_.replaying()))
        controls_.setCaption(controls_.id(ui::ControlName{a.target}), a.text);
}

void Captions::updateWindowTitle() {
    controls_.setCaption(controls_.id(ctl::TFormHlav),
                         messages_[texts::Msg::MsgWindowTitle] + "       " + session_.fileName());
}

}  // namespace tz::presenter
