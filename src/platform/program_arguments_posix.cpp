#include "platform/program_arguments.h"

namespace tz {

ProgramArguments::ProgramArguments(int argc, char** argv) : arguments_(argv, argv + argc) {
    for (std::string& argument : arguments_) pointers_.push_back(argument.data());
    pointers_.push_back(nullptr);
}

}  // namespace tz
