// restore-points: the restore points kept by reads and programs.
#include <cstdio>
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
        char when[32];
        std::snprintf(when, sizeof when, "%04d-%02d-%02d %02d:%02d:%02d", p.time.year, p.time.month,
                      p.time.day, p.time.hour, p.time.minute, p.time.second);
        c.out << when << '\t' << operationWord(p.operation) << '\t' << p.unit << '\t' << p.path
              << '\n';
    }
    return kSuccess;
}

}  // namespace tz::cli
