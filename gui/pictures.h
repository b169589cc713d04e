// The 16 x 16 pictures of the toolbar buttons, drawn rather than loaded.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <string_view>

namespace tz::gui {

// "new", "open", "save", "print", "undo" or "redo"; a null pixmap for any
// other name.
QPixmap drawPicture(std::string_view name);

// The picture as drawn for a disabled button: grey, with a light shadow.
QPixmap greyedPicture(const QPixmap& picture);

// The picture with its greyed variant for the disabled state.
QIcon pictureIcon(std::string_view name);

}  // namespace tz::gui
