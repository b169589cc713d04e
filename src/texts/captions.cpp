#include "texts/captions.h"

#include <array>
#include <span>
#include <utility>

#include "texts/comparison_texts.h"
#include "texts/live_log_captions.h"
#include "texts/log_view_texts.h"
#include "texts/messages.h"
#include "texts/table_texts.h"

namespace tz::texts {
namespace {

constexpr std::array<std::string_view, kLanguageCount> kLanguageMenuItems{
    "MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"};

constexpr std::string_view kFileNameGap = "       ";

// Collects assignments, taking row texts in one language.
class Writer {
  public:
    explicit Writer(Language language) : language_(language) {}

    void add(std::string_view target, Aspect aspect, std::string text, int item = -1) {
        out_.push_back({target, aspect, std::move(text), item});
    }
    void add(const CaptionRow& row) {
        add(row.target, row.aspect, std::string(translated(row.text, language_)), row.item);
    }
    void add(std::span<const CaptionRow> rows) {
        for (const CaptionRow& row : rows) add(row);
    }
    void add(std::span<const EntryCaptionRow> rows) {
        for (const EntryCaptionRow& row : rows) {
            std::string text = messageText(row.entry, language_);
            text += row.ending;
            add(row.target, Aspect::Caption, std::move(text));
        }
    }
    void check(std::string_view target, bool checked) {
        out_.push_back({target, Aspect::MenuCheck, {}, -1, checked});
    }

    std::vector<CaptionAssignment> take() { return std::move(out_); }

  private:
    Language language_;
    std::vector<CaptionAssignment> out_;
};

void addMessageCaptions(Writer& w, bool connected) {
    if (!connected) w.add(messageFillPlaceholders());
    w.add(graphCheckBoxCaptions());
}

}  // namespace

std::vector<CaptionAssignment> fillCaptions(const CaptionInputs& inputs) {
    const Language language = inputs.language;
    Writer w(language);

    for (std::size_t i = 0; i < kLanguageMenuItems.size(); ++i) {
        w.check(kLanguageMenuItems[i], i == languageIndex(language));
    }

    std::string windowCaption = messageText(Msg::MsgWindowTitle, language);
    windowCaption += kFileNameGap;
    windowCaption += inputs.fileName;
    w.add(kMainWindow, Aspect::WindowCaption, std::move(windowCaption));

    w.add(bannerCaption());
    w.add(menuCaptions());
    w.add(comparisonCaptions());
    w.add(pageCaptions());
    w.add(comboItems());

    const Translations& polarityItems = pickupPolarityItems(inputs.syncMethod);
    for (const CaptionRow& row : pickupPolarityCaptions()) {
        w.add(row);
        w.add(row.target, Aspect::RadioItems, std::string(translated(polarityItems, language)));
    }

    w.add("CheckBoxIgnAll", Aspect::Caption,
          std::string(inputs.cellsSelected ? kIgnAllSelectedCaption
                                           : translated(ignAllCaption(), language)));

    w.add(hints());
    w.add(tableToolCaptions());
    w.add(liveLogCaptions());
    w.add(logViewCaptions());

    if (!inputs.connected) {
        w.add(notConnectedEntryCaptions());
        w.add(notConnectedCaptions());
    }
    w.add(inputGroups());

    addMessageCaptions(w, inputs.connected);
    return w.take();
}

std::vector<CaptionAssignment> notConnectedPlaceholders(Language language) {
    Writer w(language);
    w.add(notConnectedEntryCaptions());
    w.add(notConnectedCaptions());
    w.add(messageFillPlaceholders());
    return w.take();
}

std::vector<CaptionAssignment> fillMessageCaptions(Language language, bool connected) {
    Writer w(language);
    addMessageCaptions(w, connected);
    return w.take();
}

}  // namespace tz::texts
