#include "gui/qt_services.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTranslator>
#include <algorithm>
#include <memory>

#include "gui/app_look.h"
#include "gui/conversions.h"

namespace tz::gui {

namespace {

// Message boxes without a caption of their own carry the product name.
QString title() {
    return QCoreApplication::applicationName();
}

std::optional<std::string> runFileDialog(QWidget& parent, const FileDialogRequest& request,
                                         QFileDialog::AcceptMode mode) {
    QFileDialog dialog(&parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (!request.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters;
    for (const FileFilter& f : request.filters) filters.append(toQtFilter(f));
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const auto index = std::clamp(static_cast<qsizetype>(request.filterIndex), qsizetype{0},
                                      filters.size() - 1);
        dialog.selectNameFilter(filters[index]);
    }
    dialog.setDefaultSuffix(toQString(request.defaultExtension));
    const QString initial = toQString(request.fileName).trimmed();
    if (!initial.isEmpty()) {
        const QFileInfo info(initial);
        if (initial.contains('/') && info.dir().exists()) dialog.setDirectory(info.dir());
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

void QtDialogs::showMessage(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, title(), toQString(text), QMessageBox::Ok, &parent_);
    box.exec();
}

void QtDialogs::showError(std::string_view text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), toQString(text),
                    QMessageBox::Ok, &parent_);
    box.exec();
}

std::size_t QtDialogs::askChoice(std::string_view text, const std::vector<std::string>& buttons) {
    QMessageBox box(QMessageBox::Question, title(), toQString(text), QMessageBox::NoButton,
                    &parent_);
    std::vector<QAbstractButton*> added;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const bool cancel = i + 1 == buttons.size();
        added.push_back(box.addButton(toQString(buttons[i]),
                                      cancel ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    }
    if (!added.empty()) {
        box.setDefaultButton(static_cast<QPushButton*>(added.front()));
        box.setEscapeButton(added.back());
    }
    box.exec();
    const auto chosen = std::find(added.begin(), added.end(), box.clickedButton());
    return chosen == added.end() ? buttons.size() - 1
                                 : static_cast<std::size_t>(chosen - added.begin());
}

Answer QtDialogs::askYesNoCancel(std::string_view text) {
    QMessageBox box(QMessageBox::Question, title(), toQString(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &parent_);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

std::optional<std::string> QtDialogs::openFile(const FileDialogRequest& request) {
    return runFileDialog(parent_, request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtDialogs::saveFile(const FileDialogRequest& request) {
    return runFileDialog(parent_, request, QFileDialog::AcceptSave);
}

Modifiers QtKeyboard::modifiers() const {
    const Qt::KeyboardModifiers keys = QGuiApplication::queryKeyboardModifiers();
    Modifiers m;
    m.leftShift = keys.testFlag(Qt::ShiftModifier);
    m.leftCtrl = keys.testFlag(Qt::ControlModifier);
    m.alt = keys.testFlag(Qt::AltModifier);
    return m;
}

void QtWindowHost::closeWindow() {
    window_.close();
}

int QtWindowHost::screenWidth() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry().width() : 0;
}

int QtWindowHost::screenHeight() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry().height() : 0;
}

QString toQtFilter(const FileFilter& filter) {
    QString description = toQString(filter.description).trimmed();
    if (description.endsWith(')')) {
        if (const qsizetype open = description.lastIndexOf('('); open >= 0)
            description = description.left(open).trimmed();
    }
    QStringList patterns = toQString(filter.pattern).split(';', Qt::SkipEmptyParts);
    for (QString& p : patterns) {
        p = p.trimmed();
        if (p == QStringLiteral("*.*")) p = QStringLiteral("*");
    }
    return description + QStringLiteral(" (") + patterns.join(' ') + ')';
}

bool applyQtTranslations(int languageIndex) {
    static std::unique_ptr<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    static const char* const kFiles[] = {nullptr, "qtbase_de", "qtbase_fr", "qtbase_cs"};
    if (languageIndex < 1 || languageIndex > 3) return languageIndex == 0;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QString::fromLatin1(kFiles[languageIndex]),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    return true;
}

}  // namespace tz::gui

namespace tz::gui {

void QtWindowHost::languageChanged(std::uint8_t language) {
    applyQtTranslations(language);
}

void QtWindowHost::lookChanged(bool desktop) {
    applyApplicationLook(desktop ? Look::Desktop : Look::Designed);
    if (restyle_) restyle_();
}

}  // namespace tz::gui
