#include "gui/control_binding.h"

#include <QApplication>
#include <QMainWindow>
#include <QPalette>
#include <QStatusBar>
#include <QTabWidget>
#include <algorithm>

#include "gui/control_widgets.h"
#include "gui/hint_tracker.h"
#include "gui/menu_binding.h"
#include "gui/page_keys.h"
#include "gui/status_bar.h"
#include "gui/termination.h"
#include "gui/widget_factory.h"
#include "gui/widget_mirror.h"
#include "gui/window_frame.h"

namespace tz::gui {

namespace {

constexpr int kTickMilliseconds = 55;

bool isMenuKind(ui::Kind kind) {
    return kind == ui::Kind::Menu || kind == ui::Kind::MenuItem || kind == ui::Kind::MenuSeparator;
}

// The next widget after `from` that tabbing would reach.
QWidget* nextInTabChain(QWidget& from) {
    for (QWidget* w = from.nextInFocusChain(); w != nullptr && w != &from;
         w = w->nextInFocusChain()) {
        if (w->window() == from.window() && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus) != 0 && w->focusProxy() == nullptr)
            return w;
    }
    return nullptr;
}

}  // namespace

ControlBinding::ControlBinding(ui::ControlModel& model, UiEvents& events, QMainWindow& window)
    : model_(model), events_(events), window_(window) {
    frame_ = std::make_unique<WindowFrame>(
        window, WindowFrame::Hooks{[this] { onClosing(); },
                                   [this](int delta, Modifiers modifiers) {
                                       events_.mouseWheel(delta, modifiers);
                                       sync();
                                   },
                                   [this](ui::Rect outer) {
                                       if (windowId_ != ui::kNoControl)
                                           model_.userSetBounds(windowId_, outer);
                                   },
                                   [this] { return onCloseRequested(); }});
    hints_ = std::make_unique<HintTracker>(model_, [this](const std::string& hint) {
        events_.hintChanged(hint);
        sync();
    });
    UserInput& input = *this;
    menus_ = std::make_unique<MenuBinding>(window, model_, accessKeys_, input, *hints_, *this);
    installPageKeys(window, [this] { return pagesForKeys(); });
    timer_.setInterval(kTickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &ControlBinding::onTick);
    sync();
}

ControlBinding::~ControlBinding() = default;

void ControlBinding::start() {
    timer_.start();
}

QWidget* ControlBinding::widget(ui::ControlId id) const {
    return id >= 0 && id < static_cast<int>(widgets_.size())
               ? widgets_[static_cast<std::size_t>(id)]
               : nullptr;
}

QAction* ControlBinding::action(ui::ControlId id) const {
    return menus_->action(id);
}

CanvasWidget* ControlBinding::canvas(ui::ControlId id) const {
    QWidget* w = widget(id);
    return w != nullptr && model_.at(id).kind == ui::Kind::Canvas ? static_cast<CanvasWidget*>(w)
                                                                  : nullptr;
}

void ControlBinding::sync() {
    if (syncing_) {
        // An event delivered while mirroring (a hint, a focus change): the
        // outer sync goes round once more.
        resync_ = true;
        return;
    }
    syncing_ = true;
    do {
        resync_ = false;
        const std::uint32_t since = syncedRevision_;
        if (model_.revision() == since) break;
        syncedRevision_ = model_.revision();

        quiet_ = true;
        hints_->hold(true);
        createNewControls();
        // A menu caption can take an access key from, or give it back to,
        // any other control: then every caption is shown again.
        const bool everyCaption = menusChangedSince(since) && accessKeys_.update(model_);
        bool contentMoved = false;
        for (ui::ControlId id = 0; id < model_.size(); ++id) {
            if (!everyCaption && model_.at(id).revision <= since) continue;
            mirror(id);
            contentMoved = contentMoved || id == windowId_ || model_.at(id).parent == windowId_;
        }
        if (contentMoved) fitClientToContent();
        hints_->hold(false);
        quiet_ = false;

        applyFocusRequest();
        hints_->refresh();
    } while (resync_);
    syncing_ = false;
}

