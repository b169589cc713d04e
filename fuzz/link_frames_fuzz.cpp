// Arbitrary byte streams from the unit, interleaved with the user's
// commands, through the link cycle: reception, monitor decoding and reply
// handling must never fault, the transfer counters stay in range, and the
// texts taken from the unit stay printable and bounded.
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <string>

#include "link/link_cycle.h"
#include "link/monitor.h"
#include "link/replies.h"
#include "params/param_state.h"

namespace {

using namespace tz;
using namespace tz::link;

// Bytes the fuzzer put on the line; every write is accepted.
struct Line {
    std::deque<std::uint8_t> incoming;
    bool gone = false;
};

class FuzzPort final : public SerialPort {
  public:
    explicit FuzzPort(Line& line) : line_(line) {}
    bool open(const std::string& device) override { return open_ = device == "fuzz"; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    std::size_t bytesWaiting() override { return open_ ? line_.incoming.size() : 0; }
    std::size_t read(std::span<std::uint8_t> buffer) override {
        std::size_t n = 0;
        while (n < buffer.size() && !line_.incoming.empty()) {
            buffer[n++] = line_.incoming.front();
            line_.incoming.pop_front();
        }
        return n;
    }
    bool write(std::span<const std::uint8_t> bytes) override {
        if (bytes.size() != static_cast<std::size_t>(kFrameSize) ||
            !IsValidFrame(FrameView(bytes.first<kFrameSize>())))
            std::abort();
        return open_;
    }
    void purge() override {}
    bool deviceGone() const override { return line_.gone; }

  private:
    Line& line_;
    bool open_ = false;
};

// The events must stay within their ranges.
void checkEvents(const LinkEvents& events) {
    for (const LinkEvent& event : events) {
        if (const auto* p = std::get_if<ProgressChanged>(&event))
            if (p->position < 0 || p->position > p->maximum) std::abort();
        if (const auto* p = std::get_if<PortOpened>(&event))
            if (p->choice < 0 || p->choice > kPortAuto) std::abort();
    }
}

// Takes a read's pages over the image as the program does.
bool takeReadPages(const LinkEvents& events, ParamState& params) {
    for (const LinkEvent& e : events) {
        if (const auto* read = std::get_if<PagesRead>(&e)) {
            params.image = read->pages;
            params.normalise();
            return true;
        }
    }
    return false;
}

void checkPrintable(const std::string& text, std::size_t limit) {
    if (text.size() > limit) std::abort();
    for (char c : text)
        if (c < 0x20 || c > 0x7E) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Line line;
    ParamState params;
    LinkCycle cycle([&line] { return std::make_unique<FuzzPort>(line); },
                    [] {
                        return std::vector<std::string>{"fuzz", "missing"};
                    });
    cycle.OpenPort();

    std::size_t at = 0;
    const auto take = [&](std::size_t n) {
        const std::size_t start = at;
        at = std::min(size, at + n);
        return std::span<const std::uint8_t>(data + start, at - start);
    };
    while (at < size) {
        const std::uint8_t op = data[at++];
        switch (op & 0x0F) {
            case 0:
                params.normalise();
                cycle.StartProgramming(params.image);
                break;
            case 1:
                params.normalise();
                cycle.StartVerify(params.image);
                break;
            case 2:
                cycle.StartRead();
                break;
            case 3:
                cycle.PressTestButton(static_cast<TestButton>((op >> 4) % 8));
                break;
            case 4:
                cycle.ChoosePort(op >> 4 == 0 ? kPortAuto : (op >> 4) % 3);
                break;
            case 5:
                line.gone = !line.gone;
                break;
            case 6: {
                // A frame with a correct check byte, so that decoding goes deep.
                Frame frame{};
                const auto body = take(kCheckByte);
                std::copy(body.begin(), body.end(), frame.begin());
                Seal(frame);
                line.incoming.insert(line.incoming.end(), frame.begin(), frame.end());
                break;
            }
            default: {
                const auto bytes = take(static_cast<std::size_t>(op >> 4) * 16 + 1);
                line.incoming.insert(line.incoming.end(), bytes.begin(), bytes.end());
                break;
            }
        }
        checkEvents(cycle.events());
        cycle.tick();
        checkEvents(cycle.events());
        if (takeReadPages(cycle.events(), params)) {
            cycle.ContinueRead(params.image);
            checkEvents(cycle.events());
        }

        const Transfer& t = cycle.transfer();
        if (t.tickCounter >= kPollTicks) std::abort();
        if (t.state != LinkState::Idle && t.attempts > kMaxTransmissions) std::abort();
        checkPrintable(cycle.unitInfo().name, 30);
        checkPrintable(cycle.unitInfo().date, 10);
        checkPrintable(cycle.unitInfo().time, 5);
    }
    return 0;
}
