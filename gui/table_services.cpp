#include "gui/table_services.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/conversions.h"

namespace tz::gui {

namespace {

// The prompt wraps at this width; the number box holds "-1000.0" at ease.
constexpr int kPromptWidth = 280;
constexpr int kNumberWidth = 90;

}  // namespace

std::string QtClipboard::text() const {
    return QGuiApplication::clipboard()->text().toStdString();
}

void QtClipboard::setText(std::string_view text) {
    QGuiApplication::clipboard()->setText(toQString(text));
}

NumberBox::NumberBox(const NumberRequest& request, QWidget* parent)
    : QDialog(parent), number_(new QDoubleSpinBox(this)) {
    setWindowTitle(toQString(request.title));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(toQString(request.prompt), this);
    prompt->setBuddy(number_);
    prompt->setWordWrap(true);
    prompt->setFixedWidth(kPromptWidth);
    layout->addWidget(prompt);

    number_->setDecimals(request.decimals);
    number_->setRange(request.minimum, request.maximum);
    number_->setValue(request.initial);
    number_->setAlignment(Qt::AlignRight);
    number_->setFixedWidth(kNumberWidth);
    layout->addWidget(number_, 0, Qt::AlignLeft);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(toQString(request.okText));
    buttons->button(QDialogButtonBox::Cancel)->setText(toQString(request.cancelText));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    number_->setFocus(Qt::TabFocusReason);
    number_->selectAll();
}

double NumberBox::value() const {
    // A half-typed number counts as it will be shown once the box is left.
    number_->interpretText();
    return number_->value();
}

std::optional<double> QtNumberDialog::askNumber(const NumberRequest& request) {
    NumberBox box(request, &parent_);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.value();
}

}  // namespace tz::gui
