// The contents of the comparison and restore point dialogs, made from the
// images and restore points in the window's language.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "params/image.h"
#include "platform/restore_points.h"
#include "presenter/comparison_dialogs.h"
#include "texts/language.h"

namespace tz::presenter {

enum class ComparedWith { Unit, File };

// The differences between the window's image and the other side's
// (DiffImages, the window as A), grouped by the window's pages in tab order
// with the bytes no page shows last, named with the window's RPM axis, each
// value in the units of the window's edit box where it has one (else as the
// .ign file writes it); the advance map and the servo curve as grids with
// the differing cells marked.
// `fileName` goes into the title of a file comparison.
ComparisonModel comparisonModel(const Image& window, const Image& other, ComparedWith side,
                                texts::Language language, std::string_view fileName = {});

// The restore points, newest first; `same[i]` tells whether point i holds
// the window's settings.
RestorePointListModel restorePointListModel(std::span<const RestorePoint> points,
                                            const std::vector<bool>& same, std::string_view folder,
                                            texts::Language language);

}  // namespace tz::presenter
