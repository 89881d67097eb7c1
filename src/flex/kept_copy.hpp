// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The named copies of what a file held that a save leaves for a person to go back to: NAME~
// beside the file, or, where no NAME~ can be made there, a copy in the user's folder for restore
// copies (FileContext::restoreFolder), named after the file's device and inode number:
// "DEVICE-INODE-NAME~". Each takes the file's metadata as far as a copy may
// (MetadataCopy::Lenient).
#include <string>

#include "flex/file_error.hpp"
#include "flex/file_metadata.hpp"
#include "flex/system_calls.hpp"

namespace flex {

// Where a copy went, or why none could be made.
struct KeptCopy {
  int err = 0;
  std::string where;  // NAME~ (a name in the file's folder) or a path in the restore folder
  CopyObstacle obstacle = CopyObstacle::None;  // why it is not NAME~
};

// Copies what `from` holds (the file `name` in `folder`, whose metadata is `old`) to NAME~,
// replacing an earlier one in one rename, or into `restoreFolder` when the folder refuses NAME~
// (`obstacle`, when it is known beforehand, or the error met) or the name does. The folder's
// temporary names of earlier copies, left by killed saves, go first.
KeptCopy keepCopy(const SystemCalls& calls, const std::string& restoreFolder, int folder,
                  const std::string& name, int from, const FileMetadata& old,
                  CopyObstacle obstacle);

// Gives the rollback copy `from` of a file that an in-place write left torn a name of its own in
// `restoreFolder` ("DEVICE-INODE-NAME~N"), so that what the file held does not go with it.
// Returns its path, or "" when it could not be made.
std::string rescueCopy(const SystemCalls& calls, const std::string& restoreFolder,
                       const std::string& name, int from, const FileMetadata& old);

}  // namespace flex
