#pragma once

// The program version built into this client. The server announces the current one in the
// login record; any other value forces the update download.
constexpr int programVersion = 27;
