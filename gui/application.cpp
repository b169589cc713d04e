#include "gui/application.h"

#include <QCoreApplication>
#include <QDir>
#include <QPalette>

#include "platform/config_paths.h"
#include "platform/restore_points.h"

namespace tz::gui {

ApplicationPaths defaultPaths() {
    const QString programDir = QCoreApplication::applicationDirPath();
    ApplicationPaths paths;
    paths.unmadeFolder = ensureConfigDirectory().value_or("");
    paths.settingsFile = settingsFilePath();
    paths.savedImageFile = savedImageFilePath();
    paths.testModeMarker = testModeMarkerPath();
    paths.programDirectory = programDir.toStdString();
    paths.restorePoints = restorePointDirectory();
    paths.manualDirectories = {QDir::currentPath().toStdString(), programDir.toStdString(),
                               QDir(programDir + QStringLiteral("/../share/tz_arko5/manuals"))
                                   .absolutePath()
                                   .toStdString()};
    return paths;
}

Application::Application(const ApplicationPaths& paths, std::vector<std::string> arguments,
                         Dialogs* dialogs, presenter::ComparisonDialogs* comparisonDialogs,
                         presenter::CheckDialogs* checkDialogs)
    : unmadeFolder_(paths.unmadeFolder),
      messageDialogs_(dialogs ? dialogs : &dialogs_),
      settings_(paths.settingsFile),
      dialogs_(window_),
      comparisonDialogs_(window_),
      checkDialogs_(window_),
      host_(window_),
      desktop_(window_),
      printer_([this]() -> QWidget* {
          if (!binding_) return nullptr;
          binding_->sync();
          return binding_->widget(0);
      }),
      surfaces_([this] { return binding_.get(); }),
      numbers_(window_),
      logic_(presenter::WindowServices{settings_,
                                       dialogs ? *dialogs : dialogs_,
                                       keyboard_,
                                       host_,
                                       printer_,
                                       desktop_,
                                       clock_,
                                       surfaces_,
                                       clipboard_,
                                       numbers_,
                                       paths.savedImageFile,
                                       paths.testModeMarker,
                                       paths.manualDirectories,
                                       {QtSerialPortFactory(), link::SystemPortTable,
                                        paths.programDirectory, session::SteadyMilliseconds,
                                        paths.restorePoints},
                                       paths.portIndex,
                                       logs::OpenLogFile,
                                       comparisonDialogs ? comparisonDialogs : &comparisonDialogs_,
                                       checkDialogs ? checkDialogs : &checkDialogs_},
             std::move(arguments)) {
    host_.setRestyle([this] {
        window_.setPalette(QPalette());
        if (binding_) binding_->mirrorEverything();
    });
    logic_.FormCreate();
    binding_ = std::make_unique<ControlBinding>(logic_.controls(), logic_, window_);
    // Now that the surfaces exist, the layout draws the grid overlay on them.
    logic_.refreshLayout();
    binding_->sync();
}

void Application::show() {
    window_.show();
    binding_->start();
    logic_.openCommandLineFile();
    binding_->sync();
    if (!unmadeFolder_.empty())
        messageDialogs_->showError(logic_.captions().messages()[texts::Msg::MsgFolderNotMade] +
                                   unmadeFolder_);
}

}  // namespace tz::gui