void ControlBinding::mirrorEverything() {
    quiet_ = true;
    // Colours a widget was given in the old palette would stay: every widget
    // takes the new one whole before its own colours are set again.
    for (QWidget* w : widgets_)
        if (w != nullptr) w->setPalette(QPalette());
    for (ui::ControlId id = 0; id < model_.size(); ++id) mirror(id);
    quiet_ = false;
    fitClientToContent();
}

bool ControlBinding::menusChangedSince(std::uint32_t revision) const {
    for (ui::ControlId id = 0; id < model_.size(); ++id) {
        const ui::Control& c = model_.at(id);
        if (c.revision > revision && isMenuKind(c.kind)) return true;
    }
    return false;
}

void ControlBinding::createNewControls() {
    const auto first = static_cast<ui::ControlId>(widgets_.size());
    if (first == model_.size()) return;
    widgets_.resize(static_cast<std::size_t>(model_.size()), nullptr);
    // New controls under existing parents start new subtrees; the rest are
    // created with their parents.
    std::vector<ui::ControlId> roots;
    for (ui::ControlId id = first; id < model_.size(); ++id) {
        if (model_.at(id).parent < first) roots.push_back(id);
    }
    for (const ui::ControlId root : roots) createSubtree(root);
}

void ControlBinding::createSubtree(ui::ControlId id) {
    create(id);
    // Creation order is Qt's tab order: siblings go by their tab order, the
    // pages of a page control keep theirs.
    std::vector<ui::ControlId> children = model_.children(id);
    if (model_.at(id).kind != ui::Kind::PageControl) {
        std::stable_sort(children.begin(), children.end(),
                         [this](ui::ControlId a, ui::ControlId b) {
                             return model_.at(a).tabOrder < model_.at(b).tabOrder;
                         });
    }
    for (const ui::ControlId child : children) createSubtree(child);
}

void ControlBinding::create(ui::ControlId id) {
    const ui::Control& c = model_.at(id);
    if (isMenuKind(c.kind)) {
        menus_->create(id);
        return;
    }
    QWidget* created = nullptr;
    if (c.kind == ui::Kind::Window) {
        if (windowId_ != ui::kNoControl) return;
        windowId_ = id;
        created = &frame_->client();
    } else if (c.kind == ui::Kind::StatusBar) {
        created = window_.statusBar();
    } else {
        QWidget* parent = c.parent == ui::kNoControl ? &frame_->client() : widget(c.parent);
        if (parent == nullptr) return;
        created = createWidget(id, c, *parent, *this, *this);
    }
    if (created == nullptr) return;
    widgets_[static_cast<std::size_t>(id)] = created;
    hints_->watch(*created, id);
}

void ControlBinding::mirror(ui::ControlId id) {
    const ui::Control& c = model_.at(id);
    if (isMenuKind(c.kind)) {
        menus_->mirror(c, id);
        return;
    }
    QWidget* w = widget(id);
    if (w == nullptr) return;
    if (c.kind == ui::Kind::Window) {
        frame_->mirror(c);
    } else if (c.kind == ui::Kind::StatusBar) {
        mirrorStatusBar(c, static_cast<QStatusBar&>(*w), [this, id](int panel) {
            events_.panelClicked(id, panel);
            sync();
        });
    } else {
        mirrorWidget(c, *w, accessKeys_);
    }
}

void ControlBinding::fitClientToContent() {
    QSize size;
    for (const ui::ControlId id : model_.children(windowId_)) {
        const ui::Control& c = model_.at(id);
        if (!c.visible || c.kind == ui::Kind::StatusBar || isMenuKind(c.kind)) continue;
        size = size.expandedTo({c.bounds.right(), c.bounds.bottom()});
    }
    frame_->setContentSize(size);
}

QTabWidget* ControlBinding::pagesForKeys() const {
    const QWidget* focus = QApplication::focusWidget();
    QTabWidget* first = nullptr;
    QTabWidget* holdingFocus = nullptr;
    for (ui::ControlId id = 0; id < model_.size(); ++id) {
        if (model_.at(id).kind != ui::Kind::PageControl) continue;
        auto* tabs = static_cast<QTabWidget*>(widget(id));
        if (tabs == nullptr || !tabs->isVisible()) continue;
        if (first == nullptr) first = tabs;
        // Page controls inside pages come after their parents.
        if (focus != nullptr && tabs->isAncestorOf(focus)) holdingFocus = tabs;
    }
    return holdingFocus != nullptr ? holdingFocus : first;
}

