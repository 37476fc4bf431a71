#include "platform/Platform.h"

#include "platform/Clock.h"
#include "platform/qt/ProcessCommandRunner.h"

namespace platform {

Clock& clock() {
    static SystemClock instance;
    return instance;
}

CommandRunner& commandRunner() {
    static ProcessCommandRunner instance;
    return instance;
}

} // namespace platform
