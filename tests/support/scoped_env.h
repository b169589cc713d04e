// An environment variable set (or removed, for nullptr) for the life of the
// object; the old value comes back afterwards. Programs that a test starts
// inherit it.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

#include "system.h"

namespace tz::testing {

class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setEnvironment(name, value);
    }
    ~ScopedEnv() { setEnvironment(name_.c_str(), old_ ? old_->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> old_;
};

}  // namespace tz::testing
