#pragma once

#include <string_view>

namespace korvane {

// How a path is resolved beneath a folder: by the kernel (openat2), or by a
// walk of its own, one name at a time, that the program falls back on where
// the kernel has no openat2. Tests choose the walk to keep it tried.
enum class BeneathResolution { Kernel, Walk };
void SetBeneathResolution(BeneathResolution resolution);

// Opens the folder that the relative `path` names beneath the folder `root`
// (an O_PATH descriptor), or gives -1 with errno set. The resolution never
// leaves `root`: not by "..", not by an absolute path, not through a symbolic
// link that leads out of it, nor through a "magic" link of /proc; such a path
// gives EXDEV. A loop of links gives ELOOP. Each step is taken relative to the
// folder the one before it opened, so a link swapped meanwhile cannot lead
// the resolution out either.
int OpenFolderBeneath(int root, std::string_view path);

}  // namespace korvane
