#include "gui/check_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/conversions.h"

namespace tz::gui {

using presenter::CheckChoice;

CheckDialog::CheckDialog(const presenter::CheckModel& model, QWidget* parent) : QDialog(parent) {
    setWindowTitle(toQString(model.title));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(toQString(model.note), this);
    note->setWordWrap(true);
    layout->addWidget(note);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("findings"));
    list_->setWordWrap(true);
    for (const std::string& finding : model.findings) list_->addItem(toQString(finding));
    layout->addWidget(list_, 1);

    auto* buttons = new QHBoxLayout;
    const auto add = [&](const std::string& caption, const char* name) {
        auto* button = new QPushButton(toQString(caption), this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        buttons->addWidget(button);
        return button;
    };
    auto* goTo = add(model.goToCell, "goToCell");
    buttons->addStretch(1);
    auto* program = add(model.programAnyway, "programAnyway");
    auto* cancel = add(model.cancel, "cancel");
    // Cancel is what Enter and Esc do: programming needs a deliberate click.
    cancel->setDefault(true);
    layout->addLayout(buttons);

    connect(list_, &QListWidget::itemSelectionChanged, this,
            [this, goTo] { goTo->setEnabled(!list_->selectedItems().isEmpty()); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { goToSelected(); });
    connect(goTo, &QPushButton::clicked, this, [this] { goToSelected(); });
    connect(program, &QPushButton::clicked, this, [this] {
        choice_.action = CheckChoice::Action::ProgramAnyway;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    if (list_->count() > 0) list_->setCurrentRow(0);
    resize(620, 360);
}

void CheckDialog::goToSelected() {
    const int row = list_->currentRow();
    if (row < 0) return;
    choice_ = {CheckChoice::Action::GoTo, static_cast<std::size_t>(row)};
    accept();
}

CheckChoice QtCheckDialogs::showCheck(const presenter::CheckModel& model) {
    CheckDialog dialog(model, &parent_);
    dialog.exec();
    return dialog.choice();
}

}  // namespace tz::gui
