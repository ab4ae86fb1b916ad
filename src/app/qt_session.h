// What Qt needs from the session before an application object is made.
#pragma once

namespace kvx::app {

/// Qt warns on stderr when a session has no runtime folder (a terminal without
/// a login session, a container): give it a private one instead.
void ensureRuntimeDirectory();

}  // namespace kvx::app