void ControlBinding::applyFocusRequest() {
    if (model_.focusRequestRevision() == focusRevision_) return;
    focusRevision_ = model_.focusRequestRevision();
    QWidget* target = widget(model_.focusRequest());
    if (target != nullptr && model_.focusRequestIsNext()) target = nextInTabChain(*target);
    // Tab focus selects the whole text of an edit box, ready to be replaced.
    if (target != nullptr) target->setFocus(Qt::TabFocusReason);
}

void ControlBinding::onTick() {
    events_.tick();
    sync();
}

bool ControlBinding::onCloseRequested() {
    // Asked while another modal dialog waits, or after a signal closed one,
    // the user cannot answer.
    const bool close = events_.closeRequested(QApplication::activeModalWidget() == nullptr &&
                                              !closingUnattended());
    sync();
    return close;
}

void ControlBinding::onClosing() {
    timer_.stop();
    events_.closing();
}

void ControlBinding::textEdited(ui::ControlId edit, const QString& text) {
    if (!quiet_) model_.userSetText(edit, text.toStdString());
}

bool ControlBinding::keyPressed(ui::ControlId edit, const KeyPress& key) {
    if (quiet_) return false;
    const bool consumed = events_.keyPressed(edit, key);
    sync();
    return consumed;
}

void ControlBinding::editEntered(ui::ControlId edit, FocusCause cause) {
    if (quiet_) return;
    events_.editEntered(edit, cause);
    sync();
}

void ControlBinding::editExited(ui::ControlId edit) {
    if (quiet_) return;
    events_.editExited(edit);
    sync();
}

void ControlBinding::upDownStepped(ui::ControlId upDown, int direction) {
    if (quiet_) return;
    model_.userStepUpDown(upDown, direction);
    events_.upDownClicked(upDown, direction);
    sync();
}

void ControlBinding::checkToggled(ui::ControlId checkBox, bool checked) {
    if (!quiet_) model_.userSetChecked(checkBox, checked);
}

void ControlBinding::checkReleased(ui::ControlId checkBox) {
    if (quiet_) return;
    events_.checkBoxReleased(checkBox);
    sync();
}

void ControlBinding::radioClicked(ui::ControlId radioGroup, int index) {
    // Clicking the item that is already selected changes nothing.
    if (quiet_ || index == model_.itemIndex(radioGroup)) return;
    model_.userSetItemIndex(radioGroup, index);
    events_.radioClicked(radioGroup, index);
    sync();
}

void ControlBinding::comboActivated(ui::ControlId comboBox, int index) {
    if (quiet_ || index == model_.itemIndex(comboBox)) return;
    model_.userSetItemIndex(comboBox, index);
    events_.comboChanged(comboBox, index);
    sync();
}

void ControlBinding::clicked(ui::ControlId control) {
    if (quiet_) return;
    events_.clicked(control);
    sync();
}

void ControlBinding::spinClicked(ui::ControlId spinButton, int direction) {
    if (quiet_) return;
    events_.spinClicked(spinButton, direction);
    sync();
}

void ControlBinding::pageChanged(ui::ControlId pageControl, int index) {
    if (quiet_) return;
    model_.userSetItemIndex(pageControl, index);
    events_.pageChanged(pageControl, index);
    sync();
}

void ControlBinding::trackBarMoved(ui::ControlId trackBar, int position) {
    if (quiet_) return;
    model_.userSetPosition(trackBar, position);
    events_.trackBarChanged(trackBar, position);
    sync();
}

void ControlBinding::canvasMouse(ui::ControlId surface, const PointerEvent& event) {
    events_.canvasMouse(surface, event);
    sync();
}

void ControlBinding::contextMenuRequested(ui::ControlId control, const QPoint& globalPos) {
    if (quiet_) return;
    // The logic brings the items up to date before the menu shows them.
    events_.contextMenuOpening(control);
    sync();
    menus_->popup(model_.at(control).contextMenu, globalPos);
}

}  // namespace tz::gui
