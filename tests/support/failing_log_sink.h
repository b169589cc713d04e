// A live-data log sink that keeps what it is given; from the n-th write on
// it fails after half of the bytes, as a full disk does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

#include "logs/log_writer.h"

namespace tz::testing {

class FailingSink : public logs::LogSink {
  public:
    FailingSink(std::string& text, int failFrom) : text_(text), failFrom_(failFrom) {}
    std::error_code write(std::string_view bytes) override {
        if (++writes_ >= failFrom_) {
            text_.append(bytes.substr(0, bytes.size() / 2));
            return std::make_error_code(std::errc::no_space_on_device);
        }
        text_.append(bytes);
        return {};
    }
    void truncate(std::uint64_t size) override { text_.resize(size); }

  private:
    std::string& text_;
    int failFrom_;
    int writes_ = 0;
};

}  // namespace tz::testing
