#include "sim/sim_loop.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

namespace tz::sim {

namespace {

constexpr std::int64_t kMaxWaitUs = 50'000;
constexpr std::int64_t kMinWaitUs = 1'000;

}  // namespace

SimLoop::SimLoop(SimOptions options, std::FILE* paths)
    : options_(std::move(options)), paths_(paths), unit_(options_.unit), faults_(options_.faults) {}

SimLoop::~SimLoop() {
    if (log_ != nullptr) std::fclose(log_);
}

std::int64_t SimLoop::nowUs() const {
    const auto t = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::microseconds>(t).count() - startUs_;
}

bool SimLoop::openPty(std::string& error) {
    if (!pty_.open(options_.linkPath, error)) return false;
    if (paths_ != nullptr) {
        std::fprintf(paths_, "%s\n", pty_.devicePath().c_str());
        std::fflush(paths_);
    }
    return true;
}

bool SimLoop::start(std::string& error) {
    startUs_ = nowUs();
    if (!options_.logPath.empty()) {
        log_ = std::fopen(options_.logPath.c_str(), "w");
        if (log_ == nullptr) {
            error = "cannot write the log " + options_.logPath;
            return false;
        }
    }
    return openPty(error);
}

void SimLoop::run(const std::atomic<bool>& stop) {
    while (!stop.load()) {
        const std::int64_t now = nowUs();
        handleAway(now);
        flush(now);
        const std::int64_t waitUs = std::clamp(nextWakeUs(now) - now, kMinWaitUs, kMaxWaitUs);
        const timespec timeout{0, static_cast<long>(waitUs * 1000)};
        pollfd p{pty_.fd(), POLLIN, 0};
        const int ready = ::ppoll(&p, pty_.isOpen() ? 1 : 0, &timeout, nullptr);
        if (ready > 0 && (p.revents & POLLIN) != 0) receive(nowUs());
    }
    pty_.close();
}

void SimLoop::handleAway(std::int64_t now) {
    if (options_.awayAfterMs < 0 || cameBack_) return;
    const std::int64_t ms = now / 1000;
    if (!away_ && ms >= options_.awayAfterMs) {
        away_ = true;
        pending_.clear();
        pty_.close();
    }
    std::string error;
    if (away_ && ms >= options_.awayAfterMs + options_.awayForMs && openPty(error)) {
        away_ = false;
        cameBack_ = true;
    }
}

std::int64_t SimLoop::nextWakeUs(std::int64_t now) const {
    std::int64_t next = now + kMaxWaitUs;
    if (!pending_.empty()) next = std::min(next, std::max(pending_.begin()->first, lineFreeUs_));
    if (options_.awayAfterMs >= 0 && !cameBack_) {
        const std::int64_t event =
            (away_ ? options_.awayAfterMs + options_.awayForMs : options_.awayAfterMs) * 1000;
        next = std::min(next, event);
    }
    return next;
}

void SimLoop::receive(std::int64_t now) {
    std::uint8_t buffer[4096];
    const ssize_t n = ::read(pty_.fd(), buffer, sizeof buffer);
    for (ssize_t i = 0; i < n; ++i)
        if (auto frame = assembler_.add(buffer[i], now / 1000)) request(*frame, now);
}

void SimLoop::request(const link::Frame& frame, std::int64_t now) {
    log('<', frame, now, 0);
    const std::optional<link::Frame> reply = unit_.answer(frame, now / 1000);
    if (!reply) return;
    for (TimedBytes& piece : faults_.shape(frame, *reply)) {
        log('>', piece.bytes, now, piece.afterMs);
        pending_.emplace(now + piece.afterMs * 1000, std::move(piece.bytes));
    }
}

void SimLoop::flush(std::int64_t now) {
    const std::int64_t byteUs = options_.baud > 0 ? 10'000'000 / options_.baud : 0;
    while (!pending_.empty() && pty_.isOpen()) {
        auto first = pending_.begin();
        const std::int64_t begin = std::max(first->first, lineFreeUs_);
        if (begin > now) return;
        std::vector<std::uint8_t>& bytes = first->second;
        std::size_t n = bytes.size();
        if (byteUs > 0) n = std::min(n, static_cast<std::size_t>((now - begin) / byteUs + 1));
        const ssize_t written = ::write(pty_.fd(), bytes.data(), n);
        if (written <= 0) return;
        const auto sent = static_cast<std::size_t>(written);
        lineFreeUs_ = byteUs > 0 ? begin + static_cast<std::int64_t>(sent) * byteUs : now;
        bytes.erase(bytes.begin(), bytes.begin() + written);
        if (bytes.empty()) pending_.erase(first);
    }
}

void SimLoop::log(char direction, std::span<const std::uint8_t> bytes, std::int64_t now,
                  std::int64_t delayMs) {
    if (log_ == nullptr) return;
    std::fprintf(log_, "%10.3f %c", static_cast<double>(now) / 1e6, direction);
    if (delayMs > 0) std::fprintf(log_, " (+%lld ms)", static_cast<long long>(delayMs));
    for (std::uint8_t b : bytes) std::fprintf(log_, " %02x", b);
    std::fputc('\n', log_);
    std::fflush(log_);
}

}  // namespace tz::sim
