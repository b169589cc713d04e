#include "link/monitor.h"

#include "link/monitor_fields.h"

namespace tz::link {

std::optional<LiveValues> DecodeMonitorFrame(FrameView frame) {
    if (!IsValidFrame(frame)) return std::nullopt;
    LiveValues v;
    for (const MonitorField& field : AllMonitorFields())
        if (field.inFrame()) field.set(v, DecodeField(field, frame));
    v.running = v.pickupSignal[0] || (v.pickupSignal[1] && (v.errorBits & kPolarityError2) == 0);
    v.versionState =
        v.protocolVersion == kProtocolVersion ? VersionState::Match : VersionState::Mismatch;
    return v;
}

}  // namespace tz::link
