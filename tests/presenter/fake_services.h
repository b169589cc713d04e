// Plain test doubles of the window's services.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "canvas/recording_canvas.h"
#include "platform/memory_settings.h"
#include "presenter/about_box.h"
#include "presenter/check_dialog.h"
#include "presenter/comparison_dialogs.h"
#include "presenter/services.h"
#include "presenter/table_services.h"

namespace tz::testing {

// The settings in memory, counting how often they were made durable.
class MemorySettings : public MemorySettingsStore {
  public:
    bool flush() override {
        ++flushes;
        return !failFlush;
    }
    int flushes = 0;
    bool failFlush = false;
};

class ScriptedDialogs : public Dialogs {
  public:
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    void showError(std::string_view text) override { errors.emplace_back(text); }
    Answer askYesNoCancel(std::string_view text) override {
        questions.emplace_back(text);
        if (answers.empty()) return Answer::Cancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::size_t askChoice(std::string_view text, const std::vector<std::string>& buttons) override {
        choiceQuestions.push_back({std::string(text), buttons});
        if (choices.empty()) return buttons.size() - 1;
        const std::size_t chosen = choices.front();
        choices.pop_front();
        return chosen;
    }
    std::optional<std::string> openFile(const FileDialogRequest& request) override {
        openRequests.push_back(request);
        return nextPath();
    }
    std::optional<std::string> saveFile(const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return nextPath();
    }

    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> questions;
    std::deque<Answer> answers;
    // The questions of askChoice with their buttons, and the buttons chosen
    // (the last one, cancel, when none is left).
    struct ChoiceQuestion {
        std::string text;
        std::vector<std::string> buttons;
    };
    std::vector<ChoiceQuestion> choiceQuestions;
    std::deque<std::size_t> choices;
    std::deque<std::optional<std::string>> paths;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;

  private:
    std::optional<std::string> nextPath() {
        if (paths.empty()) return std::nullopt;
        std::optional<std::string> p = paths.front();
        paths.pop_front();
        return p;
    }
};

// The settings check's dialog: what it was shown, and the user's scripted
// choices (program anyway when none is left, as the window did before it
// asked).
class ScriptedCheckDialogs : public presenter::CheckDialogs {
  public:
    presenter::CheckChoice showCheck(const presenter::CheckModel& model) override {
        shown.push_back(model);
        if (choices.empty()) return {presenter::CheckChoice::Action::ProgramAnyway};
        const presenter::CheckChoice choice = choices.front();
        choices.pop_front();
        return choice;
    }

    std::vector<presenter::CheckModel> shown;
    std::deque<presenter::CheckChoice> choices;
};

// The comparison dialogs: what they were shown, and the user's scripted
// answers (keep the window's values, open nothing, No, when none is left).
class ScriptedComparisonDialogs : public presenter::ComparisonDialogs {
  public:
    presenter::ComparisonChoice showComparison(const presenter::ComparisonModel& model) override {
        comparisons.push_back(model);
        return next(choices, presenter::ComparisonChoice::KeepWindow);
    }
    std::optional<std::size_t> chooseRestorePoint(
        const presenter::RestorePointListModel& model) override {
        restorePointLists.push_back(model);
        return next(chosenPoints, std::optional<std::size_t>{});
    }
    bool askYesNo(std::string_view text) override {
        questions.emplace_back(text);
        return next(answers, false);
    }

    std::vector<presenter::ComparisonModel> comparisons;
    std::vector<presenter::RestorePointListModel> restorePointLists;
    std::vector<std::string> questions;
    std::deque<presenter::ComparisonChoice> choices;
    std::deque<std::optional<std::size_t>> chosenPoints;
    std::deque<bool> answers;

  private:
    template <typename T>
    static T next(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) return otherwise;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

class HeldKeys : public Keyboard {
  public:
    Modifiers modifiers() const override { return held; }
    Modifiers held;
};

class FakeHost : public WindowHost {
  public:
    void closeWindow() override { ++closeRequests; }
    int screenWidth() const override { return width; }
    int screenHeight() const override { return height; }

    int closeRequests = 0;
    int width = 1920;
    int height = 1080;
};

class RecordingPrinter : public Printer {
  public:
    std::optional<std::string> printWindowImage() override {
        jobs.push_back(onPrint ? onPrint() : "");
        return failure;
    }
    // Called at each job, to look at the window as it is printed.
    std::function<std::string()> onPrint;
    std::vector<std::string> jobs;
    std::optional<std::string> failure;
};

class FakeDesktop : public Desktop {
  public:
    bool openDocument(const std::string& fileName) override {
        opened.push_back(fileName);
        return viewerWorks;
    }
    void showAbout(const AboutContent& content) override {
        aboutCaptions.push_back(content.caption);
    }

    std::vector<std::string> opened;
    std::vector<std::string> aboutCaptions;
    bool viewerWorks = true;
};

class FixedClock : public Clock {
  public:
    std::string shortDate() const override { return "10.12.2026"; }
    std::string longTime() const override { return "04:30:00"; }
    std::time_t now() const override { return time; }
    std::time_t time = 1'796'877'000;  // in December 2026
};

// Surfaces that draw into a recording canvas of a fixed size.
class RecordedSurfaces : public Surfaces {
  public:
    void paint(ui::ControlId surface, const std::function<void(graphs::Canvas&)>& draw) override {
        graphs::RecordingCanvas canvas(width, height);
        draw(canvas);
        ++paints[surface];
        last[surface] = canvas.calls().size();
        lastCalls[surface] = canvas.calls();
    }
    void movePointer(ui::ControlId surface, int x, int y) override {
        pointerMoves.push_back({surface, x, y});
    }

    int width = 600;
    int height = 400;
    std::map<ui::ControlId, int> paints;
    std::map<ui::ControlId, std::size_t> last;
    std::map<ui::ControlId, std::vector<graphs::DrawCall>> lastCalls;
    struct Move {
        ui::ControlId surface;
        int x, y;
    };
    std::vector<Move> pointerMoves;
};

// A clipboard that is a string.
class FakeClipboard : public Clipboard {
  public:
    std::string text() const override { return content; }
    void setText(std::string_view text) override { content = text; }
    std::string content;
};

// Number dialogs answered from a script; a cancel when it has run out.
class ScriptedNumbers : public NumberDialog {
  public:
    std::optional<double> askNumber(const NumberRequest& request) override {
        requests.push_back(request);
        if (answers.empty()) return std::nullopt;
        const std::optional<double> a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<std::optional<double>> answers;
    std::vector<NumberRequest> requests;
};

}  // namespace tz::testing
