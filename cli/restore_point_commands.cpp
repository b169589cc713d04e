// restore-points: the restore points kept by reads and programs.
#include <ostream>

#include "cli/cli_context.h"
#include "platform/restore_points.h"

namespace tz::cli {

int restorePointsCommand(Context& c) {
    if (!c.args.empty()) {
        c.err << "usage: tz_arko5-cli restore-points\n";
        return kUsage;
    }
    for (const RestorePoint& p : RestorePoints(restorePointDirectory()).list()) {
        c.out << dateTimeText(p.time) << '\t' << operationWord(p.operation) << '\t' << p.unit
              << '\t' << p.path << '\n';
    }
    return kSuccess;
}

}  // namespace tz::cli
