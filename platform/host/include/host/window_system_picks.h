#pragma once
// Available when the host is built with the window system (KV_HOST_HAS_WINDOWS): picks are
// then answered by the window system's input source.  That source is installed when the host
// library loads; this puts it back after a test installed its own.

namespace host {

void useWindowSystemPicks();

}  // namespace host
