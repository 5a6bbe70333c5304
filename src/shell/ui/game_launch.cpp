#include "shell/ui/game_launch.h"

namespace quintaro {

WindowRegistry& Windows() {
    static WindowRegistry registry;
    return registry;
}

} // namespace quintaro
