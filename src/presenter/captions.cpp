// Writing the texts of the current language into the window.
#include "texts/captions.h"
#include "presenter/main_window.h"
#include "texts/language.h"

namespace tz {

namespace {

texts::Language languageOf(std::uint8_t index) {
    return texts::languageFromIndex(index).value_or(texts::Language::English);
}

}  // namespace

void MainWindow::SetLanguage(std::uint8_t language) {
    params_.outside.language = language;
    services_.host.languageChanged(language);
    FillMessages();
    FillCaptions();
    ShowImage();
}

void MainWindow::FillCaptions() {
    const texts::Language language = languageOf(params_.outside.language);
    texts::CaptionInputs inputs;
    inputs.language = language;
    inputs.syncMethod = params_.image[field::SYNC_METHOD];
    inputs.cellsSelected = graphArea_->selection().state != editing::BandState::Empty;
    inputs.connected = connected();
    inputs.fileName = files_.current;

    // A combo box keeps its selection while its items are replaced.
    ui::ControlId comboInProgress = ui::kNoControl;
    int comboSelection = -1;
    auto finishCombo = [&] {
        if (comboInProgress != ui::kNoControl)
            controls_.setItemIndex(comboInProgress, comboSelection);
        comboInProgress = ui::kNoControl;
    };

    for (const texts::CaptionAssignment& a : texts::fillCaptions(inputs)) {
        const ui::ControlId target = controls_.find(a.target);
        if (target == ui::kNoControl) continue;  // a control created with a later view
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
    FillMessages();
}

void MainWindow::FillMessages() {
    const texts::Language language = languageOf(params_.outside.language);
    messages_.fillMessages(language);
    for (const texts::CaptionAssignment& a : texts::fillMessageCaptions(language, connected())) {
        const ui::ControlId target = controls_.find(a.target);
        if (target != ui::kNoControl) controls_.setCaption(target, a.text);
    }
}

void MainWindow::updateWindowCaption() {
    controls_.setCaption(id("TFormHlav"),
                         messages_[texts::Msg::MsgWindowTitle] + "       " + files_.current);
}

}  // namespace tz
