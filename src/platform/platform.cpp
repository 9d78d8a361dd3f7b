#include "platform/platform.h"

#include <stdexcept>

namespace platform {

namespace {
Platform* installed = nullptr;
}

Platform& current() {
    if (installed == nullptr) throw std::logic_error("no platform installed");
    return *installed;
}

void install(Platform* platform) { installed = platform; }

}  // namespace platform
