#include "platform/termination.h"

namespace platform {

void CloseWindowsOnTermination()
{ }

}  // namespace platform
