// The simulated unit as a child process, reachable under a fixed link.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace tz::testing {

class Simulator {
  public:
    Simulator(const std::string& simulatorPath, const std::string& link,
              std::vector<std::string> options) {
        std::vector<std::string> args = {simulatorPath, "--link", link};
        args.insert(args.end(), options.begin(), options.end());
        pid_ = ::fork();
        if (pid_ == 0) {
            std::vector<char*> argv;
            for (std::string& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            std::freopen("/dev/null", "w", stdout);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        for (int i = 0; i < 200 && !std::filesystem::exists(link); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ~Simulator() {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }

  private:
    pid_t pid_ = -1;
};

}  // namespace tz::testing
